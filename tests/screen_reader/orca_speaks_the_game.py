#!/usr/bin/python3
"""A blind player's games, heard through Orca itself.

Starts Debian's screen reader and then the real program on a private desktop, plays with key presses alone
and checks, after every key, what Orca says: a cell's place, mark and counts as the focus lands on it; the
piece menu as it opens, its fill commands with their keys; the cell with its new mark once the menu closes,
with no "Corvane frame" before it; what a fill filled, what Undo brought back or that there is nothing to
undo, where a clue is with its piece and the new score; a row, a column and all the counts read by R, C and
N; the fleet shown and Start Game after Give Up; Congratulations after the winning mark, then the game's
score and the new totals; a clue's cell reached by the arrows, read as a clue, and Space saying why it
cannot change; the help read from a chosen section, Say All reading on from there, and Escape back to the
game; and "Score cleared". After a menu or a prompt, the focused control is read rather than the whole
window. The second game is won from what was heard alone: nineteen clues, the counts of the rows and
columns as the focus passes their cells, and the one cell left marked through the menu.

At the end it prints how long each key took to its first words and to the words it waited for, and the
longest utterance heard.

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
WHOLE_RUN = 200  # seconds for everything; a call that hangs is broken off then
# A game's end is heard within a second on a quiet machine, as a player expects; the limit leaves room for a
# machine busy with other builds, and still fails a focus that walks across the cells (11 to 26 seconds).
HEARD_WITHIN = 3.0
PIECES = ["Top", "Right", "Bottom", "Left", "Submarine", "Square", "Water", "Unknown"]
COLUMNS = "ABCDEFGHIJ"
CELL = r"Row (\d+), Column ([A-J]): (\w+)(?:, clue|, from Give Up)?"
COUNTS = re.compile(r"Row count (\d+), column count (\d+)")
CLUE = re.compile(r"Clue is on Row (\d+), Column ([A-J])\. It shows (\w+)\. Current Score: (\d+)\.")


class Player:
    """Presses keys as a player does and listens to Orca after each."""

    def __init__(self, orca):
        self.orca = orca
        self.presses = []  # (key, time pressed)
        self.last = None  # the utterance the previous key waited for, which nothing may cut short
        self.delays = []  # (key, what was waited for, seconds to the first words, seconds to those waited for)

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
        first = self.said_since(pressed)[0].time - pressed
        self.delays.append((key, what or expect, first, self.last.time - pressed))
        return pattern.search(self.last.text), self.last.time - pressed

    def said_between(self, start, end):
        return [u.text for u in self.said_since(start) if u.time <= end]

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

    player.press("alt+u", r"^Nothing to undo\.$", "Undo with nothing to take back")
    choose(player, "Row 1, Column A: Unknown", "Water", PIECES[:7])
    chosen = time.time()
    player.press("Return", r"^Row 1, Column A: Water push button\.$", "the cell with its new mark")
    check_no_frame(player, chosen, "choosing a piece")
    player.press("alt+u", r"^Undone: Row 1, Column A: Unknown\.$", "Undo to say what it brought back")

    player.press("space", r"^Piece menu on Row 1, Column A: Unknown\.$")
    player.press("Up", r"^Fill Column with Water\. C\.$|^Fill Column with Water C\.$", "the fill command with its key")
    player.press("Up", r"^Fill Row with Water\. R\.$|^Fill Row with Water R\.$", "the fill command with its key")
    chosen = time.time()
    player.press("Return", r"^Row 1: 10 cells filled with water\.$", "what the fill filled")
    check_no_frame(player, chosen, "a fill")
    player.press("alt+u", r"^Undone: 10 cells of Row 1 back to Unknown\.$", "Undo of the fill")

    player.press("r", r"^Row 1: count (\d+); nothing marked\.$", "R to read the row")
    player.press("c", r"^Column A: count (\d+); nothing marked\.$", "C to read the column")
    player.press("n", r"^Row counts (\d+, ){9}\d+\. Column counts (\d+, ){9}\d+\.$", "N to read all the counts")

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


def check_no_frame(player, since, when):
    """Leaving a menu returns to a window the reader never left: it is not announced again."""
    frames = [u.text for u in player.said_since(since) if "Corvane frame" in u.text]
    check(not frames, f"the game window announced again after {when}:\n{player.transcript()}")


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

    # A clue's cell is reached like any other, from its row's first cell with the arrows, and read as a clue;
    # Space on it says why it stays as it is.
    clue_row, clue_column = min(ships)
    heard = (row, column, None, row_count, column_count)
    if (clue_row, clue_column) == (row, column):
        # The clue fell on the cell the focus is on: off it and back.
        cell_and_counts(player, "Right", "the arrows off the clue")
        heard = cell_and_counts(player, "Left", "the arrows back to the clue")
    if clue_row != heard[0]:
        heard = cell_and_counts(player, f"alt+{(clue_row + 1) % 10}", "the first cell of a clue's row")
    while heard[1] != clue_column:
        heard = cell_and_counts(player, "Right", "the arrows on to the clue")
    clue_cell = f"Row {clue_row + 1}, Column {COLUMNS[clue_column]}: {ships[(clue_row, clue_column)]}, clue push button."
    check(player.last.text == clue_cell, f"the clue's cell read as one: {player.last.text!r}")
    player.press("space", r"^A clue cannot be changed\.$", "Space on a clue")
    row, column, rows[heard[0]], columns[heard[1]] = heard[0], heard[1], heard[3], heard[4]

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
    pressed = time.time()
    player.press("Return", r"^Start Game push button\.$", "Start Game once Congratulations is closed")
    # Said with the window's return, just before or just after Start Game is read.
    def results():
        return [u for u in player.said_since(pressed) if u.text.startswith("Solved with")] or None
    heard = wait_until(results, WAIT, "the game's score and the new totals")
    check([u.text for u in heard] == ["Solved with 19 clue points. Total games 1, average score 19.00."],
          f"the game's score and the new totals said once as Start Game comes back: {heard}")
    player.last = max(player.last, heard[-1], key=lambda u: u.time)
    return keys, seconds


def read_help(player):
    """Opens help, chooses a section from the contents, reads on from it with Say All, and leaves by Escape."""
    player.press("alt+h", r"^tree\.$", "help open on its contents")
    section = None
    while section != "Undo":
        match, _ = player.press("Down", r"^(.+) expanded\.$|^(.+)\.$", "the next heading")
        section = (match.group(1) or match.group(2)).strip()
    player.press("Return", r"^Undo\.$", "the chosen section read in the text")
    pressed = time.time()
    subprocess.run(["xdotool", "key", "KP_Add"], check=True, timeout=WAIT)
    player.presses.append(("KP_Add", pressed))
    def first_lines():
        lines = [u.text for u in player.orca.heard() if u.time >= pressed and u.say_all]
        return lines[:2] if len(lines) >= 2 else None
    said = wait_until(first_lines, WAIT, "Say All to read on from the caret")
    check(said[0] == "Undo" and said[1].startswith("Undo takes back your last marking step"),
          f"Say All read from the chosen section: {said}")
    player.last = None
    player.press("Escape", r"^Start Game push button\.$", "the game again once help is closed")


def clear_score(player):
    """Clears the totals from the Score dialog and hears it said back in the game."""
    player.press("alt+r", r"Cancel push button", "the Score dialog")
    player.press("alt+s", r"^Are you sure you want to clear your score\?$", "the question")
    player.press("Return", r"^Score cleared\.$", "the clearing said")


def main(program):
    started = time.monotonic()
    with DesktopSession() as session, Orca(session) as orca:
        player = Player(orca)
        game = start(session, program, orca)
        try:
            gave_up = first_game(player)
            print(f"first game heard in full; Give Up heard after {gave_up:.2f} s")
            keys, won = won_game(player)
            print(f"won by {keys} keys; Congratulations heard {won:.2f} s after the last")
            read_help(player)
            clear_score(player)
        except AssertionError:
            print(player.transcript())
            raise
        # Reading the whole game window would name its totals and its counts.
        whole = [u.text for u in player.said_since(0) if not u.say_all and ("Current Game:" in u.text or "ship cell" in u.text)]
        check(not whole, f"the whole window read again: {whole[:2]}")
        check(gave_up <= HEARD_WITHIN, f"Give Up heard after {gave_up:.2f} s")
        check(won <= HEARD_WITHIN, f"Congratulations heard after {won:.2f} s")
        print(player.transcript())
        print("key to first words / to the words waited for, in seconds:")
        for key, what, first, matched in player.delays:
            print(f"  {key:>8}  {first:5.2f}  {matched:5.2f}  {what}")
        starts = [first for key, what, first, _ in player.delays if key == "alt+s" and what.startswith("the first")]
        print(f"Start Game's first words after {', '.join(f'{s:.2f}' for s in starts)} s")
        spoken = [u.text for u in orca.heard() if not u.stops and not u.say_all]
        longest = max(spoken, key=len)
        print(f"longest utterance: {len(longest)} characters: {longest!r}")
        check(all(s <= HEARD_WITHIN for s in starts), f"Start Game heard after {starts} s")
        subprocess.run(["xdotool", "key", "alt+x"], check=True, timeout=WAIT)
        wait_until(lambda: game.poll() is not None, WAIT, "the program to end on Exit")
        check(game.returncode == 0, f"the program ended with {game.returncode}")
    print(f"played under Orca in {time.monotonic() - started:.1f} s")


if __name__ == "__main__":
    run(main, WHOLE_RUN)
