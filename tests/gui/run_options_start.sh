#!/usr/bin/env bash
# The real program's start: a default run writes nothing under $HOME, and a
# bad remembered file never stops it from starting.
#
#   run_options_start.sh TUMBLEROAD
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
conf=$XDG_CONFIG_HOME/tumbleroad/tumbleroad.conf
failures=0

# The file to start with (none, a corrupt one, a value out of range), and the
# warning lines the start gives.
while IFS='|' read -r text warnings; do
  [ -n "$text" ] && mkdir -p "$(dirname "$conf")" && printf "$text" >"$conf"
  QT_QPA_PLATFORM=offscreen "$1" --seed=1 2>"$work/err" &
  sleep 2
  kill $! 2>/dev/null || { echo "FAILED: with '$text' the game did not start"; failures=$((failures + 1)); }
  wait $! 2>/dev/null
  if [ "$(grep -c 'tumbleroad:' "$work/err")" != "$warnings" ] ||
    { [ -z "$text" ] && [ -n "$(find "$HOME" "$XDG_CONFIG_HOME" -mindepth 1)" ]; }; then
    echo "FAILED: with '$text': $(cat "$work/err"; find "$HOME" "$XDG_CONFIG_HOME" -mindepth 1)"
    failures=$((failures + 1))
  fi
done <<'FILES'
|0
garbage\0\377|1
[Options]\ncolumns=7\n|1
FILES
echo "== $failures failed"
[ "$failures" -eq 0 ]
