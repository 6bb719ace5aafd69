#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Builds the benchmarks in a release build and prints their figures with the
# machine's details. Not a test: it never fails on a slow machine.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
bash scripts/setup.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DGITTERSPOR_BENCHMARKS=ON >/dev/null
cmake --build build-bench -j"$(nproc)" >/dev/null
B=build-bench/bench

echo "== machine"
echo "cpu:    $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//') × $(nproc)"
echo "memory: $(free -h | awk '/Mem:/ {print $2}')"
echo "qt:     $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null)"
echo

echo "== start-up under Xvfb + icewm: launch to first paint, alternating runs"
source tests/e2e/lib.sh
start_x
"$B/bench_startup" "$B/firstpaint_gitterspor" "$B/firstpaint_minimal" "${RUNS:-15}"
echo

echo "== hot paths (offscreen; QBENCHMARK mean, ms per call)"
QT_QPA_PLATFORM=offscreen LANG=da_DK.UTF-8 "$B/bench_render" -minimumvalue 50 2>/dev/null |
    awk '/^RESULT/ { row = $0; sub(/^RESULT : BenchRender::/, "", row); gsub(/[():"]+/, " ", row) }
         /msecs per iteration/ { printf "%-40s %10.4f ms\n", row, $1 }'
echo "targets: boardRepaint < 0.2 ms, guessLog < 0.5 ms, taskPrintout(1200 dpi) < 150 ms;"
echo "rulesAlone is per 1000 commands"
