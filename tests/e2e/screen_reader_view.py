"""The board as a screen reader sees it over AT-SPI, before and after a pair
and a roll played with the keyboard, and what it is told meanwhile. Runs on a
private D-Bus session (run_accessibility.sh):  screen_reader_view.py PROGRAM
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
heard = []  # (event type, part's name, detail)


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAILED: " + what)


def throws(state):
    """The seed's throws: each die draws twelve faces and keeps the last."""
    while True:
        faces = []
        for draw in range(48):
            state = (state * 214013 + 2531011) & 0xFFFFFFFF
            if draw % 12 == 11:
                faces.append(((state >> 16) & 0x7FFF) % 6 + 1)
        yield faces


def wait_until(condition, seconds=20):
    """The condition's value once it holds, or at the deadline."""
    deadline = time.monotonic() + seconds
    while not condition() and time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.05)
    return condition()


def find_board():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "tumbleroad":
            return pyatspi.findDescendant(app, lambda a: a.name == "Tumbleroad board")
    return None


def has(part, state):
    return part.getState().contains(state)


def read_board(board, faces, live, column, step):
    print("== %s" % step)
    for part in board:
        print("  %s %r%s" % (part.getRoleName(), part.name,
                             "" if has(part, pyatspi.STATE_ENABLED) else " (disabled)"))
    for die, face in enumerate(faces):
        name = "%s die: %s" % (PLACES[die], face or "used")
        check(board[die].getRoleName() == "check box" and board[die].name == name
              and has(board[die], pyatspi.STATE_ENABLED) == bool(face)
              and not has(board[die], pyatspi.STATE_CHECKED), "%s: %s" % (step, name))
    for part in (board[4], board[5]):
        check(part.getRoleName() == "push button" and has(part, pyatspi.STATE_ENABLED) == live,
              "%s: %s live %s" % (step, part.name, live))
    check([board[4].name, board[5].name, board[17].name] == ["ROLL", "STOP", "Player 1"]
          and board[17].getRoleName() == "label", "%s: buttons and banner" % step)
    check(board[4 + column[0]].name == column[1], "%s: %s" % (step, column[1]))


def play(window, board):
    def keys(*names):
        subprocess.run(["xdotool", "windowfocus", "--sync", window], stderr=subprocess.DEVNULL)
        subprocess.run(["xdotool", "key", "--delay", "80"] + list(names))

    def names_heard(die):
        return [name for kind, name, _ in heard
                if kind.endswith("accessible-name") and name.startswith(PLACES[die] + " ")]

    dice = throws(SEED)
    first = next(dice)
    shown = ["%s die: %d" % (PLACES[d], first[d]) for d in range(4)]
    if not wait_until(lambda: [board[d].name for d in range(4)] == shown):
        return check(False, "the board does not read the opening throw %s" % first)
    pyatspi.Registry.registerEventListener(
        lambda event: heard.append((event.type, event.source.name, event.detail1)),
        "object:property-change:accessible-name", "object:state-changed")
    subprocess.run(["xdotool", "windowfocus", "--sync", window], stderr=subprocess.DEVNULL)
    check(wait_until(lambda: has(board, pyatspi.STATE_FOCUSED), 5),
          "the board does not have the keyboard when its window is active")
    column = first[0] + first[1]
    read_board(board, first, False, (column, "Column %d: empty" % column), "opening throw")

    keys("1", "2", "Return")
    check(wait_until(lambda: names_heard(1) == ["Top-right die: used"]),
          "1 2 Enter: the top-right die was not announced as used")
    check(("object:state-changed:enabled", "ROLL", 1) in heard, "ROLL was not announced live")
    peg = (column, "Column %d: white peg at 1" % column)
    read_board(board, [0, 0] + first[2:], True, peg, "after 1 2 Enter")

    # The dice tumble face by face; each is announced once, as it settled.
    del heard[:]
    second = next(dice)
    keys("r")
    check(wait_until(lambda: names_heard(1)), "the throw of R was not announced")
    read_board(board, second, False, peg, "after R")
    for die in range(4):
        settled = ["%s die: %d" % (PLACES[die], second[die])]
        check(names_heard(die) in ([settled] if die < 2 else [[], settled]),
              "the %s die was announced as %s" % (PLACES[die], names_heard(die)))

    board[2].queryAction().doAction(0)
    check(wait_until(lambda: has(board[2], pyatspi.STATE_CHECKED)),
          "the press action did not choose the bottom-left die")


def main(program):
    work = tempfile.mkdtemp()
    display = os.path.join(work, "display")
    processes = []
    with open(display, "w") as fd:
        processes.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(fd.fileno()), "-screen", "0", "1024x768x24",
             "-nolisten", "tcp"], pass_fds=[fd.fileno()], stderr=subprocess.DEVNULL))
    try:
        wait_until(lambda: os.path.getsize(display) > 0, 5)
        os.environ["DISPLAY"] = ":" + open(display).read().strip()
        processes.append(subprocess.Popen(["/usr/libexec/at-spi-bus-launcher",
                                           "--launch-immediately"]))
        processes.append(subprocess.Popen(
            [program, "--seed=%d" % SEED],
            env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")))
        window = subprocess.run(
            ["timeout", "10", "xdotool", "search", "--sync", "--onlyvisible", "--pid",
             str(processes[-1].pid), "--name", "^Tumbleroad$"], capture_output=True,
            text=True).stdout.split()
        board = window and wait_until(find_board)
        if not board:
            return check(False, "no main window, or no board on the accessibility bus")
        play(window[0], board)
    finally:
        for process in reversed(processes):
            process.terminate()
            process.wait()


if __name__ == "__main__":
    main(sys.argv[1])
    print("%d check(s) failed" % len(failures) if failures else "all accessibility checks passed")
    sys.exit(1 if failures else 0)
