#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# The browser build's size and load time (bench/web.mjs), built as
# scripts/web.sh builds it, with the two first-paint programs. Not a test:
# it never fails on a slow machine. Runs in Debian 13.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/trixie.sh
in_trixie "" "" bench/web.sh "$@"
trixie_tools web
B=build-web-bench
"$QT/bin/qt-cmake" -S . -B $B -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF \
    -DBUILD_TESTING=OFF -DGITTERSPOR_BENCHMARKS=ON >/dev/null
cmake --build $B --target gitterspor firstpaint_gitterspor firstpaint_minimal icon_pngs >/dev/null
bash scripts/web/package.sh $B "$(sed -n 's/^project(Gitterspor VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)" $B/dist
(cd tests/e2e/web && npm ci --no-audit --no-fund --loglevel=error)

echo "== machine"
echo "cpu:      $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//') × $(nproc)"
echo "browser:  $(chromium --version 2>/dev/null)"
echo "== size"
folder=$B/dist/gitterspor-web
for file in gitterspor.wasm gitterspor.js; do
    echo "$file: $(stat -c %s "$folder/$file") bytes, $(stat -c %s "$folder/$file.br") brotli, $(stat -c %s "$folder/$file.gz") gzip"
done
echo "firstpaint_minimal.wasm: $(stat -c %s $B/bench/firstpaint_minimal.wasm) bytes"
echo "zip: $(stat -c %s $B/dist/gitterspor-*-web.zip) bytes"
node scripts/web/serve.mjs 0 "$folder" "$B/bench" tests/e2e/web >"$B/server.log" 2>&1 &
server=$!
trap 'kill $server' EXIT
for _ in $(seq 100); do grep -q '^listening' "$B/server.log" && break; sleep 0.05; done # the server's first line
echo "== load in headless Chromium"
node bench/web.mjs "http://127.0.0.1:$(sed -n 's/^listening //p' "$B/server.log")" "${RUNS:-10}"
