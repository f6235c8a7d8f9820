#!/usr/bin/python3
"""Takes the README's picture of a game in progress from the real program.

On a private X server with a window manager, starts the game with totals from earlier games, starts a
game, asks for three clues and plays what follows from the counts and the clues as a player would: rows
and columns with no ship cell filled with water, and the water that must lie diagonally beside every
clue. It reads the game through the accessibility bus (which changes no pixel), waits for every mark to
show, and saves the window with its frame. Each run hides another fleet, so each picture differs.

Usage: dbus-run-session -- /usr/bin/python3 scripts/screenshot.py path/to/corvane picture.png
"""

import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "access"))
from desktop_session import DesktopSession, SessionError, wait_until  # noqa: E402
from screen_reader_play import COLUMNS, Game, ScreenReader, sym  # noqa: E402

EARLIER_TOTALS = "[Stats]\nTotalGames=12\nTotalScore=9\n"
CLUES = 3
WAIT = 15.0


def start_game(game):
    game.press("s")
    game.reader.until(lambda: None not in game.counts()[0] + game.counts()[1], "the counts of a new game")


def take_clue(game):
    before = sum(1 for _, clue in game.cells().values() if clue)
    game.press("c")
    game.reader.until(lambda: sum(1 for _, clue in game.cells().values() if clue) > before, "a clue")


def wait_for_water(game, cells):
    game.reader.until(lambda: all(game.cells()[cell][0] == "Water" for cell in cells),
                      "water in " + ", ".join(f"{COLUMNS[c]}{r + 1}" for r, c in cells))


def fill_with_water(game, row, column, letter):
    """Opens the piece menu on the cell and fills its row (R) or column (C) with water."""
    game.go_to_cell(row, column)
    opened = len(game.reader.menus)
    game.reader.key(sym("space"))
    game.reader.until(lambda: len(game.reader.menus) > opened, "the piece menu to open")
    game.reader.key(sym(letter))


def fill_empty_lines(game):
    """Rows and columns whose count is 0 hold nothing but water."""
    rows, columns = game.counts()
    for row in (r for r in range(10) if rows[r] == 0):
        column = next(c for c in range(10) if not game.cells()[(row, c)][1])
        fill_with_water(game, row, column, "r")
        wait_for_water(game, [(row, c) for c in range(10)])
    for column in (c for c in range(10) if columns[c] == 0):
        row = next(r for r in range(10) if not game.cells()[(r, column)][1])
        fill_with_water(game, row, column, "c")
        wait_for_water(game, [(r, column) for r in range(10)])


def water_beside_clues(game):
    """Ships never touch, not even at a corner: the cells diagonally beside a ship cell are water."""
    cells = game.cells()
    clues = [place for place, (_, clue) in cells.items() if clue]
    for row, column in clues:
        for r, c in ((row - 1, column - 1), (row - 1, column + 1), (row + 1, column - 1), (row + 1, column + 1)):
            if 0 <= r < 10 and 0 <= c < 10 and game.cells()[(r, c)][0] == "Unknown":
                game.go_to_cell(r, c)
                game.choose("Water")
                wait_for_water(game, [(r, c)])


def window_picture(path):
    """The game window with its frame, without the times ImageMagick writes into a PNG by default."""
    window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Corvane$"],
                            capture_output=True, text=True, check=True).stdout.split()[0]
    with tempfile.TemporaryDirectory() as scratch:
        shots = [os.path.join(scratch, f"{i}.png") for i in range(2)]

        def settled():
            # The window is drawn once two pictures in a row are the same.
            subprocess.run(["import", "-frame", "-window", window, shots[0]], check=True)
            subprocess.run(["import", "-frame", "-window", window, shots[1]], check=True)
            compare = subprocess.run(["compare", "-metric", "AE", shots[0], shots[1], "null:"],
                                     capture_output=True, text=True)
            return compare.returncode == 0
        wait_until(settled, WAIT, "the window to be drawn")
        subprocess.run(["convert", shots[1], "-strip", "-define", "png:exclude-chunks=date,time", path],
                       check=True)


def main(program, picture):
    with DesktopSession(1024, 768) as session:
        os.makedirs(os.path.join(session.config_home, "Brindlemoor"))
        with open(os.path.join(session.config_home, "Brindlemoor", os.path.basename(program) + ".conf"), "w") as f:
            f.write(EARLIER_TOTALS)
        reader = ScreenReader()
        process = session.start_game(program, accessibility=True)
        try:
            game = Game(reader, reader.application(os.path.basename(program)))
            # The pointer rests outside the window, where it highlights nothing.
            subprocess.run(["xdotool", "mousemove", "0", "0"], check=True)
            start_game(game)
            for _ in range(CLUES):
                take_clue(game)
            fill_empty_lines(game)
            water_beside_clues(game)
            window_picture(picture)
        except (AssertionError, SessionError):
            print(session.game_report(process), file=sys.stderr)
            raise
    print(f"{picture}: a game with {CLUES} clues")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__.split("\n\n")[-1])
    try:
        main(os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]))
    except (AssertionError, SessionError) as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        sys.exit(1)
