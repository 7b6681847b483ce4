#!/usr/bin/env bash
# Builds the program and its tests (warnings on, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/deps.sh"
tervane_require_packages "${TERVANE_BUILD_PACKAGES[@]}"

build="$root/build-tests"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTERVANE_TESTS=ON -DTERVANE_SANITIZE=ON \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
ctest --output-on-failure -j"$(nproc)"
