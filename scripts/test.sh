#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the layout of the C++ sources, builds the program and its tests
# (warnings on, AddressSanitizer and UndefinedBehaviorSanitizer) and runs every
# test headless, then builds the everyday (dev) configuration too, so that it
# cannot stop compiling unseen.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/deps.sh"
# The validators of the installed launcher and catalogue entries, and of the
# Debian package (lintian); strace puts faults into the command line's system
# calls; clang-format checks the sources' layout.
tervane_require_packages "${TERVANE_BUILD_PACKAGES[@]}" desktop-file-utils appstream \
    "${TERVANE_PACKAGING_PACKAGES[@]}" lintian strace clang-format

cd "$root"
# The tracked sources only, when there is a Git checkout: build folders and
# scratch files are nobody's layout.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z -- '*.cpp' '*.h'
else
    find src tests bench \( -name '*.cpp' -o -name '*.h' \) -print0
fi | xargs -0 -r clang-format --dry-run --Werror

cmake --preset asan >/dev/null
cmake --build --preset asan -j"$(nproc)"
ctest --preset asan -j"$(nproc)"

# Built, not run: the asan run above has already tested the same sources.
cmake --preset dev >/dev/null
cmake --build --preset dev -j"$(nproc)"
