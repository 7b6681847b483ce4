#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The README's command-line examples, run as they stand in a home of their
# own: an album, its track list, a clipboard holding the list and a folder of
# other names. Each must succeed, and the last undo must leave the album with
# the names of the track list.
set -euo pipefail
cli=$1
readme=$(cd "$(dirname "$0")/../.." && pwd)/README.md
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

# The first indented block after the "## Command line" heading.
examples=$(awk '/^## Command line/ { section = 1; next }
                /^## / { section = 0 }
                section && /^    / { block = 1; print substr($0, 5); next }
                section && block && !/^ *$/ { exit }' "$readme")
[ -n "$examples" ] || { echo "no examples found in the README" >&2; exit 1; }

mkdir -p "$home/Music/Album" "$home/Names" "$home/bin"
for file in 1.mp3 2.mp3 3.mp3; do : >"$home/Music/Album/$file"; done
for file in "Z one" "Z two" "Z three"; do : >"$home/Names/$file"; done
printf 'Overture\nThe Road\nFinale\n' >"$home/tracks.txt"
printf '[Config]\nNumérotation=0\n' >"$home/settings.ini"
# The clipboard holds the list, as xclip reads it (the primary selection,
# read without -selection clipboard, holds nothing); the program runs with
# the test's settings.
printf '#!/bin/sh\ncase "$*" in *"-selection clipboard"*) cat "%s/tracks.txt" ;; esac\n' \
    "$home" >"$home/bin/xclip"
printf '#!/bin/sh\nexec "%s" "$@" --settings "%s/settings.ini"\n' "$cli" "$home" \
    >"$home/bin/tervane-cli"
chmod +x "$home/bin/xclip" "$home/bin/tervane-cli"

(cd "$home" && HOME="$home" PATH="$home/bin:$PATH" XDG_STATE_HOME="$home/state" \
    bash -euo pipefail -c "$examples") >"$home/out" 2>&1 ||
    { cat "$home/out" >&2; echo "a README example failed" >&2; exit 1; }
names=$(cd "$home/Music/Album" && ls | tr '\n' '|')
[ "$names" = "Finale.mp3|Overture.mp3|The Road.mp3|" ] ||
    { cat "$home/out" >&2; echo "the album ends as $names" >&2; exit 1; }
echo "the README's examples run"
