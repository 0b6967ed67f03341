#!/usr/bin/env bash
# End-to-end tests of the real program on X11: it runs under a private Xvfb,
# xdotool clicks and types as a player would, and known pixels of screenshots
# are compared with the game's own bitmaps. The seed fixes every throw, so the
# faces each throw must show are worked out here from the same generator.
# First with no window manager, then under openbox for what needs one: the
# focus moving to another window, and closing with Alt+F4.
#
#   run_x11.sh PROGRAM BITMAP_FOLDER
set -u
source "$(dirname "$0")/scenarios.sh" "$@"
platform=x11

require_tools Xvfb xdotool xwininfo xprop xev openbox import convert compare
start_xvfb 1024x768
board_colours_known

scenario_person_turns
scenario_computer_turn

# ---- dialogs and the help, found by their titles ------------------------------

echo "== the Select Players dialog follows the number of players; help from a dialog"
keys alt+o p
if dialog_opens "Select Players"; then
  two_seat_height=$(window_height "$dialog")
  dialog_keys Escape
  dialog_closes "Select Players"
else
  fail "Alt+O P did not open Select Players"
fi
keys alt+o Down Down Return
if dialog_opens "Select Number of Players"; then
  # OK, Cancel, 2 Players, 3 Players.
  dialog_keys Tab Tab Tab space Return
  dialog_closes "Select Number of Players"
  # A menu's keys typed while the new game's dice roll open the menu and no more.
  sleep 1.5
else
  fail "Alt+O Down Down Return did not open Select Number of Players"
fi
keys alt+o p
if dialog_opens "Select Players"; then
  players_dialog=$dialog
  height=$(window_height "$players_dialog")
  [ "${height:-0}" -gt "${two_seat_height:-0}" ] ||
    fail "with three players Select Players is not the taller three-seat dialog"

  # F1 in the dialog opens the help; the help can be used and the dialog stays.
  dialog_keys F1
  if dialog_opens "Tumbleroad Help"; then
    xdotool mousemove --window "$dialog" 80 196 click 1
    wait_for 3 dialog_found "Tumbleroad Help: The rules" ||
      fail "a link in the help window did not work while the dialog was open"
    [ -n "$(dialog_window "Select Players")" ] || fail "the dialog closed when help opened"
  else
    fail "F1 in Select Players did not open the help"
  fi
  dialog=$players_dialog
  dialog_keys Escape
  dialog_closes "Select Players"
else
  fail "Alt+O P did not open Select Players with three seats"
fi
quit_game

echo "== help with the book missing"
mkdir -p "$work/bare"
cp "$program" "$work/bare/tumbleroad"
launch_seeded "$work/bare/tumbleroad" 5
cp "$work/shot.png" "$work/before-help.png"
keys F1
if dialog_opens "Help"; then
  dialog_keys Return
  dialog_closes "Help"
  shot
  [ "$(compare -metric AE "$work/shot.png" "$work/before-help.png" null: 2>&1)" = 0 ] ||
    fail "reporting the missing book changed the board"
else
  fail "F1 without a help book showed no message"
fi
game_running || fail "the program ended after the missing-book message"
quit_game

# ---- the command line -------------------------------------------------------------

echo "== command line"
env -u DISPLAY "$program" --help >"$work/out" 2>&1 && grep -q '^Usage: ' "$work/out" ||
  fail "--help without a display"
env -u DISPLAY "$program" --version >"$work/out" 2>&1 && grep -q 'Tumbleroad' "$work/out" ||
  fail "--version without a display"
for option in --help --version; do
  env -u DISPLAY "$program" $option >/dev/full 2>"$work/out"
  [ $? = 1 ] && grep -q "cannot write" "$work/out" || fail "$option to a full disk is not a failure"
done
env -u DISPLAY "$program" --seed=x >"$work/out" 2>&1
[ $? = 2 ] && grep -q "invalid seed 'x'" "$work/out" || fail "a bad seed is not refused"
env -u DISPLAY "$program" --players=2 --computer=3 >"$work/out" 2>&1
[ $? = 2 ] && grep -q "^tumbleroad: --computer gives player 3" "$work/out" || fail "a seat out of the game is not refused"
env -u DISPLAY "$program" --frobnicate >"$work/out" 2>&1
[ $? = 2 ] && grep -q "frobnicate" "$work/out" || fail "an unknown option is not refused"
env -u DISPLAY QT_QPA_PLATFORM=xcb "$program" >"$work/out" 2>&1
[ $? = 1 ] && grep -q "cannot open a window" "$work/out" ||
  fail "starting without a display is not refused with a clear message"

"$program" "$work/no-such-file" 2>"$work/stderr" &
game_pid=$!
dialog_opens "Tumbleroad" && dialog_keys Return
wait "$game_pid"
status=$?
game_pid=""
[ $status = 1 ] || fail "a file that cannot be opened gave exit status $status"
grep -q "no-such-file" "$work/stderr" || fail "the unreadable file is not named on standard error"

# ---- under a window manager ---------------------------------------------------------

echo "== under openbox: a title bar"
start_openbox

seed_dice 3
launch "$program" --seed=3
throw_dice
wait_until "the opening throw settles under openbox" 5 shows_thrown
# Left, right, top and bottom widths of the frame openbox puts round the window.
extents=$(xprop -id "$screen_window" _NET_FRAME_EXTENTS | sed -n 's/.*= *\([0-9, ]*\)$/\1/p')
[ "$(echo "$extents" | cut -d, -f3 | tr -d ' ')" -gt 0 ] 2>/dev/null ||
  fail "openbox gave the window no title bar (frame extents: ${extents:-none})"
quit_game

scenario_focus_change_during_throw
scenario_close_during_throw
scenario_close_during_computer_turn
scenario_menu_keys_during_throw

echo "== the window destroyed by another client"
launch_seeded "$program" 5
xdotool windowclose "$screen_window"
game_ends_well "the window destroyed by xdotool windowclose"

# Last, as it takes the display away: with a dialog open, a lost display ends
# the program with a failure status, and no crash.
echo "== the display goes away while a dialog is open"
start_xvfb 1024x768
display_pid=${helper_pids[-1]}
start_openbox
launch_seeded "$program" 3
keys alt+o p
dialog_opens "Select Players" || fail "Select Players did not open"
kill "$display_pid"
wait_for 10 game_ended || quit_game
wait "$game_pid"
status=$?
game_pid=""
[ $status = 1 ] || fail "losing the display with a dialog open gave exit status $status"
finish
