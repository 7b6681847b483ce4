#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The catalogue entry's description and the Debian package's long description
# are one text: the same paragraphs, word for word (line breaks aside).
set -euo pipefail
source_dir=$1

# One paragraph a line, spaces squeezed.
squeeze() { sed -E 's/[[:space:]]+/ /g; s/^ //; s/ $//' | grep -v '^$'; }

catalogue=$(sed -n '/<description>/,/<\/description>/p' \
    "$source_dir/data/net.morvak.Tervane.metainfo.xml" | tr '\n' ' ' |
    sed -E 's#</p>#\n#g; s#<[^>]*>##g' |
    sed -E "s/&apos;/'/g; s/&quot;/\"/g; s/&lt;/</g; s/&gt;/>/g; s/&amp;/\\&/g" | squeeze)
# The binary package's Description: its continuation lines, " ." between
# paragraphs.
package=$(awk '/^Package: tervane$/ { in_package = 1 }
    in_package && /^Description:/ { in_description = 1; next }
    in_description && /^ / { print; next }
    in_description { exit }' "$source_dir/debian/control" |
    sed -E 's/^ \.$/\x1e/' | tr '\n' ' ' | tr '\036' '\n' | squeeze)

[ -n "$package" ] || { echo "no long description in debian/control" >&2; exit 1; }
if [ "$catalogue" != "$package" ]; then
    echo "the descriptions in the metainfo file and in debian/control differ:" >&2
    diff <(echo "$catalogue") <(echo "$package") >&2 || true
    exit 1
fi
echo "one description, $(wc -l <<<"$package") paragraphs"
