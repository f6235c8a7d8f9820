#!/usr/bin/python3
"""A game in German, heard through Orca: the screen reader speaks the player's language.

Starts Orca and then the real program with the desktop's language set to German, plays a short game by
keys alone and checks what Orca says after each: a cell's place, mark and counts as the focus lands on it,
the piece menu as it opens, the mark chosen, what Undo brought back, where a clue is with its piece and the
new score, the question before giving up and the fleet shown. Cells keep their names, the row's number and
the column's letter, in German as in every language.

Usage: dbus-run-session -- /usr/bin/python3 orca_speaks_german.py path/to/corvane
"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_session import DesktopSession, SessionError, wait_until  # noqa: E402
from orca_session import Orca  # noqa: E402
from orca_speaks_the_game import WAIT, Player  # noqa: E402
from played_game import check, run  # noqa: E402

WHOLE_RUN = 100  # seconds for everything; a call that hangs is broken off then
PIECES = ["Oben", "Rechts", "Unten", "Links", "U-Boot", "Mitte", "Wasser", "Unbekannt"]
CELL = r"Zeile (\d+), Spalte ([A-J]): (\w[\w-]*)"


def main(program):
    started = time.monotonic()
    with DesktopSession() as session, Orca(session) as orca:
        player = Player(orca)
        # The program reads the desktop's language from the environment it is started in; Orca's own words,
        # which this test does not read, stay as they were.
        os.environ["LANGUAGE"] = "de"
        game = session.start_game(program, accessibility=False)
        try:
            wait_until(lambda: orca.first_said(0, "Neues Spiel"), WAIT, "Orca to read the German game window")
        except SessionError as failure:
            raise SessionError(f"{failure}; heard {orca.heard()}; {session.game_report(game)}") from failure

        match, _ = player.press("alt+n", r"^" + CELL + r"\b", "the first cell after Neues Spiel")
        check(match.group(0) == "Zeile 1, Spalte A: Unbekannt", f"the game starts on row 1, column A: {match.group(0)}")
        wait_until(lambda: any("Zeilenzahl" in u.text and "Spaltenzahl" in u.text for u in player.said_since(0)),
                   WAIT, "the counts said with the cell")

        player.press("space", r"^Menü für Zeile 1, Spalte A: Unbekannt\.$", "the piece menu to say it is open")
        player.press("Down", r"^Oben\.$", "the first piece of the menu")
        player.press("Return", r"^Zeile 1, Spalte A: Oben push button\.$", "the cell with its new mark")
        player.press("alt+r", r"^Rückgängig: Zeile 1, Spalte A: Unbekannt\.$", "Undo to say what it brought back")

        match, _ = player.press("alt+w", r"Hinweis in Zeile (\d+), Spalte ([A-J])\. Der Hinweis zeigt: ([\w-]+)\. "
                                r"Punkte in diesem Spiel: 1\.", "the clue's place, piece and score")
        check(1 <= int(match.group(1)) <= 10 and match.group(3) in PIECES[:7], f"a clue on a cell: {match.group(0)}")

        player.press("alt+a", r"^Willst du wirklich aufgeben\?$", "the question before giving up")
        player.press("Return", r"^Die Flotte wird gezeigt\.$", "the fleet shown, with Neues Spiel")
        print(player.transcript())
        subprocess.run(["xdotool", "key", "alt+b"], check=True, timeout=WAIT)
        wait_until(lambda: game.poll() is not None, WAIT, "the program to end on Beenden")
        check(game.returncode == 0, f"the program ended with {game.returncode}")
    print(f"played in German under Orca in {time.monotonic() - started:.1f} s")


if __name__ == "__main__":
    run(main, WHOLE_RUN)
