// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
//
// Linked into the program of the sanitizer build only: a library opened at
// run time is never unloaded, so that LeakSanitizer's report at exit names
// the library a leak is in, and tests/lsan.supp can name it too. Without it
// Mesa's EGL, which Qt 6.4's Wayland plugin brings up, unloads its driver
// when the connection ends, and a leak there is "<unknown module>".
extern "C" int dlclose(void *)
{
    return 0;
}
