#!/usr/bin/env bash
# tervane-cli renaming 10,000 numbered tracks, against perl rename doing the
# same numbering and against a bare renameat2 loop, process start included.
# Usage: bench/cli_rename.sh BUILD_DIR [FILES] [RUNS]
set -euo pipefail
build=$(cd "$1" && pwd)
files=${2:-10000}
runs=${3:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf '[Config]\nNumérotationRemplissage=5\n' >"$work/settings.ini"

# Seconds taken by a command run in a fresh folder of numbered tracks.
timed() {
    local folder=$work/music
    rm -rf "$folder" && mkdir "$folder"
    (cd "$folder" && seq 1 "$files" | sed 's/.*/track&.mp3/' | xargs touch)
    local start end
    start=$(date +%s.%N)
    (cd "$folder" && "$@" >/dev/null)
    end=$(date +%s.%N)
    [ "$(ls "$folder" | grep -c ' - track.mp3$')" -eq "$files" ] || { echo "renaming failed: $*" >&2; exit 1; }
    echo "$end - $start" | bc
}

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

measure() {
    for _ in $(seq "$runs"); do timed "$@"; done | median
}

cli=$(measure "$build/src/tervane-cli" rename . --template track --numeric --settings "$work/settings.ini")
perl=$(measure file-rename 's/^track(\d+)\.mp3$/sprintf("%05d - track.mp3",$1)/e' $(seq 1 "$files" | sed 's/.*/track&.mp3/'))
bare=$(measure "$build/bench/bare_rename" . "$files")

printf 'files %d, median of %d runs (seconds)\n' "$files" "$runs"
printf '  tervane-cli rename  %s\n  perl rename         %s\n  bare renameat2 loop %s\n' "$cli" "$perl" "$bare"
printf '  tervane-cli / perl  %.2f\n  tervane-cli / bare  %.2f\n' "$(echo "$cli / $perl" | bc -l)" "$(echo "$cli / $bare" | bc -l)"
