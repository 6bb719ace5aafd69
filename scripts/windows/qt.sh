#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Builds Qt for 64-bit Windows from Debian's own sources (qt6-base) with
# Debian's MinGW-w64, once per Qt version and recipe, and prints the
# folder it is installed in. The host tools (moc, rcc, uic, syncqt) are
# Debian's own Qt of the same version. Only what the game uses is built.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../qt-source.sh"
qt_prefix "${GITTERSPOR_QT_CACHE:-/var/cache/gitterspor/qt-mingw}" "$here/qt.sh" "$here/mingw-w64.cmake"
prefix=$QT_PREFIX
if [ -f "$prefix/.built" ]; then echo "$prefix"; exit 0; fi

work=$prefix.build
qt_unpack "$work"
cd "$work"

# Qt 6.8.2's Windows plugin takes dynamic OpenGL for granted, also where
# OpenGL is left out; the feature means nothing without OpenGL.
sed -i 's/QT_CONFIG(dynamicgl)/(QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl))/' \
    qt6-base-*/src/plugins/platforms/windows/qwindowswindow.cpp
started=$(date +%s)
# What the game does not use is left out; unity builds halve the time, and
# the plugins and tools nobody here runs are not built. The dfsg sources
# lack wintab (tablet events) and iaccessible2, which Qt 6's UI Automation
# does not use.
cmake -S qt6-base-*/ -B base -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_UNITY_BUILD=ON -DBUILD_WITH_PCH=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF \
    -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF -DFEATURE_icu=OFF \
    -DFEATURE_freetype=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF \
    -DFEATURE_itemmodeltester=OFF >"$work/configure.log" 2>&1 \
    || { tail -n 40 "$work/configure.log" >&2; exit 1; }
cmake --build base --parallel >"$work/build.log" 2>&1 || { grep -B2 -A20 'FAILED\|error:' "$work/build.log" | head -n 80 >&2; exit 1; }
cmake --install base >/dev/null
echo "Qt $QT_VERSION for Windows built in $(( $(date +%s) - started )) s" >&2
cd / && rm -rf "$work"
touch "$prefix/.built"
echo "$prefix"
