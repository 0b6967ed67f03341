#!/usr/bin/env python3
"""Reads a film of the board (raw RGB frames of SIZE x SIZE, the board scaled
down without smoothing) from standard input and the frames' wall-clock times
from ffmpeg's showinfo log, and prints how long each step of the computer's
turn stayed on the screen; given the file holding the time F2 was pressed,
the time from then to the new game's first frame (the board without pegs).

  pace_frames.py SPEED SHOWINFO_LOG [F2_TIME_FILE]
"""
import re
import statistics
import sys

SIZE = 120           # the 480-pixel board, one sample every 4 pixels
STEP = 480 // SIZE
DICE = [(2, 2), (407, 3), (3, 405), (406, 405)]  # top-left corners, 70 x 71
BANNER = (164, 447, 157, 33)
MIDDLE = (80, 40, 320, 360)  # the columns, clear of the dice and the buttons


def samples(frame, x, y, w, h):
    out = []
    for row in range(y // STEP + 1, (y + h) // STEP - 1):
        start = (row * SIZE + x // STEP + 1) * 3
        out.append(frame[start:start + ((w // STEP) - 2) * 3])
    return b"".join(out)


def die_state(frame, die):
    x, y = DICE[die]
    pixels = samples(frame, x, y, 70, 71)
    dark = sum(1 for i in range(0, len(pixels), 3) if max(pixels[i:i + 3]) < 80)
    share = 3 * dark / len(pixels)
    if share > 0.5:
        return "K"  # chosen: drawn black
    if dark == 0:
        return "B"  # played: blank
    return "F" + str(hash(pixels))  # a face


def main():
    speed, log = sys.argv[1], sys.argv[2]
    # The wall-clock time F2 was pressed, in a file written meanwhile.
    f2_file = sys.argv[3] if len(sys.argv) > 3 else None
    frame_bytes = SIZE * SIZE * 3
    states = []
    empty_middle = None
    while True:
        frame = sys.stdin.buffer.read(frame_bytes)
        if len(frame) < frame_bytes:
            break
        dice = tuple(die_state(frame, d) for d in range(4))
        middle = hash(samples(frame, *MIDDLE))
        # The empty board: as the opening throw begins, once the dialog that
        # started the game has gone.
        if empty_middle is None and states and dice != states[0][0]:
            empty_middle = middle
        states.append((dice, hash(samples(frame, *BANNER)), middle))
    times = [int(m.group(1)) / 1e6 for m in re.finditer(r"n:\s*\d+ pts:(\d+)", open(log).read())]
    n = min(len(times), len(states))
    times, states = times[:n], states[:n]
    if n < 2:
        print(f"{speed}: no frames filmed")
        return

    def runs(test):
        """(start, end) times of the maximal runs of frames passing the test."""
        found, start = [], None
        for i, state in enumerate(states):
            if test(state) and start is None:
                start = i
            elif not test(state) and start is not None:
                found.append((times[start], times[i]))
                start = None
        return found

    def ms(values):
        if not values:
            return "none seen"
        values = [1000 * v for v in values]
        return f"median {statistics.median(values):.0f} ms ({min(values):.0f} ... {max(values):.0f}, {len(values)} seen)"

    if f2_file:
        f2_sent = float(open(f2_file).read())
        before = [st for t, st in zip(times, states) if t <= f2_sent]
        # In the middle of a move: a chosen die black or a played one blank.
        moving = bool(before) and any(d in ("K", "B") for d in before[-1][0])
        after = [i for i in range(n) if times[i] > f2_sent]
        reacted = next((times[i] for i in after if states[i][0] != before[-1][0]), None)
        # The new game throws die by die: once the last die tumbles, all four
        # show faces again.
        thrown = next((times[i] for i in after if all(d.startswith("F") for d in states[i][0])), None)

        def since_f2(t):
            return f"{1000 * (t - f2_sent):.0f} ms" if t is not None else "not seen"

        print(f"{speed}: F2 pressed while the computer plays (mid-move: {'yes' if moving else 'no'}): "
              f"first change on the board {since_f2(reacted)}, new game's throw on all four dice "
              f"{since_f2(thrown)}")
        return

    black = [end - start for start, end in runs(lambda s: s[0].count("K") == 2)]
    # A settled throw: four faces, unchanged from one frame to the next, until
    # the computer shows its first chosen die.
    settled = []
    since = None
    for i in range(1, n):
        dice, previous = states[i][0], states[i - 1][0]
        fresh = all(d.startswith("F") for d in dice)
        if fresh and dice != previous:
            since = times[i]
        elif since is not None and "K" in dice and all(d.startswith("F") for d in previous):
            settled.append(times[i] - since)
            since = None
        elif not fresh:
            since = None
    first_change = next((times[i] for i in range(1, n) if states[i][0] != states[0][0]), None)
    turn_end = next((times[i] for i in range(n) if states[i][1] != states[0][1]), None)
    print(f"{speed}: chosen dice black: {ms(black)}")
    print(f"{speed}: settled throw before the computer acts: {ms(settled)}")
    if first_change is not None and turn_end is not None:
        print(f"{speed}: whole computer turn, opening throw to the next player's banner: "
              f"{1000 * (turn_end - first_change):.0f} ms")
    else:
        print(f"{speed}: whole computer turn: not over within the film")


if __name__ == "__main__":
    main()
