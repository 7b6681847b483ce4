#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The date taken of 10,000 small JPEGs, read by Tervane (bench_tags'
# BM_PhotoDates, cold and warm), by one exiftool -DateTimeOriginal run and by
# a loop of exiv2 -g Exif.Photo.DateTimeOriginal, on the same files. Tools
# that are not installed are skipped. Cold runs drop the files from the page
# cache first, which needs root.
# Usage: bench/photo_dates.sh BUILD_DIR [FILES]
set -euo pipefail
build=$(cd "$1" && pwd)
files=${2:-10000}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT

# A 1-pixel JPEG whose Exif says it was taken on 2026-12-07 at 14:33:12.
echo '/9j/4QBwRXhpZgAASUkqAAgAAAADAA8BAgAHAAAAMgAAABABAgAIAAAAOgAAAGmHBAABAAAAQgAAAAAAAABHb29nbGUAAFBpeGVsIDgAAQADkAIAFAAAAFQAAAAAAAAAMjAyNjoxMjowNyAxNDozMzoxMgD/2wCEABALCwsMCxAMDBAXDw0PFxsUEBAUGx8XFxcXFx8eFxoaGhoXHh4jJSclIx4vLzMzLy9AQEBAQEBAQEBAQEBAQEABEQ8PERMRFRISFRQRFBEUGhQWFhQaJhoaHBoaJjAjHh4eHiMwKy4nJycuKzU1MDA1NUBAP0BAQEBAQEBAQEBAQP/AABEIAAEAAQMBIgACEQEDEQH/xABLAAEBAAAAAAAAAAAAAAAAAAAABwEBAAAAAAAAAAAAAAAAAAAAABABAAAAAAAAAAAAAAAAAAAAABEBAAAAAAAAAAAAAAAAAAAAAP/aAAwDAQACEQMRAD8AoAAP/9k=' | base64 -d >"$folder/model.jpg"
for ((i = 0; i < files; i++)); do printf -v name 'IMG_%05d.jpg' "$i"; cp "$folder/model.jpg" "$folder/$name"; done
rm "$folder/model.jpg"

cold() { sync && echo 1 >/proc/sys/vm/drop_caches 2>/dev/null; }
seconds() { # COMMAND...: the wall time, in seconds
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s.%N)
    echo "$end - $start" | bc
}

echo "$files small JPEGs, date taken (seconds)"
TERVANE_PHOTOS="$folder" "$build/bench/bench_tags" --benchmark_filter=BM_PhotoDates \
    --benchmark_repetitions=3 --benchmark_report_aggregates_only=true |
    awk '/_median/ { printf "  tervane %-6s %.3f\n", ($1 ~ /Cold/ ? "cold" : "warm"), $2 / 1000 }'
if command -v exiftool >/dev/null; then
    cold && echo "  exiftool cold $(seconds exiftool -DateTimeOriginal "$folder")"
    echo "  exiftool warm $(seconds exiftool -DateTimeOriginal "$folder")"
else
    echo "  exiftool: not installed, skipped"
fi
if command -v exiv2 >/dev/null; then
    each() { for f in "$folder"/*.jpg; do exiv2 -g Exif.Photo.DateTimeOriginal "$f"; done; }
    cold && echo "  exiv2    cold $(seconds each)"
    echo "  exiv2    warm $(seconds each)"
else
    echo "  exiv2: not installed, skipped"
fi
