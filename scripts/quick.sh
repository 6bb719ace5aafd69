#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# The quick loop while changing code: builds what changed and runs the unit
# and widget tests alone, side by side. The whole suite is scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
bash scripts/setup.sh "${BUILD_PACKAGES[@]}"
cmake -S . -B build-quick -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
    -DGITTERSPOR_E2E_TESTS=OFF >/dev/null
if ! cmake --build build-quick -j"$(nproc)" >build-quick/build.log 2>&1; then
    grep -v '^\[' build-quick/build.log
    exit 1
fi
grep -A4 'warning:' build-quick/build.log || true
ctest --test-dir build-quick -L unit -j"$(nproc)" --output-on-failure
