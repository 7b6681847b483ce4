# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the other scripts: installs the Debian packages the build needs
# when some are missing (as root), or says which command to run.
tervane_require_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing ${missing[*]}..."
        if ! DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null; then
            apt-get update -qq &&
                DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
        fi
    else
        echo "Missing packages. Run: sudo apt-get install -y ${missing[*]}" >&2
        return 1
    fi
}

# qt6-translations-l10n: Qt's own dialogs and buttons in the interface language.
# librsvg2-bin: the program's icon is rendered from its SVG at build time.
# libtag1-dev, pkg-config: TagLib reads the tags of music files.
# libexiv2-dev: Exiv2 reads when pictures were taken, and by which camera.
TERVANE_BUILD_PACKAGES=(g++ cmake make qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
    librsvg2-bin libtag1-dev libexiv2-dev pkg-config)

# debhelper, dpkg-dev: the Debian package is built by dpkg-buildpackage from debian/.
TERVANE_PACKAGING_PACKAGES=(debhelper dpkg-dev)
