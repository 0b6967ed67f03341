#!/usr/bin/env bash
# The simulator before and after a change, measured in one run so that both
# see the same machine, against its floor (bench/sim_floor.cpp): builds the
# simulator of an earlier revision and of the working tree (Release), checks
# that both play the very same games, figure for figure, for many seeds and
# seat counts, then runs each alternately and prints the median games a second
# and CPU time of the runs, and the CPU time of the floor doing as many throws.
#
#   bench/sim_speed.sh BEFORE_REVISION [RUNS]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
revision=$1
runs=${2:-5}
games=50000
args=(--games "$games" --seats 4 --seed 1)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
build() {
  cmake -S "$1" -B "$2" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
  cmake --build "$2" --target "${@:3}" -j "$(nproc)" >/dev/null
}
mkdir "$work/before-source"
git -C "$root" archive "$revision" | tar -x -C "$work/before-source"
build "$work/before-source" "$work/before-build" tumbleroad-sim
build "$root" "$root/build-release" tumbleroad-sim tumbleroad_sim_floor
before=$work/before-build/tools/sim/tumbleroad-sim
after=$root/build-release/tools/sim/tumbleroad-sim
floor=$root/build-release/bench/tumbleroad_sim_floor

figures() { "$@" | grep -v '^games per second'; }
compared=0
for seats in 2 3 4; do
  for seed in $(seq 1 20) 4294967295; do
    if ! cmp -s <(figures "$before" --games 500 --seats "$seats" --seed "$seed") \
      <(figures "$after" --games 500 --seats "$seats" --seed "$seed"); then
      echo "the two builds play different games for --seats $seats --seed $seed"
      exit 1
    fi
    compared=$((compared + 1))
  done
done
echo "the same games, figure for figure, for $compared seeds and seat counts (500 games each)"

median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
# Runs a command, its output to $work/out; prints its CPU seconds.
cpu() {
  /usr/bin/time -f '%U %S' -o "$work/time" "$@" >"$work/out"
  awk '{print $1 + $2}' "$work/time"
}
rate() { sed -n 's/^games per second *//p' "$work/out"; }
throws=$("$after" "${args[@]}" | sed -n 's/^throws  *\([0-9][0-9]*\)$/\1/p')
for _ in $(seq "$runs"); do
  cpu "$before" "${args[@]}" >>"$work/before.cpu" && rate >>"$work/before.rates"
  cpu "$after" "${args[@]}" >>"$work/after.cpu" && rate >>"$work/after.rates"
  cpu "$floor" "$throws" >>"$work/floor.cpu"
done
list() { tr '\n' ' ' <"$1"; }
echo "tumbleroad-sim ${args[*]} ($throws throws), median of $runs [runs]:"
echo "  before ($revision): $(median <"$work/before.rates") games/s, CPU $(median <"$work/before.cpu") s  [$(list "$work/before.cpu")]"
echo "  after:  $(median <"$work/after.rates") games/s, CPU $(median <"$work/after.cpu") s  [$(list "$work/after.cpu")]"
echo "  floor, as many throws: CPU $(median <"$work/floor.cpu") s  [$(list "$work/floor.cpu")]"
awk -v a="$(median <"$work/after.cpu")" -v b="$(median <"$work/before.cpu")" -v f="$(median <"$work/floor.cpu")" \
  'BEGIN {printf "  CPU against the floor: before %.1fx, after %.1fx\n", b / f, a / f}'
