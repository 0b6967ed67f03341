# The end-to-end scenarios both window systems run, a player's view of the
# game: each starts the program, plays through the mouse and the keyboard as a
# person would, and checks the board's pixels. Sourced with the runner's
# arguments, PROGRAM and BITMAP_FOLDER; brings lib.sh with it.
program=$1
bitmaps=$2
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# A person's turns and the buttons: a pair, ROLL held and cancelled, ROLL,
# a second pair, STOP, F2, and Game > Exit.
scenario_person_turns() {
  echo "== start-up, a pair, ROLL held and cancelled, ROLL, STOP, F2, Game > Exit"
  local seed=4242
  seed_dice $seed
  launch "$program" --seed=$seed || return
  throw_dice
  wait_until "the opening throw shows ${thrown[*]}" 5 shows_thrown
  banner_is 145 || fail "the banner does not name Player 1"
  buttons_blank || fail "ROLL and STOP are not blank after the opening throw"
  [ "$(hole_colour 7 0)" = "$empty_hole" ] || fail "a peg stands on the board at start-up"

  column=$((thrown[0] + thrown[1]))
  click_board $(die_point 0)
  wait_until "die 0 turns black when clicked" 3 die_is_black 0
  double_click_board $(die_point 1)
  wait_until "double-clicking die 1 plays dice 0 and 1 into column $column" 3 first_pair_played

  press_board $roll_point
  wait_until "ROLL shows pressed while held" 3 roll_pressed
  move_on_board 240 100
  wait_until "moving off ROLL shows it live again" 3 buttons_live
  xdotool mouseup 1
  pointer_aside
  sleep 0.3
  shot
  [ "$(die_face 0)" = 0 ] || fail "releasing a cancelled ROLL threw the dice"

  click_board $roll_point
  throw_dice
  wait_until "ROLL throws ${thrown[*]}" 5 shows_thrown
  buttons_blank || fail "the buttons are not blank after a throw"

  click_board $(die_point 2)
  double_click_board $(die_point 3)
  wait_until "dice 2 and 3 are played" 3 second_pair_played

  click_board $stop_point
  throw_dice
  wait_until "STOP passes the turn to Player 2, who throws ${thrown[*]}" 5 player_two_throws
  [ "$(hole_colour "$column" 0)" = "$blue" ] || fail "STOP did not leave a blue peg in column $column"

  keys F2
  throw_dice
  wait_until "F2 starts a new game that throws ${thrown[*]}" 5 new_game_thrown

  keys alt+g x
  game_ends_well "Game > Exit"
}
first_pair_played() {
  [ "$(die_face 0)" = 0 ] && [ "$(die_face 1)" = 0 ] && buttons_live &&
    [ "$(hole_colour "$column" 0)" = "$white" ]
}
second_pair_played() { [ "$(die_face 2)" = 0 ] && [ "$(die_face 3)" = 0 ] && buttons_live; }
player_two_throws() { banner_is 146 && shows_thrown; }
new_game_thrown() { banner_is 145 && shows_thrown && [ "$(hole_colour "$column" 0)" = "$empty_hole" ]; }

# Options by keyboard, then a turn of the computer's with a click made during
# it. The game is left running, for what the window system adds.
scenario_computer_turn() {
  echo "== Options by keyboard; the computer's turn; a click made during it"
  local seed=99
  launch_seeded "$program" $seed || return

  keys alt+o n
  if dialog_opens "Number of Columns"; then
    dialog_keys Escape
    dialog_closes "Number of Columns"
  else
    fail "Alt+O N did not open Number of Columns"
  fi

  keys alt+o p
  if dialog_opens "Select Players"; then
    # OK, Cancel, Player 1 Human, Player 1 Computer, Player 2 Human, Player 2 Computer.
    dialog_keys Tab Tab Tab Tab Tab space Return
    dialog_closes "Select Players"
    throw_dice
  else
    fail "Alt+O P did not open Select Players"
  fi
  wait_until "OK in Select Players starts a new game throwing ${thrown[*]}" 5 shows_thrown

  click_board $(die_point 0)
  double_click_board $(die_point 1)
  wait_until "Player 1 plays a pair" 3 buttons_live
  # STOP hands the turn to the computer; the click on die 2 made while it
  # plays is dropped, so Player 1's next throw comes with no die chosen. At
  # the normal pace this turn of the computer's takes some 30 s.
  click_board $stop_point
  click_board $(die_point 2)
  wait_until "the computer plays Player 2's turn and throws for Player 1" 60 back_to_player_one
  # A replayed click would come once Player 1's throw has settled.
  sleep 1.5
  shot
  no_die_chosen || fail "the click made during the computer's turn chose a die"
}
back_to_player_one() { banner_is 145 && [ "$(die_face 0)" != 0 ]; }
no_die_chosen() { ! die_is_black 0 && ! die_is_black 1 && ! die_is_black 2 && ! die_is_black 3; }

# Clicks made while the dice roll, and the focus moving to another window
# before they are handled: the clicks play the dice of the new throw, and
# nothing more.
scenario_focus_change_during_throw() {
  echo "== a pair clicked during a throw, then a click on another window"
  start_neighbour || return
  local seed=7
  seed_dice $seed
  launch "$program" --seed=$seed || return
  throw_dice
  wait_until "the opening throw shows ${thrown[*]}" 5 shows_thrown
  column=$((thrown[0] + thrown[1]))
  click_board $(die_point 0)
  double_click_board $(die_point 1)
  wait_until "dice 0 and 1 are played into column $column" 3 first_pair_played

  click_board $roll_point
  click_board $(die_point 2)
  double_click_board $(die_point 3)
  click_neighbour
  throw_dice
  column=$((thrown[2] + thrown[3]))
  wait_until "the throw shows ${thrown[0]} ${thrown[1]} and plays its dice 2 and 3 into column $column" 5 \
    new_throw_pair_played
  game_unfocused || fail "clicking the other window left the focus in the game"
  # A throw started by the held clicks would have changed dice 0 and 1 by now.
  sleep 1.5
  shot
  new_throw_pair_played || fail "another throw followed the pair played from the held clicks"
  quit_game
}
new_throw_pair_played() {
  [ "$(die_face 0) $(die_face 1) $(die_face 2) $(die_face 3)" = "${thrown[0]} ${thrown[1]} 0 0" ] &&
    [ "$(hole_colour "$column" 0)" = "$white" ] && buttons_live
}

# Menu keys held through a throw open no menu on one not yet shown (fatal on Wayland).
scenario_menu_keys_during_throw() {
  echo "== F2, then Alt+O S N while the new game's dice roll"
  launch_seeded "$program" 12 || return
  keys F2 alt+o s n
  sleep 2
  game_running || fail "menu keys during a throw ended the program: $(tail -1 "$work/stderr")"
  quit_game
}

# Closing the window while a handler runs ends the program at once: during
# the opening throw of a new game, and during a turn of the computer's.
scenario_close_during_throw() {
  echo "== the window closed during the opening throw of a new game"
  local seed=31
  launch_seeded "$program" $seed || return
  keys F2
  close_window
  wait_for 5 window_gone || fail "the window stayed on the screen after the close during a throw"
  game_ends_well "closed during a throw"
}

scenario_close_during_computer_turn() {
  echo "== the window closed during a turn of the computer's"
  local seed=12
  launch_seeded "$program" $seed || return
  keys alt+o p
  if ! dialog_opens "Select Players"; then
    fail "Alt+O P did not open Select Players"
    quit_game
    return
  fi
  # OK, Cancel, Player 1 Human, Player 1 Computer: the computer plays first.
  dialog_keys Tab Tab Tab space Return
  dialog_closes "Select Players"
  # Into the computer's second throw; this seed gives it a turn of several.
  sleep 1.2
  shot
  banner_is 145 || fail "the computer's turn was not under way when closing"
  close_window
  wait_for 5 window_gone || fail "the window stayed on the screen after the close during the computer's turn"
  game_ends_well "closed during the computer's turn"
}
