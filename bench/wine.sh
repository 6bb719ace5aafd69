#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Start-up of the Windows build under Wine: launch to first paint of the
# game against a bare Qt window cross-built the same way, alternating, both
# launched from a launcher that runs under the same Wine. Not a test: it
# never fails on a slow machine. Runs in Debian 13, as scripts/windows/build.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/trixie.sh
in_trixie "" "" bench/wine.sh "$@"
trixie_tools windows
B=build-windows-bench
"$QT/bin/qt-cmake" -S . -B $B -G Ninja -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/scripts/windows/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DGITTERSPOR_BENCHMARKS=ON >/dev/null
cmake --build $B --target firstpaint_gitterspor firstpaint_minimal bench_startup >/dev/null

echo "== machine"
echo "cpu:    $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//') × $(nproc)"
echo "qt:     $(basename "$QT") for Windows, MinGW-w64; $(wine --version 2>/dev/null)"
echo
source tests/e2e/lib.sh
source tests/e2e/wine.sh
start_x
start_wine
# shellcheck disable=SC2046
export $(built_qt_env "$QT")
echo "== start-up under Wine, Xvfb + icewm: launch to first paint, alternating runs"
wine "$B/bench_startup.exe" "$(winpath "$PWD/$B/firstpaint_gitterspor.exe")" \
    "$(winpath "$PWD/$B/firstpaint_minimal.exe")" "${RUNS:-15}" || true
"$WINESERVER" -k
