#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Builds Gitterspor for Windows and runs its tests under Wine: the installer
# build-windows/dist/gitterspor-VERSION-x64.msi and the portable
# build-windows/dist/gitterspor-VERSION-x64.zip. It builds inside Debian 13
# (the system on-release.sh keeps), where Qt for Windows is built once from
# Debian's sources and kept (scripts/windows/qt.sh). With a code-signing
# certificate (GITTERSPOR_SIGN_PFX, GITTERSPOR_SIGN_PASSWORD_FILE and, where
# a time-stamping authority can be reached, GITTERSPOR_SIGN_TIMESTAMP_URL)
# the program, its libraries and the installer are signed (sign.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/trixie.sh
# on-release.sh takes no environment into the Debian 13 system: the
# certificate goes in through the folder it keeps, for this run only
if [ -n "${GITTERSPOR_SIGN_PFX:-}" ] && [ "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" != trixie ]; then
    kept=${GITTERSPOR_RELEASE_ROOT:-/var/cache/gitterspor}/trixie.kept
    mkdir -p "$kept"
    signing=$(mktemp -d "$kept/signing.XXXXXX")
    trap 'rm -rf "$signing"' EXIT
    cp "$GITTERSPOR_SIGN_PFX" "$signing/certificate.pfx"
    cp "$GITTERSPOR_SIGN_PASSWORD_FILE" "$signing/password"
    printf '%s' "${GITTERSPOR_SIGN_TIMESTAMP_URL:-}" >"$signing/timestamp-url"
    set -- --signing "/var/cache/gitterspor/$(basename "$signing")" "$@"
fi
in_trixie windows-dist build-windows/dist scripts/windows/build.sh "$@"
if [ "${1:-}" = --signing ]; then
    export GITTERSPOR_SIGN_PFX=$2/certificate.pfx GITTERSPOR_SIGN_PASSWORD_FILE=$2/password
    GITTERSPOR_SIGN_TIMESTAMP_URL=$(cat "$2/timestamp-url")
    export GITTERSPOR_SIGN_TIMESTAMP_URL
    shift 2
fi
dist=/var/cache/gitterspor/windows-dist
rm -rf "$dist"
started=$(date +%s)
trixie_tools windows
echo "== Qt for Windows in $QT"

B=build-windows
rm -rf $B/dist # a run that fails leaves no installer of an earlier one
version=$(sed -n 's/^project(Gitterspor VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
echo "== the game and its tests for Windows"
"$QT/bin/qt-cmake" -S . -B $B -G Ninja -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/scripts/windows/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DGITTERSPOR_E2E_TESTS=OFF \
    -DCMAKE_CROSSCOMPILING_EMULATOR=wine >$B.configure.log 2>&1 || { cat $B.configure.log; exit 1; }
cmake --build $B >$B/build.log 2>&1 || { grep -v '^\[' $B/build.log | head -n 60; exit 1; }

echo "== the folder that is shipped"
# Qt puts programs for Windows at the top of the build, beside their libraries
bash scripts/windows/deploy.sh "$QT" $B/gitterspor.exe $B/Gitterspor
if [ -n "${GITTERSPOR_SIGN_PFX:-}" ]; then
    echo "== signing with $(basename "$GITTERSPOR_SIGN_PFX")${GITTERSPOR_SIGN_TIMESTAMP_URL:+, time-stamped by $GITTERSPOR_SIGN_TIMESTAMP_URL}"
    find $B/Gitterspor \( -iname '*.exe' -o -iname '*.dll' \) -exec bash scripts/windows/sign.sh {} +
else
    echo "== unsigned: no certificate given (GITTERSPOR_SIGN_PFX, GITTERSPOR_SIGN_PASSWORD_FILE)"
fi
bash scripts/windows/installer.sh $B/Gitterspor $B/resources/gitterspor.ico "$version" $B/dist
[ -z "${GITTERSPOR_SIGN_PFX:-}" ] || bash scripts/windows/sign.sh $B/dist/*.msi
cp -r $B/dist "$dist"
ls -l $B/dist

echo "== tests under Wine"
status=0
bash tests/e2e/windows.sh "$QT" $B || status=1
echo "== the Windows stage took $(( $(date +%s) - started )) s"
exit $status
