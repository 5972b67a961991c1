# bash completion for orvane-cli. The commands, subcommands and options come
# from orvane-cli's own --help, so the completion says what the installed
# program takes.

_orvane_cli_commands() {
  orvane-cli --help 2>/dev/null |
    awk '/^Commands:/ {on = 1; next} on && /^  [a-z]/ {print $1} on && /^$/ {on = 0}'
}

# The subcommands of a command: the words after "orvane-cli COMMAND" in its
# usage lines.
_orvane_cli_subcommands() {
  orvane-cli "$1" --help 2>/dev/null |
    awk -v cmd="$1" '{for (i = 1; i < NF; i++) if ($i == "orvane-cli" && $(i + 1) == cmd && $(i + 2) ~ /^[a-z]/) print $(i + 2)}' |
    sort -u
}

_orvane_cli_options() {
  orvane-cli "$@" --help 2>/dev/null | grep -oE '(^|[ ,\[])--[a-z][a-z0-9-]*' | sed 's/^[ ,\[]*//' | sort -u
}

_orvane_cli() {
  local cur prev
  cur="${COMP_WORDS[COMP_CWORD]}"
  prev="${COMP_WORDS[COMP_CWORD - 1]}"

  case "$prev" in
    -o | --output | --from | --trace-dir | --state)
      COMPREPLY=($(compgen -f -- "$cur"))
      return
      ;;
    --port)
      COMPREPLY=($(compgen -W "COM1 COM2 COM3 COM4" -- "$cur") $(compgen -f -- "$cur"))
      return
      ;;
  esac

  if [ "$COMP_CWORD" -eq 1 ]; then
    COMPREPLY=($(compgen -W "$(_orvane_cli_commands) --help" -- "$cur"))
    return
  fi

  local command="${COMP_WORDS[1]}"
  if [ "$COMP_CWORD" -eq 2 ]; then
    local subcommands
    subcommands="$(_orvane_cli_subcommands "$command")"
    if [ -n "$subcommands" ]; then
      COMPREPLY=($(compgen -W "$subcommands --help" -- "$cur"))
      return
    fi
  fi

  if [[ "$cur" == -* ]]; then
    COMPREPLY=($(compgen -W "$(_orvane_cli_options "$command")" -- "$cur"))
    return
  fi
  COMPREPLY=($(compgen -f -- "$cur"))
}

complete -o filenames -F _orvane_cli orvane-cli
