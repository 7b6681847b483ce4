#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a temporary prefix and checks the tree a desktop
# expects: programs, launcher entry, catalogue entry, icons, manual and
# languages, valid where the validators are at hand; then runs the installed
# command line, which must find its language files.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

# zsh looks in site-functions under any prefix but /usr, where Debian's looks
# in vendor-completions only: installed under /usr (below a DESTDIR here), the
# completion goes there and nowhere else.
[ ! -e "$prefix/share/zsh/vendor-completions" ] ||
    { echo "zsh completion in vendor-completions under $prefix" >&2; exit 1; }
DESTDIR="$prefix/root" cmake --install "$build" --prefix /usr >/dev/null
[ -f "$prefix/root/usr/share/zsh/vendor-completions/_tervane-cli" ] &&
    [ ! -e "$prefix/root/usr/share/zsh/site-functions" ] ||
    { echo "zsh completion not in vendor-completions alone under /usr" >&2; exit 1; }

for file in bin/tervane bin/tervane-cli \
    share/applications/net.morvak.Tervane.desktop \
    share/metainfo/net.morvak.Tervane.metainfo.xml \
    share/icons/hicolor/scalable/apps/net.morvak.Tervane.svg \
    share/icons/hicolor/48x48/apps/net.morvak.Tervane.png \
    share/icons/hicolor/256x256/apps/net.morvak.Tervane.png \
    share/man/man1/tervane.1 share/man/man1/tervane-cli.1 \
    share/bash-completion/completions/tervane-cli share/zsh/site-functions/_tervane-cli \
    share/fish/vendor_completions.d/tervane-cli.fish \
    share/tervane/languages/English.lng share/tervane/languages/Deutsch.lng; do
    [ -f "$prefix/$file" ] || { echo "not installed: $file" >&2; exit 1; }
done

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/net.morvak.Tervane.desktop"
fi
if command -v appstreamcli >/dev/null; then
    # Clean to the pedantic level, but for the capitals of the reverse-DNS id.
    remarks=$(appstreamcli validate --pedantic --no-net \
        "$prefix/share/metainfo/net.morvak.Tervane.metainfo.xml") || { echo "$remarks" >&2; exit 1; }
    if grep -E '^[EWIP]: ' <<<"$remarks" | grep -v ' cid-contains-uppercase-letter ' >&2; then
        exit 1
    fi
fi

# (Outputs are read whole: grep -q leaving early would break the pipe.)
[ "$("$prefix/bin/tervane-cli" --version)" = 'tervane-cli 2.4.0' ]
# The window's program answers --version and --help without a display.
headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
[ "$(headless "$prefix/bin/tervane" --version)" = 'tervane 2.4.0' ]
[ "$(headless "$prefix/bin/tervane" -V)" = 'tervane 2.4.0' ]
LC_ALL=C.UTF-8 headless "$prefix/bin/tervane" --help | grep FOLDER >/dev/null
if command -v man >/dev/null; then
    for page in tervane tervane-cli; do
        MANPATH="$prefix/share/man" man -w "$page" >/dev/null
    done
fi
LC_ALL=de_DE.UTF-8 "$prefix/bin/tervane-cli" --help --settings "$prefix/none.ini" | grep "^Aufruf:" >/dev/null
echo "install tree complete"
