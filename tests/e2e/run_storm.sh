#!/usr/bin/env bash
# A seeded storm of a player's input. For a bounded time, bursts of keys,
# clicks, double-clicks, F2, H, menu keys and now and then a close request
# come while the dice roll and while the computer plays (Player 2). After each
# burst the program must still run, answer the window system, and show a
# board at rest with readable dice; every step the computer held must have
# been held for the chosen speed's time under the program's own frame pause,
# as the program reports them (TUMBLEROAD_REPORT_PACE), never timed here.
# A close request ends the program, which is started again on the next game
# seed. After the storm a computer turn must still hold its steps, and a close
# during it end the program well. The seed is printed: given again, the same
# input is sent in the same order (the program's timing may still differ).
#
#   run_storm.sh x11|wayland PROGRAM BITMAP_FOLDER SECONDS [SEED]
set -u
program=$2
bitmaps=$3
source "$(dirname "$0")/lib.sh"
platform=$1
seconds=$4
seed=${5:-$((RANDOM * 32768 + RANDOM))}
RANDOM=$seed
echo "storm seed $seed: $0 $1 PROGRAM BITMAP_FOLDER $seconds $seed sends it again"
export TUMBLEROAD_REPORT_PACE=1 XDG_CONFIG_HOME=$work/config

# The speed of this storm: its menu keys choose it again, never another.
speed=(slow normal)
speed=${speed[RANDOM % 2]}
holds=" 500 400 250 1000 "
[ "$speed" = slow ] && holds=" 1000 800 500 2000 "
frame_pause=16

# ---- the program -------------------------------------------------------------

start_game() {
  local game_seed=$RANDOM
  echo "-- the program on game seed $game_seed, $speed speed"
  launch "$program" --seed=$game_seed --computer=2 --speed=$speed || finish
  sleep 1
}

held_steps() { grep -c 'computer step held' "$work/stderr"; }

# The first step held at another pace than the chosen speed's, if any, of the
# first so many held (a closing program holds no more, at no pace).
pace_fault() {
  sed -n 's/.*computer step held \([0-9]*\) ms, frame pause \([0-9]*\) ms.*/\1 \2/p' "$work/stderr" |
    head -n "${1:-1000000}" |
    while read -r hold pause; do
      [[ "$holds" == *" $hold "* ]] && [ "$pause" = $frame_pause ] && continue
      echo "a step held $hold ms with a frame pause of $pause ms"
      break
    done
}

# Menus, dialogs and the help window the storm opened (a menu key that opened
# a menu drops the rest, so the next key may choose in it) go with Escape.
dismiss_windows() { "dismiss_windows_$platform"; }
dismiss_windows_x11() {
  local try w
  for try in 1 2 3; do
    for w in $(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null); do
      [ "$w" = "$screen_window" ] || xdotool windowfocus --sync "$w" key Escape 2>/dev/null
    done
  done
  keys Escape Escape
}
dismiss_windows_wayland() { keys Escape Escape Escape; }

# Keys held through a throw come after the Escapes: a menu opens at its end.
dismissed_and_sound() { dismiss_windows && board_sound; }

answers() { "answers_$platform"; }
answers_x11() { /usr/bin/python3 "$(dirname "$0")/ping_window.py" "$screen_window" 3; }
answers_wayland() { ! window_gone; }

# Two screenshots in a row the same (no throw rolling, no step changing), with
# each die showing a face, a blank or the black of a chosen die.
board_sound() {
  shot && cp "$work/shot.png" "$work/rest.png" && sleep 0.1 && shot &&
    [ "$(compare -metric AE "$work/shot.png" "$work/rest.png" null: 2>&1)" = 0 ] || return 1
  local d
  for d in 0 1 2 3; do
    [[ "$(die_face $d)" != "?"* ]] || die_is_black $d || return 1
  done
}

# Ends the program with a close request and sees it end well.
close_game() {
  local held fault
  held=$(held_steps)
  close_window
  wait_for 5 window_gone || fail "$1: the window stayed after the close request"
  fault=$(pace_fault "$held")
  steps=$((steps + held))
  game_ends_well "$1" || return
  [ -z "$fault" ] || fail "$1: $fault"
}

# ---- the storm ---------------------------------------------------------------

plain_keys=(1 2 3 4 Return r s H F2 space)
menu_keys=("alt+o Escape" "alt+g Escape" "alt+h Escape" "alt+o s Escape Escape"
  "alt+o s ${speed:0:1}" "F2 alt+o s ${speed:0:1}")
# Each burst begins with what makes the dice roll or the computer play.
openings=("1 2 Return s" "F2" "r" "1 2 Return r" "3 4 Return s")

storm_input() {
  local die=$((RANDOM % 4))
  case $((RANDOM % 10)) in
    0 | 1 | 2 | 3) keys "${plain_keys[RANDOM % ${#plain_keys[@]}]}" ;;
    4) keys ${menu_keys[RANDOM % ${#menu_keys[@]}]} ;;
    5) click_board $(die_point $die) ;;
    6) double_click_board $(die_point $die) ;;
    7) click_board $roll_point ;;
    8) click_board $stop_point ;;
    9) sleep 0.$((RANDOM % 6)) ;;
  esac
}

burst() {
  local n=$1 i what
  keys ${openings[RANDOM % ${#openings[@]}]}
  for ((i = RANDOM % 8 + 4; i > 0; i--)); do
    storm_input
  done
  if [ $((RANDOM % 10)) = 0 ]; then
    close_game "burst $n, closed"
    start_game
    return
  fi
  what="burst $n"
  if ! game_running; then
    fail "$what ended the program: $(tail -1 "$work/stderr")"
    quit_game
    start_game
    return
  fi
  answers || fail "$what: the program did not answer the window system"
  wait_for 15 dismissed_and_sound || fail "$what: no board at rest with readable dice for 15 s (last read:" \
    "$(die_face 0) $(die_face 1) $(die_face 2) $(die_face 3))"
  local fault
  fault=$(pace_fault)
  [ -z "$fault" ] || fail "$what: $fault"
}

if [ "$platform" = x11 ]; then
  require_tools Xvfb xdotool xwininfo xprop openbox import convert compare
  start_xvfb 1024x768
  start_openbox
else
  require_tools weston Xvfb xdotool xwininfo import convert compare
  start_xvfb 1024x768
  start_weston
fi
board_colours_known
start_game
end=$((SECONDS + seconds))
bursts=0
steps=0
while [ $SECONDS -lt $end ] && [ $failures = 0 ]; do
  bursts=$((bursts + 1))
  burst $bursts
done
echo "== $bursts bursts in $seconds s; a computer turn after the storm holds its steps"
wait_for 15 dismissed_and_sound
keys F2
sleep 1.5
before=$(held_steps)
keys 1 2 Return s
held_after() { [ $(($(held_steps) - before)) -ge 3 ]; }
wait_for 10 held_after || fail "after the storm the computer's turn held $(($(held_steps) - before)) steps"
close_game "closed during the computer's turn after the storm"
echo "$steps steps held by the computer in all, each checked"
finish
