#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of the program (installed under /usr) from
# debian/, with its package of debug symbols, into build-deb/, ready for:
#   sudo apt install ./build-deb/tervane_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/deps.sh"
tervane_require_packages "${TERVANE_BUILD_PACKAGES[@]}" "${TERVANE_PACKAGING_PACKAGES[@]}"

cd "$root"
version=$(dpkg-parsechangelog -S Version)
arch=$(dpkg-architecture -q DEB_HOST_ARCH)
# --post-clean takes the build folder and debhelper's leftovers away again.
dpkg-buildpackage -us -uc -b --jobs-try=auto --post-clean
# dpkg-buildpackage writes beside the source folder.
rm -rf build-deb && mkdir build-deb
mv ../tervane_"$version"_"$arch".{deb,buildinfo,changes} \
    ../tervane-dbgsym_"$version"_"$arch".deb build-deb/
ls "$root"/build-deb/tervane_*.deb
