#!/usr/bin/env bash
# Prints the program's figures on private displays (not a test: nothing is
# asserted). Under Xvfb: the time from launch to the first board paint (median
# of 10 runs), the on-screen time of the opening throw of four dice, and the
# peak resident memory of a short game ended by Game > Exit. Under openbox:
# the time from closing the window (Alt+F4) to the program's end, from an idle
# window, during a throw and during a turn of the computer's (median of 5 each). As a Wayland
# client of weston: the first paint and the opening throw again.
#
#   measure_figures.sh PROGRAM
set -u
program=$1
here=$(cd "$(dirname "$0")" && pwd)
bitmaps=$here/../../res/bitmaps
source "$here/lib.sh"
runs=10
closes=5

median() { sort -n | awk '{v[NR]=$1} END{print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
now_ns() { date +%s%N; }

reported() { grep -q 'opening throw' "$work/err"; }
milliseconds() { awk -v ns="$1" 'BEGIN{printf "%.1f\n", ns / 1e6}'; }

# Launches with the start-up report, on the window system in use, until the
# opening throw is reported; records the first paint and the throw.
report_start_up() {
  local run launched painted
  : >"$work/paint"
  : >"$work/throw"
  for run in $(seq $runs); do
    # The last run's report must not be taken for this one's.
    rm -f "$work/err"
    launched=$(now_ns)
    TUMBLEROAD_REPORT_STARTUP=1 "${runner[@]}" "$program" --seed=$run 2>"$work/err" &
    game_pid=$!
    wait_for 10 reported
    quit_game
    painted=$(sed -n 's/.*first board paint at \([0-9]*\) us.*/\1/p' "$work/err")
    milliseconds $((painted * 1000 - launched)) >>"$work/paint"
    sed -n 's/.*opening throw of four dice took \([0-9.]*\) ms.*/\1/p' "$work/err" >>"$work/throw"
  done
  echo "$1: launch to first board paint, ms (median of $runs): $(median <"$work/paint")  [$(tr '\n' ' ' <"$work/paint")]"
  echo "$1: opening throw of four dice on screen, ms (median of $runs): $(median <"$work/throw")  [$(tr '\n' ' ' <"$work/throw")]"
}

# From the moment the close is sent to the program's end.
close_and_time() {
  local sent
  sent=$(now_ns)
  close_window
  wait "$game_pid"
  milliseconds $(($(now_ns) - sent)) >>"$work/close"
  game_pid=""
}

platform=x11
start_xvfb 1024x768
runner=(env)
report_start_up "X11"

# A short game: a pair, ROLL, then Game > Exit.
/usr/bin/time -f '%M' -o "$work/rss" "$program" --seed=1 2>/dev/null &
time_pid=$!
screen_window=$(search_window 10 --name '^Tumbleroad$')
height=$(window_height "$screen_window")
origin_x=2
origin_y=$((height - 482 - 36))
sleep 1.2
click_board $(die_point 0)
double_click_board $(die_point 1)
click_board $roll_point
sleep 1.5
keys alt+g x
wait $time_pid
echo "X11: peak resident memory of a short game, MiB: $(awk '{printf "%.1f", $1/1024}' "$work/rss")"

start_openbox

: >"$work/close"
for run in $(seq $closes); do
  launch_seeded "$program" $run
  xdotool windowfocus --sync "$screen_window"
  close_and_time
done
echo "X11 under openbox: Alt+F4 on an idle window to the program's end, ms (median of $closes): $(median <"$work/close")  [$(tr '\n' ' ' <"$work/close")]"

: >"$work/close"
for run in $(seq $closes); do
  launch_seeded "$program" $run
  keys F2
  close_and_time
done
echo "X11 under openbox: Alt+F4 during a throw to the program's end, ms (median of $closes): $(median <"$work/close")  [$(tr '\n' ' ' <"$work/close")]"

: >"$work/close"
for run in $(seq $closes); do
  launch "$program" --seed=12
  sleep 1.2
  keys alt+o p
  dialog_opens "Select Players"
  # OK, Cancel, Player 1 Human, Player 1 Computer: the computer plays first.
  dialog_keys Tab Tab Tab space Return
  dialog_closes "Select Players"
  sleep 1.2
  close_and_time
done
echo "X11 under openbox: Alt+F4 during the computer's turn to the program's end, ms (median of $closes): $(median <"$work/close")  [$(tr '\n' ' ' <"$work/close")]"

# Weston gets an X server of its own, with no window manager.
platform=wayland
start_xvfb 1024x768
start_weston
runner=(env -u DISPLAY QT_QPA_PLATFORM=wayland)
# The program's window opens on the output under the pointer.
xdotool mousemove --window "$output_window" 300 400
report_start_up "Wayland"
