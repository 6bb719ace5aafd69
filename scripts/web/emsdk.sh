# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Debian's emscripten as Qt looks for it: Qt finds emcc through $EMSDK, in
# a folder shaped like the upstream SDK's, and emscripten wants a writable
# cache for the system libraries it builds on first use. Nothing is taken
# from emscripten's ports, which download their sources.
EMSDK=${GITTERSPOR_EMSDK:-/var/cache/gitterspor/emsdk}
mkdir -p "$EMSDK/upstream"
ln -sfn /usr/share/emscripten "$EMSDK/upstream/emscripten"
# read by Qt alone, as a path below $EMSDK
echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$EMSDK/.emscripten"
export EMSDK EM_CACHE=$EMSDK/cache
[ -d "$EM_CACHE" ] || cp -r /usr/share/emscripten/cache "$EM_CACHE"
EMSCRIPTEN_TOOLCHAIN=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
