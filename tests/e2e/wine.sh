# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Wine, quiet, in a prefix of the test's own, made on the display. Sourced
# after lib.sh.

start_wine() {
    export WINEPREFIX=$WORK/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)
    wine wineboot -i >"$WORK/wineboot.log" 2>&1
    "$WINESERVER" -w
}
winpath() { printf 'Z:%s' "${1//\//\\}"; }
# Where programs built against Qt for Windows at QT-PREFIX find its libraries
# and plugins, and MinGW's runtime: "WINEPATH=... QT_PLUGIN_PATH=...".
built_qt_env() { # QT-PREFIX
    local runtime pthread
    runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
    pthread=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")
    echo "WINEPATH=$(winpath "$1/bin");$(winpath "$runtime");$(winpath "$pthread") QT_PLUGIN_PATH=$(winpath "$1/plugins")"
}
