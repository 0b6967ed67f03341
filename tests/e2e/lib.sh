# Shared by the end-to-end scripts and the figures script: private displays,
# the program's window on X11 or on Wayland, the player's mouse and keys, and
# what the board shows at known pixels of a screenshot.
#
# Sourced by a bash script running with `set -u`, which sets `platform` to x11
# or wayland, and `bitmaps` to the folder of the game's bitmaps.

work=$(mktemp -d)
failures=0
platform=""
# Helpers this script started (displays, compositor, window manager), stopped
# newest first at the end; the program itself is game_pid.
helper_pids=()
game_pid=""

cleanup() {
  # A background job killed before it has started its program runs this too.
  [ "$BASHPID" = $$ ] || return
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  local i
  for ((i = ${#helper_pids[@]} - 1; i >= 0; i--)); do
    kill "${helper_pids[i]}" 2>/dev/null
    wait "${helper_pids[i]}" 2>/dev/null
  done
  rm -rf "$work"
}
trap cleanup EXIT
# Stopped from outside (a test time-out, Ctrl+C), still leave nothing running.
trap 'exit 1' HUP INT TERM

# The tests own their displays, and run without a session bus, as on a
# machine with no desktop session.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime

# Exits as skipped (77) when the first tool is missing, as failed when another is.
require_tools() {
  local skip_tool=$1 tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null && continue
    if [ "$tool" = "$skip_tool" ]; then
      echo "SKIPPED: $tool is not installed (scripts/install-deps installs it)"
      exit 77
    fi
    echo "FAILED: $tool is missing (scripts/install-deps installs it)"
    exit 1
  done
}

fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
  local kept
  kept=$(dirname "$work")/tumbleroad-e2e-$platform-failure-$failures.png
  cp "$work/shot.png" "$kept" 2>/dev/null && echo "  screenshot kept in $kept"
}

finish() {
  if [ $failures -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
  fi
  echo "all end-to-end checks passed"
  exit 0
}

# Polls a command for a few seconds; true as soon as it succeeds.
wait_for() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.05
  done
}

start_xvfb() {
  local number
  number=$(mktemp -p "$work")
  # -noreset: the server stays as it is when its last client leaves.
  Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp -noreset 3>"$number" 2>/dev/null &
  helper_pids+=($!)
  wait_for 5 test -s "$number" || { echo "FAILED: Xvfb did not start"; exit 1; }
  DISPLAY=:$(cat "$number")
  export DISPLAY
}

# ---- the program's window --------------------------------------------------
#
# screen_window is the X window whose screenshots show the board and to which
# the mouse is moved; board point (x, y) is at (origin_x + x, origin_y + y) in
# it. On X11 that is the program's own window; on Wayland, the output window of
# the compositor, where the program's window lands wherever the compositor
# places it.

screen_window=""
origin_x=0
origin_y=0

# With no window to take, import would wait for a click on one, holding the
# X server meanwhile: no window, no screenshot.
shot() { [ -n "$screen_window" ] && import -window "$screen_window" "$work/shot.png" 2>/dev/null; }

board_x() { echo $((origin_x + $1)); }
board_y() { echo $((origin_y + $1)); }

click_board() {
  xdotool mousemove --window "$screen_window" "$(board_x "$1")" "$(board_y "$2")" click 1
  pointer_aside
}
double_click_board() {
  xdotool mousemove --window "$screen_window" "$(board_x "$1")" "$(board_y "$2")" \
    click --repeat 2 --delay 60 1
  pointer_aside
}
press_board() { xdotool mousemove --window "$screen_window" "$(board_x "$1")" "$(board_y "$2")" mousedown 1; }
move_on_board() { xdotool mousemove --window "$screen_window" "$(board_x "$1")" "$(board_y "$2")"; }
keys() {
  xdotool windowfocus --sync "$screen_window" 2>/dev/null
  xdotool key --delay 80 "$@"
}

game_running() { kill -0 "$game_pid" 2>/dev/null; }
game_ended() { ! game_running; }

# Stops the program without asking it.
quit_game() {
  kill "$game_pid" 2>/dev/null
  wait "$game_pid" 2>/dev/null
  game_pid=""
}

# Waits, with a generous hang guard, for the program to end of itself, and
# checks it ended well; what it printed is shown when it did not.
game_ends_well() {
  local what=$1 status
  if ! wait_for 5 game_ended; then
    if window_gone; then
      fail "$what: the window has gone, but the program was still running 5 s later"
    else
      fail "$what: the window is still shown, and the program was still running 5 s later"
    fi
    quit_game
    return 1
  fi
  wait "$game_pid"
  status=$?
  game_pid=""
  if [ $status != 0 ]; then
    fail "$what: exit status $status"
    sed 's/^/  | /' "$work/stderr" | head -40
    return 1
  fi
}

# What differs between the window systems; `platform` says which is in use.
launch() { "launch_$platform" "$@"; }
pointer_aside() { "pointer_aside_$platform"; }
dialog_opens() { "dialog_opens_$platform" "$1"; }
dialog_keys() { "dialog_keys_$platform" "$@"; }
dialog_closes() { "dialog_closes_$platform" "$1"; }
# Another client's window beside the program's, to click on.
start_neighbour() { "start_neighbour_$platform"; }
click_neighbour() { "click_neighbour_$platform"; }
game_unfocused() { "game_unfocused_$platform"; }
# Closes the program's window as a person does, and sees it gone.
close_window() { "close_window_$platform"; }
window_gone() { "window_gone_$platform"; }

# ---- X11: the program's window is an X window ------------------------------

# The first shown window that xdotool's search finds, waiting up to the given
# seconds. One search fails as a whole, with BadWindow, when a window it looks
# at is destroyed under it (a program just stopped, openbox taking a frame
# down): so every try is a search of its own, and a failed one is tried again.
search_window() {
  local seconds=$1 found
  shift
  local deadline=$((SECONDS + seconds))
  while :; do
    found=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -1)
    [ -n "$found" ] && { echo "$found"; return 0; }
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.05
  done
}

# Starts the program and waits for its main window.
launch_x11() {
  "$@" 2>"$work/stderr" &
  game_pid=$!
  screen_window=$(search_window 10 --pid "$game_pid" --name '^Tumbleroad$')
  [ -n "$screen_window" ] || {
    fail "no main window for: $*"
    explain_no_window
    return 1
  }
  local height
  height=$(window_height "$screen_window")
  # Under the menu bar the client area is the board behind a 2-pixel edge,
  # over the 36 rows of the status line.
  origin_x=2
  origin_y=$((height - 482 - 36))
}

# What there is instead of the window: whether the program still runs, what it
# said, and the windows of that name or process, shown or not.
explain_no_window() {
  if game_running; then echo "  the program is running"; else echo "  the program has ended"; fi
  sed 's/^/  | /' "$work/stderr" | head -20
  xdotool search --pid "$game_pid" 2>/dev/null | while read -r id; do
    echo "  its window $id: $(xwininfo -id "$id" 2>/dev/null | grep -E 'Map State|geometry' | tr -s ' ' | tr '\n' ' ')"
    xprop -id "$id" WM_NAME 2>/dev/null | sed 's/^/    /'
  done
  local since=$SECONDS
  search_window 20 --pid "$game_pid" --name '^Tumbleroad$' >/dev/null &&
    echo "  the window was shown $((SECONDS - since)) s later"
}

window_height() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p'; }

# X screenshots of a window leave the pointer out.
pointer_aside_x11() { :; }

# Dialogs are windows of their own, found by their titles.
dialog=""
dialog_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
dialog_found() {
  dialog=$(dialog_window "$1")
  [ -n "$dialog" ]
}
dialog_opens_x11() { wait_for 5 dialog_found "$1"; }
dialog_keys_x11() {
  xdotool windowfocus --sync "$dialog" 2>/dev/null
  xdotool key --delay 80 "$@"
}
no_dialog() { [ -z "$(dialog_window "$1")" ]; }
dialog_closes_x11() { wait_for 8 no_dialog "$1" || { fail "the $1 dialog did not close"; return 1; }; }

# The focus moves, and Alt+F4 closes, only under a window manager. Openbox
# runs with its own defaults (Alt+F4 closes), not a configuration found in the
# home folder.
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
start_openbox() {
  mkdir -p "$work/config"
  XDG_CONFIG_HOME=$work/config openbox --sm-disable >"$work/openbox.log" 2>&1 &
  helper_pids+=($!)
  wait_for 10 wm_running || { echo "FAILED: openbox did not start"; cat "$work/openbox.log"; exit 1; }
}

neighbour_window=""
start_neighbour_x11() {
  xev -geometry 200x200+800+60 >/dev/null &
  helper_pids+=($!)
  neighbour_window=$(search_window 5 --name '^Event Tester$')
  [ -n "$neighbour_window" ] || { fail "the second window did not appear"; return 1; }
}
click_neighbour_x11() { xdotool mousemove --window "$neighbour_window" 100 100 click 1; }
game_unfocused_x11() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$neighbour_window" ]; }
close_window_x11() { xdotool key alt+F4; }
window_gone_x11() { ! xwininfo -id "$screen_window" 2>/dev/null | grep -q IsViewable; }

# ---- Wayland: weston inside the Xvfb ---------------------------------------
#
# Weston runs with two outputs, each an X window: the program's window opens
# on the first, and the second holds another client, so that clicking it moves
# the focus away without covering the board. Weston draws the pointer into its
# outputs, so the pointer rests on the second output while the board is looked
# at. A dialog opens on the output under the pointer, the second one, and is
# known by the main window giving up the focus: on Wayland no other client can
# find a window by its title.

weston_background=3C5A78
output_window=""
neighbour_output=""
# The program's window in output_window: its left, top, right and bottom edges.
frame=()

outputs_up() {
  output_window=$(output_of screen0)
  neighbour_output=$(output_of screen1)
  [ -n "$output_window" ] && [ -n "$neighbour_output" ]
}
shell_drawn() { shot && [ "$(pixel "$work/shot.png" 0 0)" = "$weston_background" ]; }
neighbour_shown() {
  import -window "$neighbour_output" "$work/neighbour.png" 2>/dev/null &&
    [ "$(pixel "$work/neighbour.png" 160 160)" != "$weston_background" ]
}
pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info: 2>/dev/null; }

output_of() { xwininfo -root -tree | sed -n "s/^ *\(0x[0-9a-f]*\) \"Weston Compositor - $1\".*/\1/p"; }

start_weston() {
  cat >"$work/weston.ini" <<EOF
[core]
idle-time=0

[shell]
panel-position=none
background-color=0xff$weston_background
locking=false
animation=none
close-animation=none
startup-animation=none
focus-animation=none

# No on-screen keyboard.
[input-method]
path=

[output]
name=screen0
mode=600x680

[output]
name=screen1
mode=320x320
EOF
  weston --backend=x11-backend.so --use-pixman --socket=tumbleroad-e2e --output-count=2 \
    --config="$work/weston.ini" >"$work/weston.log" 2>&1 &
  helper_pids+=($!)
  wait_for 10 outputs_up || { echo "FAILED: weston did not start"; cat "$work/weston.log"; exit 1; }
  # With no X window manager both outputs open at the screen's corner.
  xdotool windowmove --sync "$neighbour_output" 620 0
  # The pointer starts at the first output's top left, where it would be
  # taken for part of a window there.
  pointer_aside_wayland
  # Keys reach weston through the X focus, which nothing else moves here.
  xdotool windowfocus --sync "$output_window"
  export WAYLAND_DISPLAY=tumbleroad-e2e
  screen_window=$output_window
  if ! wait_for 10 shell_drawn; then
    echo "FAILED: weston's desktop did not appear"
    cp "$work/shot.png" "$(dirname "$work")/tumbleroad-e2e-wayland-desktop.png" 2>/dev/null
    cat "$work/weston.log"
    exit 1
  fi
}

pointer_aside_wayland() { xdotool mousemove --window "$neighbour_output" 300 300; }
window_inactive() { ! window_active; }
dialog_opens_wayland() { wait_for 5 window_inactive; }
dialog_keys_wayland() { xdotool key --delay 80 "$@"; }
dialog_closes_wayland() { wait_for 8 window_active || { fail "the $1 dialog did not close"; return 1; }; }

# Another client on the second output.
start_neighbour_wayland() {
  xdotool mousemove --window "$neighbour_output" 160 160
  weston-simple-shm >/dev/null 2>&1 &
  helper_pids+=($!)
  wait_for 5 neighbour_shown || { fail "the second client did not appear"; return 1; }
}
# Wherever weston places it, its 250-pixel window covers the output's middle.
click_neighbour_wayland() { xdotool mousemove --window "$neighbour_output" 160 160 click 1; }
game_unfocused_wayland() { window_inactive; }
# The close button at the right of Qt's title bar.
close_window_wayland() {
  xdotool mousemove --window "$output_window" $((frame[2] - 17)) $((frame[1] + 15)) click 1
  pointer_aside
}
# Nothing but the background is left on the output.
window_gone_wayland() { shot && [ "$(convert "$work/shot.png" -format %k info:)" = 1 ]; }

# Starts the program on weston's first output and finds its board there.
launch_wayland() {
  # A window of a program that has just ended can linger on the output a moment.
  wait_for 5 window_gone || { fail "a window is left on weston's output"; return 1; }
  # Weston opens a window on the output under the pointer. Wherever on the
  # output it lands, the window covers this point, so the pointer's picture
  # never widens what differs from the background.
  xdotool mousemove --window "$output_window" 300 400
  env -u DISPLAY QT_QPA_PLATFORM=wayland "$@" 2>"$work/stderr" &
  game_pid=$!
  wait_for 10 find_board || { fail "no board on weston's output for: $*"; return 1; }
  pointer_aside
  wait_for 3 window_active || fail "the new window did not take the keyboard focus"
}

# The left, top, right and bottom edges of what differs from the background.
window_edges() {
  convert "$work/shot.png" -bordercolor "#$weston_background" -border 1 -trim \
    -format '%X %Y %w %h' info: 2>/dev/null | tr -d + | {
    read -r left top width height
    echo $((left - 1)) $((top - 1)) $((left - 1 + width)) $((top - 1 + height))
  }
}

# The board sits at the right of the window behind Qt's frame, over the 36
# rows of the status line; the Player 1 banner below it gives its exact place.
find_board() {
  shot || return 1
  read -r -a frame <<<"$(window_edges)"
  [ ${#frame[@]} = 4 ] && [ $((frame[2] - frame[0])) -ge 484 ] && [ $((frame[3] - frame[1])) -ge 484 ] ||
    return 1
  local guess_x=$((frame[2] - 485 + 164)) guess_y=$((frame[3] - 485 - 36 + 447)) margin=8
  convert "$bitmaps/145.bmp" -crop 157x33+0+0 +repage "$work/banner.png"
  convert "$work/shot.png" -crop "$((157 + 2 * margin))x$((33 + 2 * margin))+$((guess_x - margin))+$((guess_y - margin))" \
    +repage "$work/near.png"
  local found found_x found_y
  found=$(compare -metric AE -dissimilarity-threshold 1 -subimage-search "$work/near.png" \
    "$work/banner.png" null: 2>&1 | sed -n 's/^0 @ \([0-9]*\),\([0-9]*\)$/\1 \2/p')
  [ -n "$found" ] || return 1
  read -r found_x found_y <<<"$found"
  origin_x=$((guess_x - margin + found_x - 164))
  origin_y=$((guess_y - margin + found_y - 447))
}

# Qt draws the title bar: black text and buttons while the window has the
# keyboard focus, grey without it.
window_active() {
  shot || return 1
  local dark
  dark=$(convert "$work/shot.png" -crop "$((frame[2] - frame[0] - 60))x20+$((frame[0] + 50))+$((frame[1] + 4))" \
    +repage -format '%[fx:minima.intensity]' info:)
  [ "$dark" = 0 ]
}

# Starts a build of the program with a fixed seed and waits until its opening
# throw has settled on the faces that seed throws; fails only when no window
# came (a throw that never settles is reported and the scenario goes on).
launch_seeded() {
  local binary=$1 seed=$2
  seed_dice "$seed"
  launch "$binary" --seed="$seed" || return
  throw_dice
  wait_until "the opening throw settles" 5 shows_thrown
  return 0
}

# ---- what the board shows ---------------------------------------------------

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

# Hex colours of board points of the last screenshot: "x,y x,y ...".
board_colours() {
  local format="" point
  for point in "$@"; do
    format+="%[hex:p{$(board_x "${point%,*}"),$(board_y "${point#*,}")}] "
  done
  convert "$work/shot.png" -format "$format" info: 2>/dev/null
}

bitmap_colour() { pixel "$bitmaps/$1.bmp" "$2" "$3"; }

# The w × h picture at board point (x, y) equals the one at (sx, sy) of a bitmap.
board_shows() {
  local x=$1 y=$2 w=$3 h=$4 bitmap=$5 sx=$6 sy=$7
  convert "$work/shot.png" -crop "${w}x${h}+$(board_x "$x")+$(board_y "$y")" +repage "$work/a.png"
  convert "$bitmaps/$bitmap.bmp" -crop "${w}x${h}+${sx}+${sy}" +repage "$work/b.png"
  [ "$(compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1)" = 0 ]
}

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

banner_is() { board_shows 164 447 157 33 "$1" 0 0; }
buttons_blank() { board_shows 4 210 24 53 136 96 0 && board_shows 447 210 24 53 136 96 0; }
buttons_live() { board_shows 4 210 24 53 136 48 0 && board_shows 447 210 24 53 136 72 0; }
# Only the top of ROLL: the pointer holding it down lies over the rest on Wayland.
roll_pressed() { board_shows 447 210 24 26 136 24 0; }

# The centre of a seat's hole in the bottom cell of a column.
hole_colour() {
  local column=$1 seat=$2
  local x=$((cell_x[column] + 4 + 12 * (seat % 2))) y=$((cell_y[column] + 4 + 12 * (seat / 2)))
  board_colours "$x,$y" | tr -d ' '
}

# Board points to click.
die_point() { echo "$((die_x[$1] + 35)) $((die_y[$1] + 35))"; }
roll_point="460 240"
stop_point="17 240"

board_colours_known() {
  white=$(bitmap_colour 132 5 6)
  blue=$(bitmap_colour 132 51 6)
  empty_hole=$(bitmap_colour 132 79 6)
}

# ---- the dice the seed throws -----------------------------------------------

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
