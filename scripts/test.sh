#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and its tests (warnings on, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/deps.sh"
# The validators of the installed launcher and catalogue entries, and of the
# Debian package (lintian); strace puts faults into the command line's system
# calls.
tervane_require_packages "${TERVANE_BUILD_PACKAGES[@]}" desktop-file-utils appstream \
    "${TERVANE_PACKAGING_PACKAGES[@]}" lintian strace

cd "$root"
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$(nproc)"
ctest --preset asan -j"$(nproc)"
