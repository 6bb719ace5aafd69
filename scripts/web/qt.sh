#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Builds Qt for WebAssembly from Debian's own sources (qt6-base) with
# Debian's emscripten, once per Qt version and recipe, and prints the folder
# it is installed in. Static and single-threaded, so that any static web
# host serves the game without cross-origin isolation. The host tools are
# Debian's own Qt of the same version.
# Only what the game uses is built: Core, Gui, Widgets and Test, and the
# OpenGL module the browser platform draws through.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../qt-source.sh"
source "$here/emsdk.sh"
qt_prefix "${GITTERSPOR_QT_CACHE:-/var/cache/gitterspor/qt-wasm}" "$here/qt.sh" "$here/emsdk.sh" "$here"/patches/*.patch
prefix=$QT_PREFIX
if [ -f "$prefix/.built" ]; then echo "$prefix"; exit 0; fi

qt_unpack "$prefix.build"
# Our mends to the browser platform of this Qt (patches/, each says why):
# the keyboard goes with the window that opens, a cancelled touch clicks
# nothing, and a screen reader finds the game without a hidden button.
for patch in "$here"/patches/*.patch; do
    patch -d "$QT_SOURCE" -p1 --quiet --no-backup-if-mismatch <"$patch" || { echo "$patch does not apply" >&2; exit 1; }
done
# Built for size: what a browser downloads is every byte of it. The
# features left out are ones the game never shows.
qt_build WebAssembly -DCMAKE_TOOLCHAIN_FILE="$EMSCRIPTEN_TOOLCHAIN" -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten \
    -DBUILD_SHARED_LIBS=OFF -DFEATURE_thread=OFF -DFEATURE_printsupport=OFF -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DFEATURE_textodfwriter=OFF -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF \
    -DFEATURE_dockwidget=OFF -DFEATURE_mdiarea=OFF -DFEATURE_calendarwidget=OFF -DFEATURE_datetimeedit=OFF
