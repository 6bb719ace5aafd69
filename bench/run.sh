#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Builds the benchmarks in a release build and prints their figures with the
# machine's details. Not a test: it never fails on a slow machine.
# BEFORE=FOLDER adds an older build's bench folder (its firstpaint_gitterspor)
# to the start-up figures, measured in the same run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
bash scripts/setup.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" linux-perf
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DGITTERSPOR_BENCHMARKS=ON >/dev/null
cmake --build build-bench -j"$(nproc)" >/dev/null
B=build-bench/bench

echo "== machine"
echo "cpu:    $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//') × $(nproc)"
echo "memory: $(free -h | awk '/Mem:/ {print $2}')"
echo "qt:     $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null)"
echo

GAMES=("$B/firstpaint_gitterspor")
[ -n "${BEFORE:-}" ] && GAMES+=("$BEFORE/firstpaint_gitterspor")

echo "== start-up under Xvfb + icewm: launch to first paint, alternating runs"
source tests/e2e/lib.sh
start_x
"$B/bench_startup" "${GAMES[@]}" "$B/firstpaint_minimal" "${RUNS:-15}" || true
echo

# CPU time is steadier than first-paint times on a shared machine. Measured
# on a bare X display, where no window manager maximises the windows:
# maximised, the bare window's one button is a bevel the size of the screen,
# and the bare window then costs more CPU than the game.
echo "== start-up CPU on a bare X display: perf stat -r 10 -e task-clock, launch to first paint"
start_x bare
cpu() { # program: "task-clock-ms variation elapsed-ms"
    LC_ALL=C perf stat -r 10 -e task-clock "$1" 2>&1 >/dev/null |
        awk '/task-clock/ { ms = $1; var = $(NF - 1) } /time elapsed/ { el = $1 * 1000 }
             END { if (ms != "") printf "%s %s %.1f\n", ms, var, el }'
}
PROGRAMS=("${GAMES[@]}" "$B/firstpaint_minimal")
FIGURES=()
for program in "${PROGRAMS[@]}"; do
    FIGURES+=("$(cpu "$program" || true)")
done
for i in "${!PROGRAMS[@]}"; do
    awk -v name="${PROGRAMS[i]}" -v f="${FIGURES[i]}" -v floor="${FIGURES[-1]}" 'BEGIN {
        if (split(f, g, " ") < 3 || split(floor, b, " ") < 3) { printf "%-44s perf stat gave no figures\n", name; exit }
        printf "%-44s CPU %6.1f ms ± %-6s elapsed %6.1f ms   %.2f x the bare window'"'"'s CPU (target <= 1.15)\n",
               name, g[1], g[2], g[3], g[1] / b[1] }'
done
echo

echo "== hot paths (offscreen; QBENCHMARK mean, ms per call)"
QT_QPA_PLATFORM=offscreen LANG=da_DK.UTF-8 "$B/bench_render" -minimumvalue 50 2>/dev/null |
    awk '/^RESULT/ { row = $0; sub(/^RESULT : BenchRender::/, "", row); gsub(/[():"]+/, " ", row) }
         /msecs per iteration/ { printf "%-40s %10.4f ms\n", row, $1 }'
echo "targets: boardRepaint < 0.2 ms, guessLog < 0.5 ms, taskPrintout(1200 dpi) < 150 ms;"
echo "rulesAlone is per 1000 commands"
