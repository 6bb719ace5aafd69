#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Sets everything up, builds Gitterspor and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Gitterspor kan ikke starte: der er ingen skærm at vise vinduet på (DISPLAY er ikke sat)." >&2
    exit 1
fi
source scripts/packages.sh
bash scripts/setup.sh "${BUILD_PACKAGES[@]}"
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-release --target gitterspor -j"$(nproc)" >/dev/null
exec ./build-release/src/gitterspor
