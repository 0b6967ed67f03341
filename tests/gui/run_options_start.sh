#!/usr/bin/env bash
# The real program's start with the options: a default run writes nothing
# under $HOME, a bad option ends it with status 2 and one message before any
# window, and remembered options, good or bad, never stop it from starting.
#
#   run_options_start.sh TUMBLEROAD
set -u
program=$1
work=$(mktemp -d)
game=""
trap '[ -n "$game" ] && kill "$game" 2>/dev/null; rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
conf=$XDG_CONFIG_HOME/tumbleroad/tumbleroad.conf

# Runs the game on the offscreen platform for two seconds; fails if it ended
# by itself. Its standard error is left in $work/err.
run_a_while() {
  QT_QPA_PLATFORM=offscreen "$program" --seed=1 "$@" 2>"$work/err" &
  game=$!
  sleep 2
  kill -0 "$game" 2>/dev/null || fail "tumbleroad $* ended by itself: $(cat "$work/err")"
  kill "$game" 2>/dev/null
  wait "$game" 2>/dev/null
  game=""
}

run_a_while
[ -z "$(find "$HOME" "$XDG_CONFIG_HOME" -mindepth 1)" ] ||
  fail "a default run wrote $(find "$HOME" "$XDG_CONFIG_HOME" -mindepth 1)"
run_a_while --computer=1 --speed=fast --players=3
[ -z "$(find "$XDG_CONFIG_HOME" -mindepth 1)" ] || fail "options on the command line were stored"

# Refused without a display: the option in the message, exit status 2.
while IFS="|" read -r option named; do
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" $option 2>"$work/err"
  status=$?
  [ $status -eq 2 ] || fail "tumbleroad $option: status $status, not 2"
  grep -q -- "$named" "$work/err" || fail "tumbleroad $option: '$(cat "$work/err")' names no $named"
  [ "$(grep -c 'tumbleroad:' "$work/err")" -eq 1 ] || fail "tumbleroad $option: $(cat "$work/err")"
done <<'CASES'
--players=5|--players
--computer=3|--computer
--strength=weak|--strength
--speed=fast --speed=slow|--speed
CASES

# A remembered number of players admits a seat beyond the usual two.
mkdir -p "$(dirname "$conf")"
printf '[Options]\nplayers=3\n' >"$conf"
run_a_while --computer=3
# A corrupt file and a value out of range: one warning line each, and the game starts.
for text in 'garbage\0\377' '[Options]\ncolumns=7\n'; do
  printf "$text" >"$conf"
  run_a_while
  [ "$(grep -c 'tumbleroad:' "$work/err")" -eq 1 ] || fail "for '$text': $(cat "$work/err")"
done

echo "== $failures failed"
[ "$failures" -eq 0 ]
