#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Builds Qt for WebAssembly from Debian's own sources (qt6-base) with
# Debian's emscripten, once per Qt version and recipe, and prints the folder
# it is installed in. Static and single-threaded, so that any static web
# host serves the game without cross-origin isolation; modal dialogs run
# through asyncify. The host tools are Debian's own Qt of the same version.
# Only what the game uses is built: Core, Gui, Widgets and Test, and the
# OpenGL module the browser platform draws through.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../qt-source.sh"
source "$here/emsdk.sh"
qt_prefix "${GITTERSPOR_QT_CACHE:-/var/cache/gitterspor/qt-wasm}" "$here/qt.sh" "$here/emsdk.sh"
prefix=$QT_PREFIX
if [ -f "$prefix/.built" ]; then echo "$prefix"; exit 0; fi

work=$prefix.build
qt_unpack "$work"
cd "$work"
started=$(date +%s)
cmake -S "$QT_SOURCE" -B base -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$EMSCRIPTEN_TOOLCHAIN" -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_UNITY_BUILD=ON -DBUILD_WITH_PCH=OFF \
    -DFEATURE_thread=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF \
    -DFEATURE_itemmodeltester=OFF >"$work/configure.log" 2>&1 \
    || { tail -n 40 "$work/configure.log" >&2; exit 1; }
cmake --build base --parallel >"$work/build.log" 2>&1 || { grep -B2 -A20 'FAILED\|error:' "$work/build.log" | head -n 80 >&2; exit 1; }
cmake --install base >/dev/null
echo "Qt $QT_VERSION for WebAssembly built in $(( $(date +%s) - started )) s" >&2
cd / && rm -rf "$work"
touch "$prefix/.built"
echo "$prefix"
