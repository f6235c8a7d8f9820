#!/usr/bin/python3
"""Accessibility costs sighted play nothing: the window at start-up shows the same pixels with it on and off.

Usage: dbus-run-session -- /usr/bin/python3 same_pixels_without_reader.py path/to/corvane
"""

import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_session import DesktopSession, SessionError, wait_until  # noqa: E402

WAIT = 30.0  # a busy machine can take this long to show a window; a broken one never does


def screen(path):
    subprocess.run(["import", "-window", "root", path], check=True, timeout=WAIT)
    with open(path, "rb") as shot:
        return shot.read()


def settled_screen(session, program, accessibility, path):
    """Starts the game and takes the screen once two shots in a row agree and the window shows."""
    game = session.start_game(program, accessibility)
    try:
        wait_until(lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Corvane$"],
                                          capture_output=True, timeout=WAIT).returncode == 0, WAIT, "the game window")
    except SessionError as failure:
        raise SessionError(f"{failure}; {session.game_report(game)}") from failure
    shots = [screen(path)]

    def settled():
        shots.append(screen(path))
        return shots[-1] == shots[-2]
    wait_until(settled, WAIT, "the window to finish painting")
    game.terminate()
    game.wait(WAIT)
    return path


def differing_pixels(first, second):
    compared = subprocess.run(["compare", "-metric", "AE", first, second, "null:"], capture_output=True, text=True,
                              timeout=WAIT)
    return int(float(compared.stderr.split()[0]))


def listen_as_a_reader():
    """Asks the accessibility registry for the desktop, as a screen reader does when it starts: the
    registry comes up then, before a program with accessibility on looks for it."""
    import gi
    gi.require_version("Atspi", "2.0")
    import pyatspi
    return pyatspi.Registry.getDesktop(0).childCount


def main(program):
    with DesktopSession() as session, tempfile.TemporaryDirectory() as folder:
        listen_as_a_reader()
        on = settled_screen(session, program, True, os.path.join(folder, "on.png"))
        off = settled_screen(session, program, False, os.path.join(folder, "off.png"))
        differing = differing_pixels(on, off)
        if differing:
            raise AssertionError(f"{differing} pixels differ between accessibility on and off")
    print("the same pixels with accessibility on and off")


if __name__ == "__main__":
    try:
        main(sys.argv[1])
    except (AssertionError, SessionError, subprocess.SubprocessError) as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        sys.exit(1)
