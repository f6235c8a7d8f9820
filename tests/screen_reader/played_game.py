"""What the tests that play the real game share: their checks, their time limit, and the rule of the game
by which a ship cell's piece follows from the ship cells around it."""

import faulthandler
import signal
import subprocess
import sys

from desktop_session import SessionError


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def piece_between(ships, row, column):
    """The piece of a ship cell from the ship cells around it: ships lie across or down and never touch."""
    up, down = (row - 1, column) in ships, (row + 1, column) in ships
    left, right = (row, column - 1) in ships, (row, column + 1) in ships
    if up or down:
        return "Square" if up and down else "Bottom" if up else "Top"
    if left or right:
        return "Square" if left and right else "Right" if left else "Left"
    return "Submarine"


def run(main, whole_run):
    """Runs main with the program's path from the command line, failing it after whole_run seconds; exits 1
    with the reason when a check fails, the desktop does not answer or a tool it runs fails."""
    def out_of_time(*_):
        raise SessionError(f"the whole run took more than {whole_run} s")
    signal.signal(signal.SIGALRM, out_of_time)
    signal.alarm(whole_run)
    # Should the alarm never get through a call that blocks, say where it stands and end hard.
    faulthandler.dump_traceback_later(whole_run + 30, exit=True)
    try:
        main(sys.argv[1])
    except (AssertionError, SessionError, subprocess.SubprocessError) as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        sys.exit(1)
