#!/usr/bin/python3
"""The notice about another fleet that fits, as a screen reader hears it on the accessibility bus.

Starts the real program with accessibility on and plays with key presses alone: it reads the counts of a
new game through the bus, has the fleet lister find a fleet that fits them, and marks that fleet cell by
cell. Unless that fleet is the hidden one, the status line's name must change to the notice with the
number of fitting fleets, and Orca, Debian's screen reader, listening all along, must say it; Undo must
take the notice back. A fleet that turns out to be the hidden one
wins instead, and the test tries again with the next game.

Usage: dbus-run-session -- /usr/bin/python3 fleet_notice_heard.py path/to/corvane path/to/fleet_lister
"""

import faulthandler
import os
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_session import DesktopSession, SessionError, wait_until  # noqa: E402
from orca_session import Orca  # noqa: E402
from screen_reader_play import PIECES, WAIT, Game, ScreenReader, check, start_game, sym  # noqa: E402

WHOLE_RUN = 180  # seconds for everything
WATER = 6
# Each game's fleet is the hidden one at most once in four fitting fleets, and far less often as a rule.
ATTEMPTS = 4
NOTICE = ("Status: Your fleet fits every count and clue, but it is not the hidden one: {} fleets fit what you "
          "know. Your next clue will show a ship cell that your fleet leaves empty.")
CONGRATULATIONS = "Congratulations - You found the fleet!!!"


def fitting_fleet(lister, rows, columns):
    """The number of fleets that fit the counts as the notice writes it, and one such fleet as piece codes."""
    digits = ["".join(str(count) for count in line) for line in (rows, columns)]
    lines = subprocess.run([lister, *digits, "1"], capture_output=True, text=True, timeout=60,
                           check=True).stdout.splitlines()
    words = lines[0].split()
    check(words[0] == "fleets" and len(lines) == 2, f"the lister's answer {lines}")
    count = f"{int(words[-1]):,}"
    if words[1:3] == ["more", "than"]:
        count = "more than " + count
    return count, [int(code) for code in lines[1]]


def heard_since(reader, start, name):
    return any(kind.startswith("object:property-change:accessible-name") and heard == name
               for kind, heard, _ in reader.heard[start:])


def mark_a_fitting_fleet(game, lister, number):
    """Starts a game and marks a fleet that fits its counts; the notice it brings, or None after a win."""
    reader = game.reader
    rows, columns = start_game(game, number)
    count, fleet = fitting_fleet(lister, rows, columns)
    notice = NOTICE.format(count)
    ships = [(index // 10, index % 10, code) for index, code in enumerate(fleet) if code != WATER]
    check(len(ships) == 20, f"twenty ship cells in the fleet listed, not {len(ships)}")
    start = len(reader.heard)
    for row, column, code in ships:
        check(not heard_since(reader, start, notice), "the notice before the fleet was whole")
        game.go_to_cell(row, column)
        game.choose(PIECES[code])

    outcome = reader.until(lambda: "notice" if heard_since(reader, start, notice)
                           else "won" if game.window_with_text(CONGRATULATIONS) else None,
                           "the notice, or the Congratulations dialog for the hidden fleet")
    if outcome == "won":
        congratulations = game.window_with_text(CONGRATULATIONS)
        reader.key(sym("Return"))
        reader.until(lambda: game.gone(congratulations), "the Congratulations dialog to close")
        return None
    check(game.named("^Status: ") == [notice], f"the status line reads {game.named('^Status: ')}")
    check(game.state("Clue", game.p.STATE_ENABLED), "the game goes on under the notice")
    return notice


def main(program, lister):
    started = time.monotonic()
    with DesktopSession() as session, Orca(session) as orca:
        reader = ScreenReader()
        process = session.start_game(program, accessibility=True)
        game = Game(reader, reader.application(os.path.basename(program)))
        wins = 0
        notice = None
        while notice is None and wins < ATTEMPTS:
            marking = time.time()
            notice = mark_a_fitting_fleet(game, lister, wins + 1)
            if notice is None:
                wins += 1
                print("the fleet listed was the hidden one: a win, and another game")
        check(notice is not None, f"{ATTEMPTS} fleets in a row were the hidden ones")
        print(f"heard {notice!r}")
        spoken = notice.removeprefix("Status: ")
        try:
            wait_until(lambda: orca.first_said(marking, spoken), WAIT, "Orca to say the notice")
        except SessionError as failure:
            said = [u.text for u in orca.heard() if u.time >= marking and not u.stops]
            raise SessionError(f"{failure}; the last it said: {said[-5:]}") from failure

        start = len(reader.heard)
        game.press("u")
        reader.until(lambda: heard_since(reader, start, "Status: empty"), "Undo to take the notice back")
        game.press("x")
        wait_until(lambda: process.poll() is not None, WAIT, "the program to end on Exit")
        check(process.returncode == 0, f"the program ended with {process.returncode}")
    print(f"played through the accessibility bus in {time.monotonic() - started:.1f} s")


def out_of_time(*_):
    raise SessionError(f"the whole run took more than {WHOLE_RUN} s")


if __name__ == "__main__":
    signal.signal(signal.SIGALRM, out_of_time)
    signal.alarm(WHOLE_RUN)
    faulthandler.dump_traceback_later(WHOLE_RUN + 30, exit=True)
    try:
        main(*sys.argv[1:3])
    except (AssertionError, SessionError, subprocess.SubprocessError) as failure:
        sys.exit(f"FAILED: {failure}")
