#!/usr/bin/env bash
# Builds the Debian package of the program (installed under /usr) into
# build-deb/, ready for: sudo apt install ./build-deb/tervane_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/deps.sh"
tervane_require_packages "${TERVANE_BUILD_PACKAGES[@]}" dpkg-dev

cd "$root"
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build-deb -j"$(nproc)"
(cd build-deb && cpack -G DEB)
ls "$root"/build-deb/tervane_*.deb
