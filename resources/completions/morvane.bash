# bash completion for morvane, the window program                      -*- shell-script -*-

_morvane() {
  local cur=${COMP_WORDS[COMP_CWORD]} i
  for ((i = 1; i < COMP_CWORD; i++)); do
    if [[ ${COMP_WORDS[i]} == -- ]]; then
      COMPREPLY=($(compgen -f -- "$cur"))
      return
    fi
  done
  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "--help --version --" -- "$cur"))
  else
    COMPREPLY=($(compgen -f -- "$cur"))
  fi
}

complete -o filenames -F _morvane morvane
