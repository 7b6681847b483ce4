#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The shell completions of tervane-cli offer every option its help names, and
# bash completes a command and an option as a user would type them.
set -euo pipefail
cli=$1
completions=$(cd "$(dirname "$0")/../../data/completions" && pwd)
files=("$completions/tervane-cli.bash" "$completions/_tervane-cli" "$completions/tervane-cli.fish")

# The options the help lists, one row each: "  -z, --null      text".
options=$(LC_ALL=C "$cli" --help --settings /nonexistent.ini | grep -E '^ {2,}-' |
    sed -E 's/^ +//; s/  .*//' | tr ',' '\n' | awk '{ print $1 }' | sort -u)
[ -n "$options" ] || { echo "no option found in the help" >&2; exit 1; }
for option in $options; do
    name=${option#--}
    name=${name#-}
    for file in "${files[@]}"; do
        case $file in
        *.fish) pattern="-[ls] $name( |$)" ;;
        *) pattern="(^|[^a-z-])$option([^a-z-]|$)" ;;
        esac
        grep -qE -- "$pattern" "$file" || { echo "$option missing from $file" >&2; exit 1; }
    done
done

# What bash offers for the words typed, the last one being completed.
offered() {
    bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
             _tervane_cli; printf "%s\n" "${COMPREPLY[@]}"' _ "${files[0]}" "$@"
}
bash -c "source '${files[0]}'; complete -p tervane-cli" | grep _tervane_cli >/dev/null
[ "$(offered tervane-cli ren)" = rename ]
[ "$(offered tervane-cli re | tr '\n' ' ')" = "rename redo " ]
[ "$(offered tervane-cli hi)" = history ]
[ "$(offered tervane-cli rename /tmp --dry)" = --dry-run ]
[ "$(offered tervane-cli preview /tmp --episode s)" = se ]

if command -v zsh >/dev/null; then zsh -n "${files[1]}"; fi
if command -v fish >/dev/null; then fish --no-execute "${files[2]}"; fi
echo "completions offer every option"
