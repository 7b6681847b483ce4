#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and starts it, on the folder given as argument if any.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/deps.sh"
tervane_require_packages "${TERVANE_BUILD_PACKAGES[@]}"

build="$root/build"
(cd "$root" && cmake --preset dev >/dev/null &&
    cmake --build --preset dev --target tervane tervane-cli -j"$(nproc)")
exec "$build/src/tervane" "$@"
