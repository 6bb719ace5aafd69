#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Lays out the folder that is shipped: the program, the Qt libraries and
# plugins it uses, MinGW's runtime and Qt's Danish texts. Then reads the
# import table of every program and library in it: each library named must
# be in the folder or be one of Windows' own.
#     deploy.sh QT-PREFIX PROGRAM.exe FOLDER
set -euo pipefail
qt=$1 program=$2 out=$3
triple=x86_64-w64-mingw32
rm -rf "$out" && mkdir -p "$out"/{platforms,styles,translations}
cp "$program" "$out/"
for module in Core Gui Widgets PrintSupport; do cp "$qt/bin/Qt6$module.dll" "$out/"; done
cp "$qt/plugins/platforms/qwindows.dll" "$out/platforms/"
cp "$qt/plugins/styles/"*.dll "$out/styles/"
for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    cp "$($triple-g++-posix -print-file-name=$dll)" "$out/"
done
cp /usr/share/qt6/translations/qtbase_da.qm "$out/translations/"
# Qt looks for its plugins and texts beside the program, not in the folder
# it was built for
printf '[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n' >"$out/qt.conf"
"$triple-strip" --strip-unneeded "$out"/*.dll "$out"/*/*.dll
"$triple-strip" "$out"/*.exe

# Windows' own libraries, as the import tables name them.
windows_own='^(advapi32|authz|comctl32|comdlg32|d3d9|d3d11|d3d12|dwmapi|dwrite|dxgi|gdi32|imm32|kernel32|mpr|msvcrt|netapi32|ntdll|ole32|oleaut32|setupapi|shcore|shell32|shlwapi|user32|userenv|uxtheme|version|winmm|winspool\.drv|ws2_32|wtsapi32|api-ms-win-[a-z0-9-]+)(\.dll)?$'
missing=0
while IFS= read -r -d '' file; do
    for dll in $("$triple-objdump" -p "$file" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u); do
        if ! grep -qiE "$windows_own" <<<"$dll" && [ -z "$(find "$out" -iname "$dll" -print -quit)" ]; then
            echo "missing: $(basename "$file") needs $dll"
            missing=1
        fi
    done
done < <(find "$out" -iname '*.exe' -print0 -o -iname '*.dll' -print0)
[ $missing -eq 0 ] || exit 1
echo "import tables: every library of $(find "$out" -iname '*.dll' -o -iname '*.exe' | wc -l) files is shipped or Windows' own"
