#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A plain renaming of numbered files ("trackN.mp3" to "songN.mp3") and back,
# process start included, by tervane-cli, perl rename, mmv (when installed)
# and a bare renameat2 loop, on ext4 (the build's disk) and on tmpfs. Each
# round runs every tool once, in turn, on a fresh folder; the figures are the
# medians of the rounds, forward and back added.
# Usage: bench/cli_rename.sh BUILD_DIR [FILES] [ROUNDS]
set -euo pipefail
build=$(cd "$1" && pwd)
files=${2:-10000}
rounds=${3:-7}
disk=$(mktemp -d)
memory=$(mktemp -d -p /dev/shm)
trap 'rm -rf "$disk" "$memory"' EXIT

seq 1 "$files" | sed 's/^/song/' >"$disk/forward.txt"
seq 1 "$files" | sed 's/^/track/' >"$disk/back.txt"
printf '[Config]\nNumérotation=0\n' >"$disk/settings.ini"

tervane() { # FOLDER NAMES
    XDG_STATE_HOME="$(dirname "$1")/state" "$build/src/tervane-cli" rename "$1" --names "$2" \
        --numeric --settings "$disk/settings.ini" >/dev/null
}
forward_tervane() { tervane "$1" "$disk/forward.txt"; }
back_tervane() { tervane "$1" "$disk/back.txt"; }
forward_perl() { (cd "$1" && file-rename 's/^track/song/' track*.mp3); }
back_perl() { (cd "$1" && file-rename 's/^song/track/' song*.mp3); }
forward_mmv() { (cd "$1" && mmv 'track*.mp3' 'song#1.mp3'); }
back_mmv() { (cd "$1" && mmv 'song*.mp3' 'track#1.mp3'); }
forward_bare() { "$build/bench/bare_rename" "$1" "$files" track song; }
back_bare() { "$build/bench/bare_rename" "$1" "$files" song track; }

tools=(tervane perl bare)
command -v mmv >/dev/null && tools+=(mmv)

now() { date +%s.%N; }
# Seconds for one tool to rename a fresh folder forward and back.
timed() { # TOOL ROOT
    local folder=$2/music
    rm -rf "$folder" "$2/state" && mkdir "$folder"
    (cd "$folder" && seq 1 "$files" | sed 's/.*/track&.mp3/' | xargs touch)
    sync
    local start middle end
    start=$(now)
    "forward_$1" "$folder"
    middle=$(now)
    [ "$(ls "$folder" | grep -c '^song')" -eq "$files" ] || { echo "$1 failed forward" >&2; exit 1; }
    "back_$1" "$folder"
    end=$(now)
    [ "$(ls "$folder" | grep -c '^track')" -eq "$files" ] || { echo "$1 failed back" >&2; exit 1; }
    echo "$middle - $start + $end - $middle" | bc
}

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

for place in disk memory; do
    root=${!place}
    declare -A times=()
    for _ in $(seq "$rounds"); do
        for tool in "${tools[@]}"; do
            times[$tool]+="$(timed "$tool" "$root") "
        done
    done
    fs=$(stat -f -c %T "$root")
    printf '%s (%s): %d files forward and back, median of %d rounds (seconds)\n' \
        "$place" "$fs" "$files" "$rounds"
    bare=$(echo "${times[bare]}" | tr ' ' '\n' | grep . | median)
    for tool in "${tools[@]}"; do
        t=$(echo "${times[$tool]}" | tr ' ' '\n' | grep . | median)
        printf '  %-8s %.4f  %.2f x bare\n' "$tool" "$t" "$(echo "$t / $bare" | bc -l)"
    done
    unset times
done
