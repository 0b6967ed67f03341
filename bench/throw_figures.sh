#!/usr/bin/env bash
# Prints what one throw of four dice costs on a private Xvfb: the pixels the
# program sends the X server, how often it wakes up, and the span from the
# throw's first frame to its last. The throw is the new game's, F2 pressed on
# a board whose opening throw has settled. Figures only: nothing is asserted.
#
#   bench/throw_figures.sh PROGRAM [RUNS]
#
# Pixels: the program runs under strace with shared-memory images turned off
# (QT_XCB_NO_MITSHM), so every pixel goes through its X connection; the bytes
# written to it during the throw, over 4, are the pixels (and a little of the
# protocol). The span is taken from the first to the last write of a frame's
# image (over 1,000 bytes) in the same trace. Wake-ups: the context switches
# of all the program's threads (/proc/PID/task/*/status) during the throw,
# run without strace, less those of as long a time idle just before.
set -u
program=$(realpath "$1")
runs=${2:-5}
here=$(cd "$(dirname "$0")" && pwd)
bitmaps=$here/../res/bitmaps
source "$here/../tests/e2e/lib.sh"
require_tools Xvfb xdotool strace
platform=x11
start_xvfb 1024x768
# Long enough for a throw of 48 frames and its last repaint.
throw_seconds=1.5

median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

switches() {
  cat /proc/"$1"/task/*/status 2>/dev/null |
    awk '/^(non)?voluntary_ctxt_switches/ {n += $2} END {print n}'
}

# Starts the program (under the given runner, which runs it as its child or
# in its place) and waits for its window and for its opening throw to settle.
start_program() {
  "$@" "$program" --seed="$run" 2>"$work/stderr" &
  game_pid=$!
  screen_window=$(search_window 10 --name '^Tumbleroad$') || { echo "no window"; exit 1; }
  sleep 1.5
}

: >"$work/pixels" && : >"$work/span" && : >"$work/wakeups" && : >"$work/idle"
for run in $(seq "$runs"); do
  start_program env
  idle_start=$(switches "$game_pid")
  sleep "$throw_seconds"
  throw_start=$(switches "$game_pid")
  keys F2
  sleep "$throw_seconds"
  throw_end=$(switches "$game_pid")
  echo $((throw_start - idle_start)) >>"$work/idle"
  echo $((throw_end - throw_start - (throw_start - idle_start))) >>"$work/wakeups"
  quit_game

  start_program env QT_XCB_NO_MITSHM=1 strace -f -ttt -e trace=write,writev,sendmsg -o "$work/trace"
  from=$(date +%s.%N)
  keys F2
  sleep "$throw_seconds"
  to=$(date +%s.%N)
  # Stopped itself, strace would leave the program running.
  kill "$(pgrep -P "$game_pid")"
  quit_game
  # "PID SECONDS.MICROS call(fd, ...) = BYTES", fds 0 … 2 left out.
  awk -v from="$from" -v to="$to" '
    $2 >= from && $2 <= to && $3 ~ /^(write|writev|sendmsg)\([0-9]+,/ {
      fd = $3; sub(/^[a-z]+\(/, "", fd); sub(/,.*/, "", fd)
      bytes = $NF
      if (fd + 0 > 2 && bytes + 0 > 0) {
        sent += bytes
        if (bytes + 0 > 1000) { if (first == "") first = $2; last = $2 }
      }
    }
    END { printf "%d %.1f\n", sent / 4, (last - first) * 1000 }' "$work/trace" >"$work/figures"
  read -r pixels span <"$work/figures"
  echo "$pixels" >>"$work/pixels"
  echo "$span" >>"$work/span"
done
list() { tr '\n' ' ' <"$1"; }
echo "one throw of four dice (F2), $runs runs, median [runs]:"
echo "  pixels sent to the X server:      $(median <"$work/pixels")  [$(list "$work/pixels")]"
echo "  first to last frame, ms:          $(median <"$work/span")  [$(list "$work/span")]"
echo "  context switches, all threads:    $(median <"$work/wakeups")  [$(list "$work/wakeups")]"
echo "  the same while idle as long:      $(median <"$work/idle")  [$(list "$work/idle")]"
