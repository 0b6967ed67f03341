#!/usr/bin/env bash
# Prints what one throw of four dice costs on a private Xvfb: the pixels the
# program sends the X server, how often it wakes up, and how long it takes.
# The throw is the new game's, F2 pressed on a board whose opening throw has
# settled; its time is the opening throw's, as the program reports it
# (TUMBLEROAD_REPORT_STARTUP). Figures only: nothing is asserted.
#
#   bench/throw_figures.sh PROGRAM [RUNS]
#
# Pixels: the program runs under strace with shared-memory images turned off
# (QT_XCB_NO_MITSHM), so every pixel goes through its X connection; the bytes
# written to it during the throw, over 4, are the pixels (and a little of the
# protocol). Wake-ups: the context switches of the program's threads
# (/proc/PID/task/*/status) during the throw, run without strace, less those
# of as long a time idle just before; of the main thread, which paints and
# pauses, and of all of them (Qt reads the X connection in a thread of its own).
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

# Context switches of the main thread, then of all threads.
switches() {
  local main all
  main=$(awk '/^(non)?voluntary_ctxt_switches/ {n += $2} END {print n}' /proc/"$1"/status)
  all=$(cat /proc/"$1"/task/*/status | awk '/^(non)?voluntary_ctxt_switches/ {n += $2} END {print n}')
  echo "$main $all"
}

# Starts the program (under the given runner, which runs it as its child or
# in its place) and waits for its window and for its opening throw to settle.
start_program() {
  TUMBLEROAD_REPORT_STARTUP=1 "$@" "$program" --seed="$run" 2>"$work/stderr" &
  game_pid=$!
  screen_window=$(search_window 10 --name '^Tumbleroad$') || { echo "no window"; exit 1; }
  sleep 1.5
}

: >"$work/pixels" && : >"$work/span" && : >"$work/main" && : >"$work/all" && : >"$work/idle"
for run in $(seq "$runs"); do
  start_program env
  read -r _ idle_start <<<"$(switches "$game_pid")"
  sleep "$throw_seconds"
  read -r main_start throw_start <<<"$(switches "$game_pid")"
  keys F2
  sleep "$throw_seconds"
  read -r main_end throw_end <<<"$(switches "$game_pid")"
  idle=$((throw_start - idle_start))
  echo "$idle" >>"$work/idle"
  echo $((main_end - main_start)) >>"$work/main"
  echo $((throw_end - throw_start - idle)) >>"$work/all"
  sed -n 's/.*opening throw of four dice took \([0-9.]*\) ms.*/\1/p' "$work/stderr" >>"$work/span"
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
      if (fd + 0 > 2 && $NF + 0 > 0) sent += $NF
    }
    END { printf "%d\n", sent / 4 }' "$work/trace" >>"$work/pixels"
done
list() { tr '\n' ' ' <"$1"; }
echo "one throw of four dice, $runs runs, median [runs]:"
echo "  pixels sent to the X server (F2):          $(median <"$work/pixels")  [$(list "$work/pixels")]"
echo "  context switches, main thread (F2):        $(median <"$work/main")  [$(list "$work/main")]"
echo "  context switches, all threads (F2):        $(median <"$work/all")  [$(list "$work/all")]"
echo "  context switches idle as long, all threads: $(median <"$work/idle")  [$(list "$work/idle")]"
echo "  opening throw as the program reports it, ms: $(median <"$work/span")  [$(list "$work/span")]"
