#!/usr/bin/env bash
# Prints the program's figures under a private Xvfb (not a test: nothing is
# asserted): the time from launch to the first board paint (median of 10
# runs), the on-screen time of the opening throw of four dice, and the peak
# resident memory of a short game ended by Game > Exit.
#
#   measure_figures.sh PROGRAM
set -u
program=$1
runs=10
work=$(mktemp -d)
xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && kill $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$work/display")

median() { sort -n | awk '{v[NR]=$1} END{print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

: >"$work/paint"
: >"$work/throw"
for run in $(seq $runs); do
  launched=$(date +%s%N)
  TUMBLEROAD_REPORT_STARTUP=1 "$program" --seed=$run 2>"$work/err" &
  pid=$!
  for _ in $(seq 100); do grep -q 'opening throw' "$work/err" && break; sleep 0.05; done
  kill $pid; wait $pid 2>/dev/null
  painted=$(sed -n 's/.*first board paint at \([0-9]*\) us.*/\1/p' "$work/err")
  echo "$(((painted * 1000 - launched) / 1000)) " | awk '{printf "%.1f\n", $1/1000}' >>"$work/paint"
  sed -n 's/.*opening throw of four dice took \([0-9.]*\) ms.*/\1/p' "$work/err" >>"$work/throw"
done
echo "launch to first board paint, ms (median of $runs): $(median <"$work/paint")  [$(tr '\n' ' ' <"$work/paint")]"
echo "opening throw of four dice on screen, ms (median of $runs): $(median <"$work/throw")"

# A short game: a pair, ROLL, then Game > Exit.
/usr/bin/time -f '%M' -o "$work/rss" "$program" --seed=1 2>/dev/null &
time_pid=$!
sleep 0.2
window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Tumbleroad$' | head -1)
sleep 1.2
height=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
top=$((height - 484 + 2))
xdotool mousemove --window "$window" 37 $((top + 35)) click 1
xdotool mousemove --window "$window" 444 $((top + 35)) click --repeat 2 --delay 60 1
xdotool mousemove --window "$window" 462 $((top + 240)) click 1
sleep 1.5
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key --delay 100 alt+g x
wait $time_pid
echo "peak resident memory of a short game, MiB: $(awk '{printf "%.1f", $1/1024}' "$work/rss")"
