# bash completion for tervane-cli                            -*- shell-script -*-

_tervane_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local IFS=$'\n'
    case $prev in
    --names | --settings)
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -f -- "$cur"))
        return
        ;;
    --episode)
        COMPREPLY=($(compgen -W $'x\nse' -- "$cur"))
        return
        ;;
    --sort)
        COMPREPLY=($(compgen -W $'name\nnumeric\ntaken' -- "$cur"))
        return
        ;;
    --date-fallback)
        COMPREPLY=($(compgen -W $'none\nmtime' -- "$cur"))
        return
        ;;
    --width)
        COMPREPLY=($(compgen -W $'0\n2\n3\n4\n5\n6\n7\n8\n9' -- "$cur"))
        return
        ;;
    --template | --pattern | --replace | --to)
        return
        ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(printf '%s\n' --names --file-names --template --tags \
            --width --episode --settings --pattern --numeric --sort --date-fallback \
            --replace --regex --yes \
            --forget-interrupted --in-order -z -0 --null \
            -n --dry-run -v --verbose -q --quiet -h --help -V --version --to)" -- "$cur"))
        return
    fi
    # The command comes first, then the folder.
    local i words=0
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
        --names | --settings | --episode | --width | --template | --pattern | --sort | \
            --date-fallback | --to) ((i++)) ;;
        --replace) ((i += 2)) ;;
        -*) ;;
        *) ((words++)) ;;
        esac
    done
    if ((words == 0)); then
        COMPREPLY=($(compgen -W $'preview\nrename\nundo\nhistory\nredo' -- "$cur"))
    elif ((words == 1)); then
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -d -- "$cur"))
    fi
}
complete -F _tervane_cli tervane-cli
