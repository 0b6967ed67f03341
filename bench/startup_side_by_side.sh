#!/usr/bin/env bash
# Two builds of the program started in turn on one private Xvfb, so that both
# see the same machine: each start runs until the program reports its first
# board paint (TUMBLEROAD_REPORT_STARTUP=1), then the launch-to-paint time and
# the peak resident memory by then (VmHWM) are taken. Prints the medians for
# each build. In the locale of the caller (LANG=C for English).
#
#   bench/startup_side_by_side.sh BEFORE_PROGRAM AFTER_PROGRAM [STARTS]
set -u
source "$(dirname "$0")/../tests/e2e/lib.sh"
require_tools Xvfb
starts=${3:-40}
start_xvfb 1024x768

median() { sort -n | awk '{v[NR]=$1} END{print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
painted() { grep -qs 'first board paint' "$work/err"; }
for run in $(seq "$starts"); do
  for side in before after; do
    program=$1
    [ $side = after ] && program=$2
    rm -f "$work/err"
    launched=$(date +%s%N)
    TUMBLEROAD_REPORT_STARTUP=1 "$program" --seed="$run" 2>"$work/err" &
    game_pid=$!
    wait_for 10 painted
    sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$game_pid/status" >>"$work/$side.memory"
    quit_game
    painted=$(sed -n 's/.*first board paint at \([0-9]*\) us.*/\1/p' "$work/err")
    echo $(((painted * 1000 - launched) / 1000)) >>"$work/$side.paint"
  done
done
for side in before after; do
  awk -v side=$side -v paint="$(median <"$work/$side.paint")" -v kb="$(median <"$work/$side.memory")" \
    -v n="$starts" 'BEGIN { printf "%-6s launch to first paint %.1f ms, peak memory %.1f MiB (medians of %d starts)\n", side, paint / 1000, kb / 1024, n }'
done
finish >/dev/null
