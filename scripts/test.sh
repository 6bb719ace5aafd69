#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Sets everything up and runs the whole test suite twice: once in an
# ordinary build and once built with AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
bash scripts/setup.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

jobs=$(nproc)
status=0
for variant in plain sanitize; do
    dir=build-test-$variant
    sanitize=OFF
    [ $variant = sanitize ] && sanitize=ON
    echo "== $variant build"
    cmake -S . -B $dir -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGITTERSPOR_SANITIZE=$sanitize >/dev/null
    cmake --build $dir -j"$jobs" >/dev/null
    ASAN_OPTIONS=detect_leaks=1 \
    LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp":print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir $dir --output-on-failure || status=1
done
exit $status
