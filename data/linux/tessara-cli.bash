# bash completion for tessara-cli: commands, options, and the instrument and scale names the
# program itself lists.

_tessara_cli_nomes() {
  # Names hold blanks and brackets: compare with the word as typed, offer them quoted.
  local nome digitado
  digitado=${cur//\\/}
  digitado=${digitado#[\"\']}
  COMPREPLY=()
  while IFS= read -r nome; do
    [[ $nome == "$digitado"* ]] && COMPREPLY+=("$(printf '%q' "$nome")")
  done < <("$@" 2>/dev/null)
}

_tessara_cli() {
  local cur prev words cword
  _init_completion || return

  local comandos="languages parse transpose chords instruments devices play chord name scales scale print fretboard listen tune"
  local cli=${words[0]}

  case $prev in
    --lang) COMPREPLY=($(compgen -W "pt en" -- "$cur")); return ;;
    --instrument)
      _tessara_cli_nomes sh -c "\"$cli\" instruments | cut -f2"
      return ;;
    --format) COMPREPLY=($(compgen -W "text tsv json" -- "$cur")); return ;;
    --voicing) COMPREPLY=($(compgen -W "root inversions rootless drop2 drop3 shell" -- "$cur")); return ;;
    --capo) COMPREPLY=($(compgen -W "0 1 2 3 4 5 6 7 8 9 10 11 12" -- "$cur")); return ;;
    --labels) COMPREPLY=($(compgen -W "fingers notes intervals" -- "$cur")); return ;;
    --content) COMPREPLY=($(compgen -W "text+diagrams diagrams text" -- "$cur")); return ;;
    --zoom) COMPREPLY=($(compgen -W "100 200 300" -- "$cur")); return ;;
    --orientation) COMPREPLY=($(compgen -W "0 1 2 3" -- "$cur")); return ;;
    --scale) _tessara_cli_nomes "$cli" scales; return ;;
    --pdf | --svg | --wav | --text) _filedir; return ;;
    --png)
      # print writes pages into a folder, fretboard one picture.
      _filedir; return ;;
    --device | --root | --limit | --display | --reference) return ;;
  esac

  # The command is the first word that is neither an option nor an option's value.
  local i comando=""
  for ((i = 1; i < cword; i++)); do
    case ${words[i]} in
      --lang | --instrument | --capo) ((i++)) ;;
      -*) ;;
      *) comando=${words[i]}; break ;;
    esac
  done

  if [[ -z $comando ]]; then
    if [[ $cur == -* ]]; then
      COMPREPLY=($(compgen -W "--lang --instrument --capo --version --help" -- "$cur"))
    else
      COMPREPLY=($(compgen -W "$comandos" -- "$cur"))
    fi
    return
  fi

  local opcoes=""
  case $comando in
    play) opcoes="--wav --device" ;;
    chord) opcoes="--all --format --voicing" ;;
    name) opcoes="--root --readings" ;;
    scale)
      opcoes="--limit --format"
      if [[ $cur != -* && $((cword - i)) -eq 1 ]]; then
        _tessara_cli_nomes "$cli" scales
        return
      fi ;;
    print) opcoes="--pdf --svg --png --zoom --labels --content --text" ;;
    fretboard) opcoes="--scale --display --whole-neck --orientation --labels --png --svg" ;;
    listen) opcoes="--format"; [[ $cur != -* ]] && _filedir wav ;;
    tune) opcoes="--reference"; [[ $cur != -* ]] && _filedir wav ;;
  esac
  # The global options are taken after the command too.
  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "$opcoes --lang --instrument --capo --help" -- "$cur"))
  fi
} &&
  complete -F _tessara_cli tessara-cli
