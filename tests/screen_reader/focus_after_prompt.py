#!/usr/bin/python3
"""A closed prompt or dialog hands the keyboard back to the control that had it, with a window manager and
without one: after the Give Up question and after the About dialog, Space on the focused cell opens its
piece menu.

Usage: dbus-run-session -- /usr/bin/python3 focus_after_prompt.py path/to/corvane
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_session import DesktopSession, SessionError, wait_until  # noqa: E402
from played_game import run  # noqa: E402

WAIT = 30.0  # a busy machine can take this long to show a window; a broken one never does
WHOLE_RUN = 150  # seconds for both desktops; a call that hangs is broken off then
MENU_WAIT = 5.0  # a menu that a key reached opens at once; one it never reached never does


def search(*criteria):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", *criteria], capture_output=True, text=True,
                           timeout=WAIT)
    return found.stdout.split()


def titled(name):
    """The windows of this title, in any case: the prompts' caption, the program's file name, differs from
    the game window's title only in case."""
    return search("--name", f"^{name}$")


def program_windows():
    """Every window the game shows, its piece menu among them, which has no title."""
    return search("--class", "^corvane$")


def key(*keys):
    subprocess.run(["xdotool", "key", *keys], check=True, timeout=WAIT)


def open_with(keys, opened, what):
    """Presses keys until opened() holds: a mnemonic presses its button a moment after the key, so a key
    typed at once after one may find its own button not yet enabled and need repeating; a second press once
    the window is open reaches that window and does nothing there."""
    def pressed():
        key(keys)
        try:
            return wait_until(opened, MENU_WAIT, what)
        except SessionError:
            return False
    wait_until(pressed, WAIT, what)


def play(program, window_manager):
    where = "with a window manager" if window_manager else "without a window manager"
    with DesktopSession(window_manager=window_manager) as session:
        game = session.start_game(program, accessibility=False)
        try:
            wait_until(lambda: titled("Corvane"), WAIT, "the game window")
        except SessionError as failure:
            raise SessionError(f"{failure}; {session.game_report(game)}") from failure
        # Keys go to the focused window, never to one under the pointer.
        subprocess.run(["xdotool", "mousemove", "0", "0"], check=True, timeout=WAIT)
        # Start Game hands the focus on to the first cell.
        key("alt+s")
        alone = len(program_windows())
        for opener, title, count in (("alt+g", "corvane", 2), ("alt+a", "About", 1)):
            open_with(opener, lambda: len(titled(title)) == count, f"{title} to open {where}")
            key("Escape")
            wait_until(lambda: len(program_windows()) == alone, WAIT, f"{title} to close {where}")
            key("space")
            try:
                wait_until(lambda: len(program_windows()) > alone, MENU_WAIT, "the piece menu")
            except SessionError as failure:
                raise AssertionError(f"after {title} closed {where}, Space did not reach the focused cell") from failure
            if len(titled("corvane")) > 1:
                raise AssertionError(f"after {title} closed {where}, Space pressed Give Up, not the focused cell")
            key("Escape")
            wait_until(lambda: len(program_windows()) == alone, WAIT, "the piece menu to close")


def main(program):
    for window_manager in (True, False):
        play(program, window_manager)
    print("the focus comes back to its control after a prompt and a dialog, with and without a window manager")


if __name__ == "__main__":
    run(main, WHOLE_RUN)
