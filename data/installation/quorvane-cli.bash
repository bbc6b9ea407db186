# Complétion de quorvane-cli pour bash : commandes, options et leurs valeurs.
_quorvane_cli()
{
    local cur prev
    cur="${COMP_WORDS[COMP_CWORD]}"
    prev="${COMP_WORDS[COMP_CWORD-1]}"
    case "$prev" in
        --programme)
            COMPREPLY=($(compgen -d -- "$cur"))
            return ;;
        --base|--sortie|mise-a-jour|creer-base|importe)
            COMPREPLY=($(compgen -f -- "$cur"))
            return ;;
        --format)
            COMPREPLY=($(compgen -W "json txt html html-complet pdf odt" -- "$cur"))
            return ;;
        --fois|--graine|--nom|des)
            return ;;
    esac
    local commandes="liste mise-a-jour creer-base importe fiche des"
    local i commande=""
    for ((i = 1; i < COMP_CWORD; i++)); do
        case " $commandes " in *" ${COMP_WORDS[i]} "*) commande="${COMP_WORDS[i]}"; break ;; esac
    done
    if [[ "$cur" == -* ]]; then
        local options="--programme --base --aide --help --version"
        case "$commande" in
            fiche) options+=" --format --sortie" ;;
            des) options+=" --fois --graine" ;;
            importe) options+=" --sans-objets --nom" ;;
        esac
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
    elif [[ -z "$commande" ]]; then
        COMPREPLY=($(compgen -W "$commandes" -- "$cur"))
    elif [[ "$commande" == importe ]]; then
        COMPREPLY=($(compgen -f -- "$cur"))
    fi
}
complete -F _quorvane_cli quorvane-cli
