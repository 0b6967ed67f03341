#!/usr/bin/env bash
# End-to-end tests of the real program as a native Wayland client: weston runs
# inside a private Xvfb (its outputs are X windows), the program runs with Qt's
# Wayland platform, and xdotool clicks and types on weston's output as a player
# would. The scenarios are those of the X11 tests; the dialogs are driven by
# the keyboard and known by the focus they take, since on Wayland no other
# client can find a window by its title. Skipped where weston is not installed.
#
#   run_wayland.sh PROGRAM BITMAP_FOLDER
set -u
source "$(dirname "$0")/scenarios.sh" "$@"
platform=wayland

require_tools weston Xvfb weston-simple-shm xdotool xwininfo import convert compare
start_xvfb 1024x768
start_weston
board_colours_known

scenario_person_turns
scenario_computer_turn
quit_game
scenario_focus_change_during_throw
scenario_close_during_throw
scenario_close_during_computer_turn
scenario_menu_keys_during_throw
finish
