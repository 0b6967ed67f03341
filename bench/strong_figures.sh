#!/usr/bin/env bash
# The strong computer against the classic one in the simulator: its share of
# the wins with two seats (both seat orders, 20,000 games each), three seats
# and four seats (one strong seat, moved round every seat, 20,000 games in
# all), and the games per second with every seat strong.
#
#   bench/strong_figures.sh SIM
set -eu
sim=$1

# Wins of the seat (1-based) in a run of the simulator.
wins() { sed -n "s/^wins of player $1 *//p"; }

# levels SEATS STRONG_SEAT: the --strength word list with one strong seat.
levels() {
  local words=()
  for ((seat = 1; seat <= $1; seat++)); do
    if ((seat == $2)); then words+=(strong); else words+=(classic); fi
  done
  (IFS=,; echo "${words[*]}")
}

share() { awk -v w="$1" -v g="$2" 'BEGIN { printf "%.1f %%", 100 * w / g }'; }

for seats in 2 3 4; do
  total=20000
  won=0
  played=0
  for ((strong = 1; strong <= seats; strong++)); do
    # Two seats: 20,000 games in each order; more: 20,000 shared out.
    games=$((seats == 2 ? total : total / seats + (strong <= total % seats ? 1 : 0)))
    seed=$((seats == 2 ? strong : 10 * seats + strong))
    out=$("$sim" --games "$games" --seats "$seats" --strength="$(levels "$seats" "$strong")" \
      --seed "$seed")
    w=$(wins "$strong" <<<"$out")
    echo "$seats seats, strong seat $strong: $w of $games ($(share "$w" "$games"))"
    won=$((won + w))
    played=$((played + games))
  done
  echo "$seats seats: the strong seat wins $(share "$won" "$played") of $played games"
done

out=$("$sim" --games 1000 --seats 4 --strength=strong,strong,strong,strong --seed 1)
echo "all four seats strong: $(sed -n 's/^games per second *//p' <<<"$out") games per second"
