# bash completion for quendaro-cli: subcommands, options and the texts of the
# windows' lists, quoted so that blanks and parentheses survive.

_quendaro_cli_races=(
  "Elfo alto" "Elfo grigio" "Elfo silvano" "Elfo oscuro(Drow)" "Elfo marino"
  "Elfo alato(Avariel)" "Umano" "Nano di collina" "Nano delle montagne"
  "Nano sotterraneo" "Nano grigio(Duergar)" "Nano di superficie"
  "Nano di fosso" "Gnomo degli abissi" "Gnomo delle foreste"
  "Gnomo delle rocce" "Gnomo pensatore(Dragonlance)" "Halfling stout"
  "Halfling tallfellow" "Kender(Dragonlance)" "Halfling atasiano(Dark Sun)"
  "Halfling polare(Furchin)(Spelljammer)" "Halfling piedipelosi" "Mezzelfo"
  "Minotauro(Dragonlance)"
)
_quendaro_cli_classes=(
  "Guerriero(puro)" "Barbaro" "Berserker" "Cavaliere selvaggio" "Cavaliere"
  "Eroe popolare" "Gladiatore" "Guerriero errante" "Mirmidone"
  "Nobile guerriero" "Pirata/fuorilegge" "Samurai" "Selvaggio" "Spadaccino"
  "Vendicatore(Ravenloft)" "Paladino" "Mago generico" "Alteratore"
  "Convocatore" "Divinatore" "Illusionista" "Incantatore"
  "Invocatore/evocatore" "Negromante" "Scongiuratore" "Arcanista(Ravenloft)"
  "Wild mage(Forgotten realms)" "Chierico" "Ancorita(Ravenloft)" "Druido"
  "Ranger" "Ladro" "Bardo" "Zingaro(Ravenloft)" "Mago/ladro"
  "Guerriero/chierico" "Illusionista/ladro" "Chierico/ranger" "Chierico/mago"
  "Guerriero/mago/chierico" "Guerriero/mago/ladro"
)
_quendaro_cli_alignments=(
  "Legale/buono" "Legale/malvagio" "Legale/neutrale" "Caotico/buono"
  "Caotico/malvagio" "Neutrale/buono" "Neutrale/malvagio" "Caotico/neutrale"
  "Neutrale(puro)"
)
_quendaro_cli_sexes=("Maschio" "Femmina")
_quendaro_cli_groups=("Militare" "Vagabondo" "Sacerdote" "Esperto di magia")

_quendaro_cli_subcommands=(character treasure weapon hitpoints name npc help)
_quendaro_cli_common=(--count --seed --format --json --stats --explain --as-typed --help)

# Adds to COMPREPLY, quoted, the words that start with $1 (case aside, as the
# tool reads them); the rest of the arguments are the words.
_quendaro_cli_offer() {
  local prefix=${1,,} word
  shift
  for word in "$@"; do
    if [[ ${word,,} == "$prefix"* ]]; then
      COMPREPLY+=("$(printf '%q' "$word")")
    fi
  done
}

_quendaro_cli() {
  COMPREPLY=()
  local cword=$COMP_CWORD
  local cur=${COMP_WORDS[cword]}
  local prev=""
  ((cword > 0)) && prev=${COMP_WORDS[cword - 1]}
  # "--race=El" reaches us as "--race" "=" "El".
  if [[ $cur == "=" ]]; then
    prev=${COMP_WORDS[cword - 1]}
    cur=""
  elif [[ $prev == "=" ]] && ((cword > 1)); then
    prev=${COMP_WORDS[cword - 2]}
  fi
  # A text begun with a quote is matched without it.
  cur=${cur#[\"\']}
  cur=${cur//\\/}

  local subcommand="" i
  for ((i = 1; i < COMP_CWORD; i++)); do
    case ${COMP_WORDS[i]} in
      character | treasure | weapon | hitpoints | name | help)
        subcommand=${COMP_WORDS[i]}
        break
        ;;
    esac
  done

  if [[ -z $subcommand ]]; then
    if [[ $cur == -* ]]; then
      _quendaro_cli_offer "$cur" -h --help --version
    else
      _quendaro_cli_offer "$cur" "${_quendaro_cli_subcommands[@]}"
    fi
    return 0
  fi

  case $subcommand:$prev in
    character:--race | npc:--race | name:--race) _quendaro_cli_offer "$cur" "${_quendaro_cli_races[@]}"; return 0 ;;
    character:--class | npc:--class) _quendaro_cli_offer "$cur" "${_quendaro_cli_classes[@]}"; return 0 ;;
    character:--alignment | npc:--alignment) _quendaro_cli_offer "$cur" "${_quendaro_cli_alignments[@]}"; return 0 ;;
    character:--sex | npc:--sex) _quendaro_cli_offer "$cur" "${_quendaro_cli_sexes[@]}"; return 0 ;;
    hitpoints:--group) _quendaro_cli_offer "$cur" "${_quendaro_cli_groups[@]}"; return 0 ;;
    hitpoints:--level | npc:--level) _quendaro_cli_offer "$cur" {1..20}; return 0 ;;
    name:--sex) _quendaro_cli_offer "$cur" m f; return 0 ;;
    *:--format) _quendaro_cli_offer "$cur" text markdown json; return 0 ;;
    treasure:--[A-I]) _quendaro_cli_offer "$cur" 0 1 2 3 4 5; return 0 ;;
    *:--name | *:--age | *:--height | *:--weight | *:--count | *:--seed) return 0 ;;
  esac

  local options=()
  case $subcommand in
    character) options=(--race --class --alignment --sex --name --age --height --weight) ;;
    treasure) options=(--A --B --C --D --E --F --G --H --I --contents) ;;
    hitpoints) options=(--group --level --reroll) ;;
    name) options=(--sex --race) ;;
    npc) options=(--level --race --class --alignment --sex) ;;
    help)
      ((COMP_CWORD == i + 1)) &&
        _quendaro_cli_offer "$cur" character treasure weapon hitpoints name npc
      return 0
      ;;
  esac
  _quendaro_cli_offer "$cur" "${options[@]}" "${_quendaro_cli_common[@]}"
  return 0
}

complete -F _quendaro_cli quendaro-cli
