# bash completion for morvane-batch                                    -*- shell-script -*-
# Each command's options, and the values of the options that take a choice. A test
# compares these with `morvane-batch <command> --help`, so a new option or command fails
# it until it is added here.

_morvane_batch_commands="rename ext case replace add convert map presets undo"
# The commands that take no paths.
_morvane_batch_pathless="presets undo"

_morvane_batch_options() {
  case $1 in
    rename) echo "--front --start --back --increment --order --descending --new-ext --subfolders --types --name-case --ext-case --on-conflict --preset --save-preset --yes --dry-run --plan --resolve-chains --log --in-place --output" ;;
    ext) echo "--new-ext --subfolders --types --name-case --ext-case --on-conflict --preset --save-preset --yes --dry-run --plan --resolve-chains --log --in-place --output" ;;
    case) echo "--subfolders --types --in-place --name-case --ext-case --on-conflict --preset --save-preset --yes --dry-run --plan --resolve-chains --log --output" ;;
    replace) echo "--find --replace-with --ignore-case --regex --new-ext --subfolders --types --name-case --ext-case --on-conflict --preset --save-preset --yes --dry-run --plan --resolve-chains --log --in-place --output" ;;
    add) echo "--prefix --suffix --new-ext --subfolders --types --name-case --ext-case --on-conflict --preset --save-preset --yes --dry-run --plan --resolve-chains --log --in-place --output" ;;
    convert) echo "--alnum --symbols --space --katakana --kana --normalize --letters --ext-too --subfolders --types --on-conflict --preset --save-preset --yes --dry-run --plan --resolve-chains --log --in-place --output" ;;
    map) echo "--null --name-case --ext-case --on-conflict --yes --dry-run --plan --resolve-chains --log --in-place --output" ;;
    presets) echo "" ;;
    undo) echo "--list --run --dry-run --yes --log" ;;
  esac
}

# The values of an option ($2) of a command ($1); "DIR" for a folder, "TEXT" for free text.
_morvane_batch_values() {
  case $2 in
    --order) echo "name ext size date user natural taken" ;;
    --name-case | --ext-case) echo "none upper lower" ;;
    --alnum | --symbols | --space | --katakana) echo "half full" ;;
    --kana) echo "katakana hiragana" ;;
    --normalize) echo "nfc nfd" ;;
    --letters) echo "lower upper" ;;
    --on-conflict)
      case $1 in
        rename) echo "ask overwrite auto skip abort" ;;
        *) echo "ask overwrite skip abort" ;;
      esac
      ;;
    --output) echo "DIR" ;;
    --front | --start | --back | --increment | --new-ext | --types | --find | --replace-with | --prefix | --suffix | --run | --preset | --save-preset) echo "TEXT" ;;
  esac
}

_morvane_batch() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]} command="" word i
  COMPREPLY=()
  for ((i = 1; i < COMP_CWORD; i++)); do
    word=${COMP_WORDS[i]}
    if [[ $word == -- ]]; then
      # Everything after -- is a path.
      [[ -n $command && " $_morvane_batch_pathless " != *" $command "* ]] && COMPREPLY=($(compgen -f -- "$cur"))
      return
    fi
    if [[ -z $command && $word != -* ]]; then
      command=$word
    fi
  done
  if [[ -z $command ]]; then
    COMPREPLY=($(compgen -W "$_morvane_batch_commands --help --version" -- "$cur"))
    return
  fi
  # The option whose value this word is; bash splits --option=value at the "=".
  local option=$prev values
  if [[ $cur == = ]]; then
    option=$prev
    cur=""
  elif [[ $prev == = ]]; then
    option=${COMP_WORDS[COMP_CWORD - 2]}
  fi
  values=$(_morvane_batch_values "$command" "$option")
  case $values in
    "") ;;
    DIR) COMPREPLY=($(compgen -d -- "$cur")); return ;;
    TEXT) return ;;
    *) COMPREPLY=($(compgen -W "$values" -- "$cur")); return ;;
  esac
  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "--help $(_morvane_batch_options "$command")" -- "$cur"))
  elif [[ " $_morvane_batch_pathless " != *" $command "* ]]; then
    COMPREPLY=($(compgen -f -- "$cur"))
  fi
}

complete -o filenames -F _morvane_batch morvane-batch
