# Bash completion for tavelin-cli: the commands, each command's options, and
# file names where a file is expected (bitmaps first where a carrier is).
_tavelin_cli() {
  local cur prev comando i
  COMPREPLY=()
  cur=${COMP_WORDS[COMP_CWORD]}
  prev=${COMP_WORDS[COMP_CWORD-1]}
  comando=
  for ((i = 1; i < COMP_CWORD; i++)); do
    case ${COMP_WORDS[i]} in
      -*) ;;
      *) comando=${COMP_WORDS[i]}; break ;;
    esac
  done

  case $prev in
    -b|--bits) COMPREPLY=($(compgen -W "1 2 4 8" -- "$cur")); return ;;
    -k|--key) return ;;  # typed by the user
    -t|--text) [ "$comando" = reveal ] || return ;;  # a reveal's -t takes no value
    -f|--file|--key-file|--passphrase-file|-o|--output)
      compopt -o filenames 2>/dev/null
      COMPREPLY=($(compgen -f -- "$cur")); return ;;
  esac

  if [ -z "$comando" ]; then
    COMPREPLY=($(compgen -W "info analyze hide reveal prepare scan decrypt -h --help -V --version" -- "$cur"))
    return
  fi
  local opzioni
  case $comando in
    info) opzioni="-b --bits -h --help" ;;
    analyze) opzioni="-h --help" ;;
    hide) opzioni="-t --text -f --file -k --key --key-file -b --bits -o --output --encrypt --stealth --rate --passphrase-file -h --help" ;;
    reveal) opzioni="-t --text -o --output -k --key --key-file -b --bits --encrypt --stealth --passphrase-file -h --help" ;;
    prepare) opzioni="-o --output -h --help" ;;
    scan) opzioni="--reveal -o --output -h --help" ;;
    decrypt) opzioni="-o --output --passphrase-file -h --help" ;;
  esac
  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "$opzioni" -- "$cur"))
    return
  fi
  # The carrier or the input file: bitmaps first, any file after them.
  compopt -o filenames 2>/dev/null
  if [ "$comando" = prepare ] || [ "$comando" = decrypt ]; then
    COMPREPLY=($(compgen -f -- "$cur"))
  else
    COMPREPLY=($(compgen -f -X '!*.[bB][mM][pP]' -- "$cur") $(compgen -d -- "$cur"))
    [ ${#COMPREPLY[@]} -eq 0 ] && COMPREPLY=($(compgen -f -- "$cur"))
  fi
}
complete -F _tavelin_cli tavelin-cli
