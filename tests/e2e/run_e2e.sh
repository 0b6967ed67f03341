#!/usr/bin/env bash
# End-to-end tests of the real program: it runs under a private Xvfb, xdotool
# clicks and types as a player would, and known pixels of screenshots are
# compared with the game's own bitmaps. The seed fixes every throw, so the
# faces each throw must show are worked out here from the same generator.
#
#   run_e2e.sh PROGRAM BITMAP_FOLDER
set -u
program=$1
bitmaps=$2

for tool in Xvfb xdotool import convert compare; do
  if ! command -v "$tool" >/dev/null; then
    if [ "$tool" = Xvfb ]; then
      echo "SKIPPED: Xvfb is not installed (scripts/install-deps installs it)"
      exit 77
    fi
    echo "FAILED: $tool is missing (scripts/install-deps installs it)"
    exit 1
  fi
done

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
failures=0

cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
[ -s "$work/display" ] || { echo "FAILED: Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$work/display")
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
  cp "$work/shot.png" "$work/../tumbleroad-e2e-failure-$failures.png" 2>/dev/null &&
    echo "  screenshot kept in $(dirname "$work")/tumbleroad-e2e-failure-$failures.png"
}

# ---- the program and its window -------------------------------------------

window=""
menu_height=0

# Starts the program and waits for its main window.
launch() {
  "$@" 2>"$work/stderr" &
  game_pid=$!
  window=$(timeout 10 xdotool search --sync --onlyvisible --pid "$game_pid" --name '^Tumbleroad$' |
    head -1)
  [ -n "$window" ] || { fail "no main window for: $*"; return 1; }
  local height
  height=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
  # Under the menu bar the client area is the board behind a 2-pixel edge.
  menu_height=$((height - 484))
}

quit_game() {
  kill "$game_pid" 2>/dev/null
  wait "$game_pid" 2>/dev/null
  game_pid=""
}

shot() {
  import -window "$window" "$work/shot.png" 2>/dev/null
}

# Window coordinates of a board point and of a point of the client area.
board_x() { echo $(($1 + 2)); }
board_y() { echo $(($1 + 2 + menu_height)); }

click_board() { xdotool mousemove --window "$window" "$(board_x "$1")" "$(board_y "$2")" click 1; }
double_click_board() {
  xdotool mousemove --window "$window" "$(board_x "$1")" "$(board_y "$2")" click --repeat 2 --delay 60 1
}
keys() {
  xdotool windowfocus --sync "$window" 2>/dev/null
  xdotool key --delay 80 "$@"
}

# Hex colours of board points of the last screenshot: "x,y x,y ...".
board_colours() {
  local format="" point
  for point in "$@"; do
    format+="%[hex:p{$(board_x "${point%,*}"),$(board_y "${point#*,}")}] "
  done
  convert "$work/shot.png" -format "$format" info: 2>/dev/null
}

bitmap_colour() { convert "$bitmaps/$1.bmp" -format "%[hex:p{$2,$3}]" info:; }

# The w × h picture at (x, y) of the client area equals the one at (sx, sy)
# of a bitmap; the client area has the board at (2, 2).
client_shows() {
  local x=$1 y=$2 w=$3 h=$4 bitmap=$5 sx=$6 sy=$7
  convert "$work/shot.png" -crop "${w}x${h}+${x}+$((y + menu_height))" +repage "$work/a.png"
  convert "$bitmaps/$bitmap.bmp" -crop "${w}x${h}+${sx}+${sy}" +repage "$work/b.png"
  [ "$(compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1)" = 0 ]
}

# Takes screenshots until the check passes, for a few seconds at most.
wait_until() {
  local what=$1 seconds=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  while :; do
    shot
    "$@" && return 0
    [ $SECONDS -ge $deadline ] && { fail "$what"; return 1; }
    sleep 0.1
  done
}

# ---- what the board shows ---------------------------------------------------

die_x=(2 407 3 406)
die_y=(2 3 405 405)
slot_dx=(8 8 9 28 48 48 48)
slot_dy=(8 28 49 28 8 28 49)
# Pip slots lit by each face; a blank face lights none.
faces=([0]=0000000 [1]=0001000 [2]=1000001 [3]=0011100 [4]=1010101 [5]=1011101 [6]=1110111)
# The bottom cell of each column.
cell_x=([2]=47 83 119 155 193 230 268 304 341 377 413)
cell_y=([2]=316 352 388 412 412 413 412 412 388 352 316)

# The face a white die shows: black pips on white.
die_face() {
  local d=$1 k points=() pattern="" colour
  for k in 0 1 2 3 4 5 6; do
    points+=("$((die_x[d] + slot_dx[k] + 6)),$((die_y[d] + slot_dy[k] + 6))")
  done
  for colour in $(board_colours "${points[@]}"); do
    [ "$colour" = 000000 ] && pattern+=1 || pattern+=0
  done
  for k in 0 1 2 3 4 5 6; do
    [ "${faces[k]}" = "$pattern" ] && { echo "$k"; return; }
  done
  echo "?$pattern"
}

die_is_black() {
  [ "$(board_colours "$((die_x[$1] + 24)),$((die_y[$1] + 24))")" = "000000 " ]
}

banner_is() { client_shows 166 449 157 33 "$1" 0 0; }
buttons_blank() { client_shows 6 212 24 53 136 96 0 && client_shows 449 212 24 53 136 96 0; }
buttons_live() { client_shows 6 212 24 53 136 48 0 && client_shows 449 212 24 53 136 72 0; }
roll_pressed() { client_shows 449 212 24 53 136 24 0; }

# The centre of a seat's hole in the bottom cell of a column.
hole_colour() {
  local column=$1 seat=$2
  local x=$((cell_x[column] + 4 + 12 * (seat % 2))) y=$((cell_y[column] + 4 + 12 * (seat / 2)))
  board_colours "$x,$y" | tr -d ' '
}

# ---- the dice the seed throws -------------------------------------------------

random_state=0
thrown=()
seed_dice() { random_state=$1; }
# One throw of the four dice: each die draws twelve faces and keeps the last.
throw_dice() {
  local d draw
  thrown=()
  for d in 0 1 2 3; do
    for draw in $(seq 12); do
      random_state=$(((random_state * 214013 + 2531011) & 0xFFFFFFFF))
      thrown[d]=$((((random_state >> 16) & 0x7FFF) % 6 + 1))
    done
  done
}
shows_thrown() {
  [ "$(die_face 0) $(die_face 1) $(die_face 2) $(die_face 3)" = "${thrown[*]}" ]
}

# Board points to click.
die_point() { echo "$((die_x[$1] + 35)) $((die_y[$1] + 35))"; }
roll_point="460 240"
stop_point="17 240"

white=$(bitmap_colour 132 5 6)
blue=$(bitmap_colour 132 51 6)
empty_hole=$(bitmap_colour 132 79 6)

# ---- a person's turns, the buttons and a new game ---------------------------

echo "== start-up, a pair, ROLL held and cancelled, ROLL, STOP, F2"
seed=4242
seed_dice $seed
launch "$program" --seed=$seed
throw_dice
wait_until "the opening throw shows ${thrown[*]}" 5 shows_thrown
banner_is 145 || fail "the banner does not name Player 1"
buttons_blank || fail "ROLL and STOP are not blank after the opening throw"
[ "$(hole_colour 7 0)" = "$empty_hole" ] || fail "a peg stands on the board at start-up"
cp "$work/shot.png" "$work/startup.png"

first=("${thrown[@]}")
column=$((first[0] + first[1]))
click_board $(die_point 0)
wait_until "die 0 turns black when clicked" 3 die_is_black 0
double_click_board $(die_point 1)
pair_played() {
  [ "$(die_face 0)" = 0 ] && [ "$(die_face 1)" = 0 ] && buttons_live &&
    [ "$(hole_colour "$column" 0)" = "$white" ]
}
wait_until "double-clicking die 1 plays dice 0 and 1 into column $column" 3 pair_played

xdotool mousemove --window "$window" "$(board_x 460)" "$(board_y 240)" mousedown 1
wait_until "ROLL shows pressed while held" 3 roll_pressed
xdotool mousemove --window "$window" "$(board_x 240)" "$(board_y 100)"
wait_until "moving off ROLL shows it live again" 3 buttons_live
xdotool mouseup 1
sleep 0.3
shot
[ "$(die_face 0)" = 0 ] || fail "releasing a cancelled ROLL threw the dice"

click_board $roll_point
throw_dice
wait_until "ROLL throws ${thrown[*]}" 5 shows_thrown
buttons_blank || fail "the buttons are not blank after a throw"

click_board $(die_point 2)
double_click_board $(die_point 3)
second_pair() { [ "$(die_face 2)" = 0 ] && [ "$(die_face 3)" = 0 ] && buttons_live; }
wait_until "dice 2 and 3 are played" 3 second_pair

click_board $stop_point
throw_dice
player_two_throws() { banner_is 146 && shows_thrown; }
wait_until "STOP passes the turn to Player 2, who throws ${thrown[*]}" 5 player_two_throws
[ "$(hole_colour "$column" 0)" = "$blue" ] || fail "STOP did not leave a blue peg in column $column"

keys F2
throw_dice
new_game() { banner_is 145 && shows_thrown && [ "$(hole_colour "$column" 0)" = "$empty_hole" ]; }
wait_until "F2 starts a new game that throws ${thrown[*]}" 5 new_game
quit_game

# ---- options through the keyboard, and a game against the computer -----------

echo "== Options by keyboard; the computer's turn; a click made during it"
seed=99
seed_dice $seed
launch "$program" --seed=$seed
throw_dice
wait_until "the opening throw settles" 5 shows_thrown

dialog_open() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
wait_for_dialog() {
  local deadline=$((SECONDS + 5)) id
  while [ $SECONDS -lt $deadline ]; do
    id=$(dialog_open "$1")
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.05
  done
  return 1
}
wait_dialog_gone() {
  local deadline=$((SECONDS + 8))
  while [ -n "$(dialog_open "$1")" ]; do
    [ $SECONDS -ge $deadline ] && { fail "the $1 dialog did not close"; return 1; }
    sleep 0.05
  done
}
dialog_keys() {
  xdotool windowfocus --sync "$1" 2>/dev/null
  shift
  xdotool key --delay 80 "$@"
}

keys alt+o n
if dialog=$(wait_for_dialog "Number of Columns"); then
  dialog_keys "$dialog" Escape
  wait_dialog_gone "Number of Columns"
else
  fail "Alt+O N did not open Number of Columns"
fi

keys alt+o p
if dialog=$(wait_for_dialog "Select Players"); then
  two_seat_height=$(xdotool getwindowgeometry "$dialog" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
  # OK, Cancel, Player 1 Human, Player 1 Computer, Player 2 Human, Player 2 Computer.
  dialog_keys "$dialog" Tab Tab Tab Tab Tab space Return
  wait_dialog_gone "Select Players"
  throw_dice
else
  fail "Alt+O P did not open Select Players"
fi
wait_until "OK in Select Players starts a new game throwing ${thrown[*]}" 5 shows_thrown

click_board $(die_point 0)
double_click_board $(die_point 1)
wait_until "Player 1 plays a pair" 3 buttons_live
# STOP hands the turn to the computer, which plays all of it inside this
# release; the click on die 2 waits for it and is handled afterwards.
click_board $stop_point
click_board $(die_point 2)
back_to_player_one() { banner_is 145 && die_is_black 2; }
wait_until "the computer plays Player 2's turn and the click made meanwhile selects die 2" 30 \
  back_to_player_one

keys alt+o Down Down Return
if dialog=$(wait_for_dialog "Select Number of Players"); then
  # OK, Cancel, 2 Players, 3 Players.
  dialog_keys "$dialog" Tab Tab Tab space Return
  wait_dialog_gone "Select Number of Players"
else
  fail "Alt+O Down Down Return did not open Select Number of Players"
fi
keys alt+o p
if dialog=$(wait_for_dialog "Select Players"); then
  height=$(xdotool getwindowgeometry "$dialog" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
  [ "${height:-0}" -gt "${two_seat_height:-0}" ] ||
    fail "with three players Select Players is not the taller three-seat dialog"

  # F1 in the dialog opens the help; the help can be used and the dialog stays.
  dialog_keys "$dialog" F1
  if help=$(wait_for_dialog "Tumbleroad Help"); then
    xdotool mousemove --window "$help" 80 196 click 1
    rules_open() { [ -n "$(dialog_open "Tumbleroad Help: The rules")" ]; }
    deadline=$((SECONDS + 3))
    until rules_open || [ $SECONDS -ge $deadline ]; do sleep 0.05; done
    rules_open || fail "a link in the help window did not work while the dialog was open"
    [ -n "$(dialog_open "Select Players")" ] || fail "the dialog closed when help opened"
  else
    fail "F1 in Select Players did not open the help"
  fi
  dialog_keys "$dialog" Escape
  wait_dialog_gone "Select Players"
else
  fail "Alt+O P did not open Select Players with three seats"
fi
quit_game

# ---- a missing help book --------------------------------------------------------

echo "== help with the book missing"
mkdir -p "$work/bare"
cp "$program" "$work/bare/tumbleroad"
seed_dice 5
launch "$work/bare/tumbleroad" --seed=5
throw_dice
wait_until "the opening throw settles" 5 shows_thrown
cp "$work/shot.png" "$work/before-help.png"
keys F1
if box=$(wait_for_dialog "Help"); then
  dialog_keys "$box" Return
  wait_dialog_gone "Help"
  shot
  [ "$(compare -metric AE "$work/shot.png" "$work/before-help.png" null: 2>&1)" = 0 ] ||
    fail "reporting the missing book changed the board"
else
  fail "F1 without a help book showed no message"
fi
kill -0 "$game_pid" 2>/dev/null || fail "the program ended after the missing-book message"
quit_game

# ---- the command line -------------------------------------------------------------

echo "== command line"
env -u DISPLAY "$program" --help >"$work/out" 2>&1 && grep -q '^Usage: ' "$work/out" ||
  fail "--help without a display"
env -u DISPLAY "$program" --version >"$work/out" 2>&1 && grep -q 'Tumbleroad' "$work/out" ||
  fail "--version without a display"
env -u DISPLAY "$program" --seed=x >"$work/out" 2>&1
[ $? = 2 ] && grep -q "invalid seed 'x'" "$work/out" || fail "a bad seed is not refused"
env -u DISPLAY "$program" --frobnicate >"$work/out" 2>&1
[ $? = 2 ] && grep -q "frobnicate" "$work/out" || fail "an unknown option is not refused"
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" >"$work/out" 2>&1
[ $? = 1 ] && grep -q "cannot open a window" "$work/out" ||
  fail "starting without a display is not refused with a clear message"

"$program" "$work/no-such-file" 2>"$work/stderr" &
game_pid=$!
if box=$(wait_for_dialog "Tumbleroad"); then
  dialog_keys "$box" Return
fi
wait "$game_pid"
status=$?
game_pid=""
[ $status = 1 ] || fail "a file that cannot be opened gave exit status $status"
grep -q "no-such-file" "$work/stderr" || fail "the unreadable file is not named on standard error"

if [ $failures -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all end-to-end checks passed"
