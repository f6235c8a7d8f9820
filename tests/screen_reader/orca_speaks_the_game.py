#!/usr/bin/python3
"""A blind player's games, heard through Orca itself.

Starts Debian's screen reader and then the real program on a private desktop, plays with key presses alone
and checks, after every key, what Orca says: a cell's place, mark and counts as the focus lands on it; the
piece menu as it opens; the new mark, what a fill filled, what Undo brought back, where a clue is with its
piece and the new score; the fleet shown and Start Game after Give Up; Congratulations after the winning
mark, within a second; and after a menu or a prompt, the focused control rather than the whole window.
The second game is won from what was heard alone: nineteen clues, the counts of the rows and columns as
the focus passes their cells, and the one cell left marked through the menu.

Orca says everything it is given in turn, unless it stops speech, as it does at every key press: what a key
brings must be heard to its end, with no stop of speech before the next key.

Usage: dbus-run-session -- /usr/bin/python3 orca_speaks_the_game.py path/to/corvane
"""

import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_session import DesktopSession, SessionError, wait_until  # noqa: E402
from played_game import check, piece_between, run  # noqa: E402
from orca_session import Orca  # noqa: E402

WAIT = 15.0  # seconds for any one answer, on a busy machine too; a broken program never answers
WHOLE_RUN = 150  # seconds for everything; a call that hangs is broken off then
# A game's end is heard within a second on a quiet machine, as a player expects; the limit leaves room for a
# machine busy with other builds, and still fails a focus that walks across the cells (11 to 26 seconds).
HEARD_WITHIN = 3.0
PIECES = ["Top", "Right", "Bottom", "Left", "Submarine", "Square", "Water", "Unknown"]
COLUMNS = "ABCDEFGHIJ"
CELL = r"Row (\d+), Column ([A-J]): (\w+)"
COUNTS = re.compile(r"Row count (\d+), column count (\d+)")
CLUE = re.compile(r"Clue is on Row (\d+), Column ([A-J])\. It shows (\w+)\. Current Score: (\d+)\.")


class Player:
    """Presses keys as a player does and listens to Orca after each."""

    def __init__(self, orca):
        self.orca = orca
        self.presses = []  # (key, time pressed)
        self.last = None  # the utterance the previous key waited for, which nothing may cut short

    def press(self, key, expect, what=None, within=WAIT):
        """Presses key and waits until Orca says something matching the regular expression expect; returns
        the match and the seconds it took. Before pressing, checks that the utterance the previous key
        brought was heard to its end."""
        self.check_heard_out()
        pressed = time.time()
        subprocess.run(["xdotool", "key", key], check=True, timeout=WAIT)
        self.presses.append((key, pressed))
        pattern = re.compile(expect)

        def answer():
            return next((u for u in self.said_since(pressed) if pattern.search(u.text)), None)
        try:
            self.last = wait_until(answer, within, what or f"Orca to say {expect!r} after {key}")
        except SessionError as failure:
            raise AssertionError(f"{failure}; heard {self.said_since(pressed)}") from failure
        return pattern.search(self.last.text), self.last.time - pressed

    def said_since(self, moment):
        return [u for u in self.orca.heard() if u.time >= moment and not u.stops]

    def check_heard_out(self):
        if self.last is None:
            return
        stops = [u for u in self.orca.heard() if u.stops and u.time > self.last.time]
        check(not stops, f"speech stopped after {self.last!r}, before the next key:\n{self.transcript()}")

    def transcript(self):
        """Each key and what Orca said after it until the next, one line a key."""
        heard = self.orca.heard()
        lines = []
        for (key, pressed), (_, following) in zip(self.presses, self.presses[1:] + [(None, float("inf"))]):
            said = [u.text if not u.stops else "<stopped>" for u in heard if pressed <= u.time < following]
            lines.append(f"{key:>8}: " + " | ".join(said))
        return "\n".join(lines)


def start(session, program, orca):
    game = session.start_game(program, accessibility=False)
    try:
        wait_until(lambda: orca.first_said(0, "Start Game push button"), WAIT, "Orca to read the game window")
    except SessionError as failure:
        raise SessionError(f"{failure}; heard {orca.heard()}; {session.game_report(game)}") from failure
    return game


def cell_and_counts(player, key, what):
    """Presses a key that moves the focus onto a cell; returns (row, column, mark, row count, column count)."""
    match, _ = player.press(key, r"^" + CELL + r" push button\.", what)
    row, column, mark = int(match.group(1)) - 1, COLUMNS.index(match.group(2)), match.group(3)

    def counts():
        return next((found for found in map(COUNTS.search, (u.text for u in player.said_since(player.last.time)))
                     if found), None)
    try:
        described = wait_until(counts, WAIT, "the counts said with the cell")
    except SessionError as failure:
        raise AssertionError(f"{failure}:\n{player.transcript()}") from failure
    return row, column, mark, int(described.group(1)), int(described.group(2))


def choose(player, cell_name, item, items_down):
    """Opens the piece menu with the space bar and walks down to an item with the arrows."""
    player.press("space", r"^Piece menu on " + re.escape(cell_name) + r"\.$", "the piece menu to say it is open")
    for name in items_down:
        player.press("Down", r"^" + re.escape(name) + r"\.$", f"the menu item {name!r}")
    check(items_down[-1] == item, f"walked to {items_down[-1]!r}, not {item!r}")


def first_game(player):
    """Marks, undoes, fills, undoes, takes a clue, opens and leaves the menu, gives up (No, then Yes)."""
    row, column, mark, rows1, columnsA = cell_and_counts(player, "alt+s", "the first cell after Start Game")
    check((row, column, mark) == (0, 0, "Unknown"), f"the game starts on Row 1, Column A:\n{player.transcript()}")

    choose(player, "Row 1, Column A: Unknown", "Water", PIECES[:7])
    player.press("Return", r"^Water\.$", "the new mark alone")
    player.press("alt+u", r"^Undone: Row 1, Column A: Unknown\.$", "Undo to say what it brought back")

    player.press("space", r"^Piece menu on Row 1, Column A: Unknown\.$")
    player.press("Up", r"^Fill Column with Water\.$")
    player.press("Up", r"^Fill Row with Water\.$")
    player.press("Return", r"^Row 1: 10 cells filled with water\.$", "what the fill filled")
    player.press("alt+u", r"^Undone: 10 cells of Row 1 back to Unknown\.$", "Undo of the fill")

    match, _ = player.press("alt+c", CLUE.pattern, "the clue's place, piece and score")
    check(match.group(4) == "1", f"the first clue costs one point: {match.group(0)}")

    match, _ = player.press("space", r"^Piece menu on (" + CELL + r")\.$")
    focused = match.group(1)
    player.press("Escape", r"^" + re.escape(focused) + r"\.$", "the focused cell once the menu is left")

    player.press("alt+g", r"^Are you sure you want to give up\?$")
    player.press("Escape", r"^" + re.escape(focused) + r" push button\.", "the focused cell after the prompt")
    player.press("alt+g", r"^Are you sure you want to give up\?$")
    pressed = time.time()
    _, seconds = player.press("Return", r"^The fleet is shown\.$", "the fleet shown, with Start Game")
    said = [u.text for u in player.said_since(pressed) if u.time <= player.last.time]
    check(said[-2:] == ["Start Game push button.", "The fleet is shown."],
          f"the fleet shown said with the focus on Start Game, and no cell before: {said}")
    check_no_cell(said, "giving up")
    return seconds


def check_no_cell(said, when):
    """A game that ends hands the focus straight to Start Game: no cell is read on the way."""
    cells = [text for text in said if re.match(CELL + r" push button", text)]
    check(not cells, f"cells read while {when}: {cells}")


def won_game(player):
    """Nineteen clues, the counts heard cell by cell, and the last ship cell marked from the menu."""
    start_keys = len(player.presses)
    row, column, _, row_count, column_count = cell_and_counts(player, "alt+s", "the first cell of game 2")
    rows, columns = {row: row_count}, {column: column_count}
    ships = {}
    for number in range(1, 20):
        match, _ = player.press("alt+c", CLUE.pattern, f"clue {number}")
        check(int(match.group(4)) == number, f"clue {number} makes the score {number}: {match.group(0)}")
        ships[(int(match.group(1)) - 1, COLUMNS.index(match.group(2)))] = match.group(3)
    check(all(piece in PIECES[:6] for piece in ships.values()), f"clues show ship pieces: {ships}")

    def deficit(line, counts, index):
        return counts.get(line, 0) > sum(1 for cell in ships if cell[index] == line)

    # The row still short of a ship cell, from each row's first usable cell.
    target_row = None
    for candidate in range(10):
        if candidate not in rows:
            heard = cell_and_counts(player, f"alt+{(candidate + 1) % 10}", f"the first usable cell of row {candidate + 1}")
            rows[heard[0]] = heard[3]
            columns[heard[1]] = heard[4]
            row, column = heard[0], heard[1]
        if deficit(candidate, rows, 0):
            target_row = candidate
            break
    check(target_row is not None, f"a row short of a ship cell: rows {rows}, clues {sorted(ships)}")
    if row != target_row:
        row, column, *_ = cell_and_counts(player, f"alt+{(target_row + 1) % 10}", "the short row")
    # Along that row to the cell whose column is short of one too.
    while not (deficit(column, columns, 1) and (row, column) not in ships):
        heard = cell_and_counts(player, "Right", "the next usable cell along the row")
        check(heard[1] > column, f"the row ended before the missing cell: {columns}, clues {sorted(ships)}")
        row, column, columns[heard[1]] = heard[0], heard[1], heard[4]
    piece = piece_between(set(ships), row, column)

    name = f"Row {row + 1}, Column {COLUMNS[column]}: Unknown"
    choose(player, name, piece, PIECES[:PIECES.index(piece) + 1])
    pressed = time.time()
    _, seconds = player.press("Return", r"Congratulations", "Congratulations after the winning mark")
    check_no_cell([u.text for u in player.said_since(pressed) if u.time <= player.last.time], "winning")
    keys = len(player.presses) - start_keys
    player.press("Return", r"^Start Game push button\.$", "Start Game once Congratulations is closed")
    return keys, seconds


def main(program):
    started = time.monotonic()
    with DesktopSession() as session, Orca(session) as orca:
        player = Player(orca)
        game = start(session, program, orca)
        gave_up = first_game(player)
        print(f"first game heard in full; Give Up heard after {gave_up:.2f} s")
        keys, won = won_game(player)
        print(f"won by {keys} keys; Congratulations heard {won:.2f} s after the last")
        # Reading the whole game window would name its totals and its counts.
        whole = [u.text for u in player.said_since(0) if "Current Game:" in u.text or "ship cell" in u.text]
        check(not whole, f"the whole window read again: {whole[:2]}")
        check(gave_up <= HEARD_WITHIN, f"Give Up heard after {gave_up:.2f} s")
        check(won <= HEARD_WITHIN, f"Congratulations heard after {won:.2f} s")
        print(player.transcript())
        subprocess.run(["xdotool", "key", "alt+x"], check=True, timeout=WAIT)
        wait_until(lambda: game.poll() is not None, WAIT, "the program to end on Exit")
        check(game.returncode == 0, f"the program ended with {game.returncode}")
    print(f"played under Orca in {time.monotonic() - started:.1f} s")


if __name__ == "__main__":
    run(main, WHOLE_RUN)
