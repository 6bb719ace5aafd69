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

qt_unpack "$prefix.build"
# Qt 6.8.2's Windows plugin takes dynamic OpenGL for granted, also where
# OpenGL is left out; the feature means nothing without OpenGL.
sed -i 's/QT_CONFIG(dynamicgl)/(QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl))/' \
    "$QT_SOURCE"src/plugins/platforms/windows/qwindowswindow.cpp
# What the game does not use is left out. The dfsg sources lack wintab
# (tablet events) and iaccessible2, which Qt 6's UI Automation does not use.
qt_build Windows -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
    -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF -DFEATURE_icu=OFF -DFEATURE_freetype=OFF
