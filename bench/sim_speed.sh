#!/usr/bin/env bash
# Games a second of two simulator builds, measured in one run so that both see
# the same machine: runs each alternately and prints the median of the runs,
# and checks that both play the very same games for the seed.
#
#   bench/sim_speed.sh SIM_BEFORE SIM_AFTER [RUNS]
set -u
before=$1
after=$2
runs=${3:-5}
args=(--games 10000 --seats 4 --seed 1)

rate() { sed -n 's/^games per second *//p'; }
figures() { grep -v '^games per second'; }
median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for _ in $(seq "$runs"); do
  "$before" "${args[@]}" >"$work/before.out" && rate <"$work/before.out" >>"$work/before.rates"
  "$after" "${args[@]}" >"$work/after.out" && rate <"$work/after.out" >>"$work/after.rates"
done
if ! diff <(figures <"$work/before.out") <(figures <"$work/after.out") >/dev/null; then
  echo "the two builds play different games for ${args[*]}"
  exit 1
fi
echo "tumbleroad-sim ${args[*]}, games per second, median of $runs:"
echo "  before: $(median <"$work/before.rates")  [$(tr '\n' ' ' <"$work/before.rates")]"
echo "  after:  $(median <"$work/after.rates")  [$(tr '\n' ' ' <"$work/after.rates")]"
