#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Builds Gitterspor for Windows and runs its tests under Wine: the installer
# build-windows/dist/gitterspor-VERSION-x64.msi and the portable
# build-windows/dist/gitterspor-VERSION-x64.zip. It builds inside Debian 13
# (the system on-release.sh keeps), where Qt for Windows is built once from
# Debian's sources and kept (scripts/windows/qt.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/trixie.sh
in_trixie windows-dist build-windows/dist scripts/windows/build.sh "$@"
dist=/var/cache/gitterspor/windows-dist
rm -rf "$dist"
started=$(date +%s)
source scripts/packages.sh
bash scripts/setup.sh "${WINDOWS_PACKAGES[@]}"
qt=$(bash scripts/windows/qt.sh)
echo "== Qt for Windows in $qt"

B=build-windows
version=$(sed -n 's/^project(Gitterspor VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
echo "== the game and its tests for Windows"
"$qt/bin/qt-cmake" -S . -B $B -G Ninja -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/scripts/windows/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DGITTERSPOR_E2E_TESTS=OFF \
    -DCMAKE_CROSSCOMPILING_EMULATOR=wine >$B.configure.log 2>&1 || { cat $B.configure.log; exit 1; }
cmake --build $B >$B/build.log 2>&1 || { grep -v '^\[' $B/build.log | head -n 60; exit 1; }

echo "== the folder that is shipped"
# Qt puts programs for Windows at the top of the build, beside their libraries
bash scripts/windows/deploy.sh "$qt" $B/gitterspor.exe $B/Gitterspor
bash scripts/windows/installer.sh $B/Gitterspor $B/resources/gitterspor.ico "$version" $B/dist
cp -r $B/dist "$dist"
ls -l $B/dist

echo "== tests under Wine"
status=0
bash tests/e2e/windows.sh "$qt" $B || status=1
echo "== the Windows stage took $(( $(date +%s) - started )) s"
exit $status
