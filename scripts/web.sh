#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Builds Gitterspor for the browser and tests it in Debian's Chromium and
# Firefox ESR: the folder build-web/dist/gitterspor-web, which any static web
# server serves, and its zip build-web/dist/gitterspor-VERSION-web.zip. It
# builds inside Debian 13 (the system on-release.sh keeps), where Qt for
# WebAssembly is built once from Debian's sources and kept (scripts/web/qt.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/trixie.sh
in_trixie web-dist build-web/dist scripts/web.sh "$@"
dist=/var/cache/gitterspor/web-dist
rm -rf "$dist"
started=$(date +%s)
trixie_tools web
echo "== Qt for WebAssembly in $QT"

B=build-web
version=$(sed -n 's/^project(Gitterspor VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
echo "== the game and its tests for the browser"
# Debian's Qt leaves plugins out of static programs unless asked; the browser
# platform is one
"$QT/bin/qt-cmake" -S . -B $B -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
    -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF -DGITTERSPOR_E2E_TESTS=OFF >$B.configure.log 2>&1 \
    || { cat $B.configure.log; exit 1; }
cmake --build $B >$B/build.log 2>&1 || { grep -v '^\[' $B/build.log | head -n 60; exit 1; }

echo "== the folder that is shipped"
bash scripts/web/package.sh $B "$version" $B/dist
cp -r $B/dist "$dist"
ls -l $B/dist $B/dist/gitterspor-web

echo "== tests in Chromium and Firefox ESR"
status=0
bash tests/e2e/web.sh $B || status=1
echo "== the web stage took $(( $(date +%s) - started )) s"
exit $status
