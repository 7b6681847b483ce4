#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, sources and binaries, from a copy of the files git
# tracks (as they are in the working tree, build folders left out) and checks
# it: lintian finds no error and no warning, and the package holds both
# programs, their manuals, its copyright and changelog, and a launcher entry
# that claims no file type. Skipped (77) without the packaging tools.
set -euo pipefail
source_dir=$1
for tool in dpkg-buildpackage dh lintian git; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null ||
    { echo "skipped: $source_dir is not a git checkout"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/tervane"
(cd "$source_dir" && git ls-files -z | tar --null --ignore-failed-read -T - -cf -) |
    tar -x -C "$work/tervane"

cd "$work/tervane"
if ! nice -n 10 dpkg-buildpackage -us -uc --jobs-try="$(nproc)" >"$work/build.log" 2>&1; then
    tail -n 60 "$work/build.log"
    exit 1
fi
lintian -I --pedantic --fail-on error,warning "$work"/tervane_*.changes

deb=$(ls "$work"/tervane_*.deb)
ls "$work"/tervane-dbgsym_*.deb >/dev/null
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in usr/bin/tervane usr/bin/tervane-cli \
    usr/share/man/man1/tervane.1.gz usr/share/man/man1/tervane-cli.1.gz \
    usr/share/doc/tervane/copyright usr/share/doc/tervane/changelog.gz \
    usr/share/applications/net.morvak.Tervane.desktop \
    usr/share/bash-completion/completions/tervane-cli usr/share/zsh/vendor-completions/_tervane-cli \
    usr/share/fish/vendor_completions.d/tervane-cli.fish; do
    grep -qxF "./$file" <<<"$contents" || { echo "not in the package: $file" >&2; exit 1; }
done
dpkg-deb -x "$deb" "$work/root"
if grep -q '^MimeType=' "$work/root/usr/share/applications/net.morvak.Tervane.desktop"; then
    echo "the launcher entry claims file types" >&2
    exit 1
fi
[ "$("$work/root/usr/bin/tervane-cli" --version)" = 'tervane-cli 2.4.0' ]
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/root/usr/bin/tervane" --version)" = \
    'tervane 2.4.0' ]
echo "package $(basename "$deb") built and clean"
