#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Sets everything up and runs the whole test suite:
# - the Debian package is built from the sources with Debian's own flags (its
#   build runs the unit tests), checked, installed, started and built again
#   to the same bytes;
# - meanwhile a build with AddressSanitizer and UndefinedBehaviorSanitizer
#   compiles, and runs the unit and widget tests and the real program: played
#   with the mouse, printed, on a bare X display and on Wayland, and with the
#   keyboard read aloud by Orca.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
bash scripts/setup.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

jobs=$(nproc)
started=$(date +%s)
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp":print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

mkdir -p build-test-package
echo "== the Debian package (in the background)"
# niced: the tests that play the real program in time with it come first
timeout 900 nice -n 10 bash tests/e2e/package.sh "$PWD" >build-test-package/package.log 2>&1 &
package=$!

status=0
echo "== sanitizer build"
# -O1 and line tables: what a sanitizer's report needs, at half the compile
# time; a compiler's warning fails the build
cmake -S . -B build-test-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DGITTERSPOR_SANITIZE=ON >/dev/null
if cmake --build build-test-sanitize -j"$jobs" >build-test-sanitize/build.log 2>&1; then
    ctest --test-dir build-test-sanitize -j"$((jobs + 1))" --output-on-failure || status=1
else
    cat build-test-sanitize/build.log
    status=1
fi

echo "== the Debian package (the tests above ended after $(( $(date +%s) - started )) s)"
wait $package || status=1
cat build-test-package/package.log
echo "== the whole suite took $(( $(date +%s) - started )) s"
exit $status
