#!/usr/bin/env bash
# Films the board at 120 frames a second on a private X server while the
# computer (seat 0) plays its opening turn, at each speed, and prints how long
# its chosen dice stay black, how long a settled throw stays before it acts,
# the length of its whole turn, and the time from F2 pressed in the middle of
# its turn to the new game's first frame. Figures only: nothing is asserted.
#
#   bench/pace_figures.sh PROGRAM
set -u
program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
bitmaps=$here/../res/bitmaps
source "$here/../tests/e2e/lib.sh"
require_tools ffmpeg Xvfb xdotool python3
platform=x11
start_xvfb 1024x768

# Starts a game at the speed with seat 0 played by the computer, filming from
# the moment OK starts it; the film goes to pace_frames.py with the arguments.
film_computer_turn() {
  local speed=$1 seconds=$2
  shift 2
  launch "$program" --seed=12 || return
  sleep 1.2
  keys alt+o s "${speed:0:1}"
  keys alt+o p
  dialog_opens "Select Players"
  # OK, Cancel, Player 1 Human, Player 1 Computer.
  dialog_keys Tab Tab Tab space
  local x y
  eval "$(xdotool getwindowgeometry --shell "$screen_window")"
  x=$((X + origin_x))
  y=$((Y + origin_y))
  ffmpeg -loglevel info -copyts -f x11grab -framerate 120 -video_size 480x480 -t "$seconds" \
    -i "$DISPLAY+$x,$y" -vf "showinfo,scale=120:120:flags=neighbor" -f rawvideo -pix_fmt rgb24 - \
    2>"$work/showinfo" | python3 "$here/pace_frames.py" "$speed" "$work/showinfo" "$@" &
  local film=$!
  sleep 0.5
  dialog_keys Return
  xdotool windowfocus --sync "$screen_window" 2>/dev/null
  if [ -n "${f2_after:-}" ]; then
    sleep "$f2_after"
    date +%s.%N >"$work/f2"
    xdotool key F2
  fi
  wait $film
  quit_game
}

film_computer_turn Slow 40
film_computer_turn Normal 25
film_computer_turn Fast 12
# F2 once the computer has made its first move at that speed.
f2_after=3.0 film_computer_turn Slow 8 "$work/f2"
f2_after=2.0 film_computer_turn Normal 8 "$work/f2"
f2_after=1.2 film_computer_turn Fast 8 "$work/f2"

