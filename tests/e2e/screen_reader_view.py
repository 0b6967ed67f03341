"""The board as a screen reader sees it over AT-SPI, before and after a pair
and a roll played with the keyboard, and what it is told as they happen.
Run on a private D-Bus session (run_accessibility.sh):

    screen_reader_view.py PROGRAM
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

SEED = 4242
PLACES = ["Top-left", "Top-right", "Bottom-left", "Bottom-right"]
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAILED: " + what)


class Dice:
    """The throws the seed makes: each die draws twelve faces, keeps the last."""

    def __init__(self, seed):
        self.state = seed

    def throw(self):
        faces = []
        for _ in range(4):
            for _ in range(12):
                self.state = (self.state * 214013 + 2531011) & 0xFFFFFFFF
                face = ((self.state >> 16) & 0x7FFF) % 6 + 1
            faces.append(face)
        return faces


def wait_until(condition, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):
            pass
        if condition():
            return True
        time.sleep(0.05)
    return condition()


heard = []


def hear(event):
    heard.append((event.type, event.source.name, event.detail1))


def has(part, state):
    return part.getState().contains(state)


def dump(board):
    for part in board:
        states = [pyatspi.stateToString(s) for s in part.getState().getStates()]
        print("  %s %r %s" % (part.getRoleName(), part.name, " ".join(sorted(states))))


def read_board(board, faces, column, buttons_live, step):
    """Checks every die, the buttons, a column and the banner."""
    for die, face in enumerate(faces):
        name = "%s die: %s" % (PLACES[die], face if face else "used")
        check(board[die].name == name, "%s: %r, not %r" % (step, board[die].name, name))
        check(has(board[die], pyatspi.STATE_ENABLED) == bool(face),
              "%s: %s is enabled only while it shows a face" % (step, name))
        check(not has(board[die], pyatspi.STATE_CHECKED), "%s: %s is checked" % (step, name))
    for index, name in ((4, "ROLL"), (5, "STOP")):
        button = board[index]
        check(button.getRoleName() == "push button" and button.name == name,
              "%s: part %d is %s %r" % (step, index, button.getRoleName(), button.name))
        check(has(button, pyatspi.STATE_ENABLED) == buttons_live,
              "%s: %s enabled is not %s" % (step, name, buttons_live))
    check(board[4 + column[0]].name == column[1],
          "%s: %r, not %r" % (step, board[4 + column[0]].name, column[1]))
    check(board[17].getRoleName() == "label" and board[17].name == "Player 1",
          "%s: the banner reads %r" % (step, board[17].name))


def main(program):
    work = tempfile.mkdtemp()
    processes = []
    display = os.path.join(work, "display")
    with open(display, "w") as fd:
        processes.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(fd.fileno()), "-screen", "0", "1024x768x24",
             "-nolisten", "tcp"], pass_fds=[fd.fileno()], stderr=subprocess.DEVNULL))
    try:
        wait_until(lambda: os.path.getsize(display) > 0, 5)
        os.environ["DISPLAY"] = ":" + open(display).read().strip()
        processes.append(subprocess.Popen(
            ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"]))
        game = subprocess.Popen([program, "--seed=%d" % SEED],
                                env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        processes.append(game)
        window = subprocess.run(
            ["timeout", "10", "xdotool", "search", "--sync", "--onlyvisible", "--pid",
             str(game.pid), "--name", "^Tumbleroad$"], capture_output=True, text=True
        ).stdout.split()
        if not window:
            check(False, "the main window did not appear")
            return
        play(window[0])
    finally:
        for process in reversed(processes):
            process.terminate()
            process.wait()


def find_board():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "tumbleroad":
            return pyatspi.findDescendant(app, lambda a: a.name == "Tumbleroad board")
    return None


def play(window):
    def keys(*names):
        subprocess.run(["xdotool", "windowfocus", "--sync", window], stderr=subprocess.DEVNULL)
        subprocess.run(["xdotool", "key", "--delay", "80"] + list(names))

    dice = Dice(SEED)
    board = None

    def board_found():
        nonlocal board
        board = find_board()
        return board is not None

    def shows(faces):
        return [board[d].name for d in range(4)] == [
            "%s die: %d" % (PLACES[d], faces[d]) for d in range(4)]

    first = dice.throw()
    if not wait_until(lambda: board_found() and shows(first)):
        check(False, "no board reading the opening throw %s" % first)
        return
    pyatspi.Registry.registerEventListener(
        hear, "object:property-change:accessible-name", "object:state-changed")
    subprocess.run(["xdotool", "windowfocus", "--sync", window], stderr=subprocess.DEVNULL)
    check(wait_until(lambda: has(board, pyatspi.STATE_FOCUSED), 5),
          "the board does not have the keyboard when its window is active")
    check("Enter plays" in board.description, "the board's description does not name its keys")
    column = first[0] + first[1]
    print("== before: the opening throw %s" % first)
    dump(board)
    read_board(board, first, (column, "Column %d: empty" % column), False, "opening throw")

    keys("1", "2", "Return")
    check(wait_until(lambda: board[1].name == "Top-right die: used"),
          "keys 1 2 Enter did not play the top dice")
    print("== after 1 2 Enter")
    dump(board)
    read_board(board, [0, 0] + first[2:], (column, "Column %d: white peg at 1" % column),
               True, "after the pair")
    check(("object:property-change:accessible-name", "Top-left die: used", 0) in heard,
          "the top-left die was not announced as used")
    check(("object:state-changed:enabled", "ROLL", 1) in heard, "ROLL was not announced live")

    # The dice tumble face by face; the screen reader is told once they settle.
    del heard[:]
    second = dice.throw()
    keys("r")

    def names_heard(die):
        return [name for kind, name, _ in heard
                if kind.endswith("accessible-name") and name.startswith(PLACES[die] + " ")]

    check(wait_until(lambda: names_heard(0)), "the throw of R was not announced")
    print("== after R: the throw %s" % second)
    dump(board)
    read_board(board, second, (column, "Column %d: white peg at 1" % column), False,
               "after ROLL")
    for die in range(4):
        settled = ["%s die: %d" % (PLACES[die], second[die])]
        check(names_heard(die) == settled if die < 2 else names_heard(die) in ([], settled),
              "the %s die was announced as %s, not once as %s" % (
                  PLACES[die], names_heard(die), settled))

    board[2].queryAction().doAction(0)
    check(wait_until(lambda: has(board[2], pyatspi.STATE_CHECKED)),
          "the press action did not choose the bottom-left die")


if __name__ == "__main__":
    main(sys.argv[1])
    if failures:
        print("%d check(s) failed" % len(failures))
        sys.exit(1)
    print("all accessibility checks passed")
