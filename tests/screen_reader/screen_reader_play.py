#!/usr/bin/python3
"""A blind player's game, through the desktop's accessibility bus only.

Starts the real program with accessibility on, finds it on the AT-SPI bus as a screen reader does,
reads the whole window, then plays with key presses alone and reads everything back through the bus:
a game that is marked, undone, given a clue and given up (the prompt answered No, then Yes), a game
won from clues and one cell deduced from the counts, the Congratulations, Score and About dialogs,
the clear-score prompt, and Exit.

Usage: dbus-run-session -- /usr/bin/python3 screen_reader_play.py path/to/corvane
"""

import os
import re
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_session import DesktopSession, SessionError, wait_until  # noqa: E402
from played_game import check, piece_between, run  # noqa: E402

WAIT = 15.0  # seconds for any one thing the program is asked to do, on a busy machine too
WHOLE_RUN = 150  # seconds for everything; a call stuck on the bus is broken off then
PIECES = ["Top", "Right", "Bottom", "Left", "Submarine", "Square", "Water", "Unknown"]
MENU_ITEMS = PIECES + ["", "Fill Row with Water", "Fill Column with Water"]
COLUMNS = "ABCDEFGHIJ"
CELL_NAME = re.compile(r"^Row (\d+), Column ([A-J]): (\w+)(, clue)?(?:, from Give Up)?$")
COUNT_NAME = re.compile(r"^(Row|Column) (\w+): (\d+) ship cells?$")
CLUE_STATUS = re.compile(r"^Status: Clue is on Row (\d+), Column ([A-J])$")


class ScreenReader:
    """What a screen reader has: the bus, the events it hears, and the keyboard."""

    def __init__(self):
        import gi
        gi.require_version("Atspi", "2.0")
        import pyatspi
        from gi.repository import GLib
        self.pyatspi = pyatspi
        self.context = GLib.MainContext.default()
        self.heard = []  # (event type, source name, source role)
        self.menus = []
        for kind in ("object:property-change:accessible-name", "object:state-changed:showing"):
            pyatspi.Registry.registerEventListener(self._hear, kind)

    def _hear(self, event):
        source = event.source
        try:
            name, role = source.name, source.getRoleName()
        except Exception:  # the object went away before it could be asked
            return
        self.heard.append((event.type, name, role))
        if event.type.startswith("object:state-changed:showing") and event.detail1 and role == "popup menu":
            self.menus.append(source)

    def pump(self):
        while self.context.iteration(False):
            pass
        time.sleep(0.01)

    def until(self, predicate, what, seconds=WAIT):
        return wait_until(predicate, seconds, what, idle=self.pump)

    def application(self, name):
        desktop = self.pyatspi.Registry.getDesktop(0)

        def found():
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and app.name == name:
                    return app
            return None
        return self.until(found, f"application {name!r} on the bus", seconds=15)

    def key(self, keysym, alt=False):
        registry, p = self.pyatspi.Registry, self.pyatspi
        if alt:
            registry.generateKeyboardEvent(ALT_MASK, None, p.KEY_LOCKMODIFIERS)
        registry.generateKeyboardEvent(keysym, None, p.KEY_SYM)
        if alt:
            registry.generateKeyboardEvent(ALT_MASK, None, p.KEY_UNLOCKMODIFIERS)
        self.pump()

    def heard_name(self, name):
        return any(kind.startswith("object:property-change:accessible-name") and heard == name
                   for kind, heard, _ in self.heard)


ALT_MASK = 1 << 3  # Mod1, the Alt key
KEYSYM = {"Return": 0xFF0D, "Escape": 0xFF1B, "Left": 0xFF51, "Right": 0xFF53, "Down": 0xFF54, "space": 0x20}


def sym(key):
    return KEYSYM[key] if key in KEYSYM else ord(key)


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield child
            yield from descendants(child)


def read(node, pyatspi):
    """Every showing control below node as (role, name, states)."""
    controls = []
    for child in descendants(node):
        states = child.getState()
        if states.contains(pyatspi.STATE_SHOWING):
            controls.append((child.getRoleName(), child.name, states))
    return controls


class Game:
    """The game window as the screen reader sees it."""

    def __init__(self, reader, app):
        self.reader, self.p, self.app = reader, reader.pyatspi, app
        self.window = reader.until(lambda: self.window_named("Corvane", "Start Game"), "the game window")

    def window_named(self, title, holding):
        """A showing window of the program with that title and a control named holding."""
        for i in range(self.app.childCount):
            window = self.app.getChildAtIndex(i)
            if window is None or window.name != title:
                continue
            if not window.getState().contains(self.p.STATE_SHOWING):
                continue
            if any(name == holding for _, name, _ in read(window, self.p)):
                return window
        return None

    def controls(self):
        return read(self.window, self.p)

    def named(self, pattern):
        return [name for _, name, _ in self.controls() if re.match(pattern, name)]

    def control(self, name):
        for child in descendants(self.window):
            if child.name == name:
                return child
        return None

    def state(self, name, state):
        control = self.control(name)
        return control is not None and control.getState().contains(state)

    def cells(self):
        """The board read by name: {(row, column): (piece, clue)} with rows and columns from 0."""
        board = {}
        for name in self.named(r"^Row \d+, Column [A-J]: "):
            row, column, piece, clue = CELL_NAME.match(name).groups()
            board[(int(row) - 1, COLUMNS.index(column))] = (piece, bool(clue))
        return board

    def counts(self):
        rows, columns = [None] * 10, [None] * 10
        for name in self.controls():
            match = COUNT_NAME.match(name[1])
            if match:
                line, place, count = match.groups()
                if line == "Row":
                    rows[int(place) - 1] = int(count)
                else:
                    columns[COLUMNS.index(place)] = int(count)
        return rows, columns

    def focused_cell(self):
        for role, name, states in self.controls():
            if role == "push button" and states.contains(self.p.STATE_FOCUSED) and CELL_NAME.match(name):
                match = CELL_NAME.match(name)
                return int(match.group(1)) - 1, COLUMNS.index(match.group(2))
        return None

    def go_to_cell(self, row, column):
        """The row's mnemonic, then the arrows along the row, reading the focused cell after every key."""
        self.reader.key(sym(str((row + 1) % 10)), alt=True)
        self.reader.until(lambda: (self.focused_cell() or (None,))[0] == row, f"the focus in row {row + 1}")
        for _ in range(10):
            at = self.focused_cell()
            if at == (row, column):
                return
            self.reader.key(sym("Right" if at[1] < column else "Left"))
            self.reader.until(lambda: self.focused_cell() != at, "the focus to move along the row")
        raise AssertionError(f"could not reach row {row + 1}, column {COLUMNS[column]}")

    def choose(self, item):
        """Opens the piece menu on the focused cell with the space bar and chooses an item with the arrows."""
        opened = len(self.reader.menus)
        self.reader.key(sym("space"))
        menu = self.reader.until(lambda: self.reader.menus[opened] if len(self.reader.menus) > opened else None,
                                 "the piece menu to open")
        def names():
            return [menu.getChildAtIndex(i).name for i in range(menu.childCount)]
        try:
            self.reader.until(lambda: names() == MENU_ITEMS, "the piece menu's items by name")
        except SessionError:
            raise AssertionError(f"piece menu items read {names()}")
        roles = [menu.getChildAtIndex(i).getRoleName() for i in range(menu.childCount)]
        check(roles[:8] == ["menu item"] * 8, f"picture items are menu items, not {roles[:8]}")

        # A highlighted picture is selected, a highlighted command focused; the menu opens with neither. Each
        # Down is waited for until the highlight has moved, so that no press is counted twice.
        def highlighted():
            for i in range(menu.childCount):
                states = menu.getChildAtIndex(i).getState()
                if states.contains(self.p.STATE_SELECTED) or states.contains(self.p.STATE_FOCUSED):
                    return menu.getChildAtIndex(i).name
            return None
        current = highlighted()
        for _ in range(len(MENU_ITEMS) + 1):
            if current == item:
                self.reader.key(sym("Return"))
                return
            def moved(before=current):
                now = highlighted()
                return now if now not in (None, before) else None
            self.reader.key(sym("Down"))
            current = self.reader.until(moved, f"the highlight to move down from {current!r}")
        raise AssertionError(f"menu item {item!r} never came up")

    def press(self, letter):
        self.reader.key(sym(letter), alt=True)

    def prompt(self, text):
        return self.reader.until(lambda: self.window_with_text(text), f"the prompt {text!r}")

    def window_with_text(self, text):
        for i in range(self.app.childCount):
            window = self.app.getChildAtIndex(i)
            if window is not None and window.getState().contains(self.p.STATE_SHOWING):
                if any(name == text for _, name, _ in read(window, self.p)):
                    return window
        return None

    def gone(self, window):
        try:
            return not window.getState().contains(self.p.STATE_SHOWING)
        except Exception:
            return True


def read_the_window(game):
    """Every control that shows has a role and a name that says what it is and holds."""
    controls = game.controls()
    nameless = [(role, name) for role, name, _ in controls if not name]
    check(not nameless, f"controls without a name: {nameless}")
    roles = {}
    for role, name, _ in controls:
        roles.setdefault(role, []).append(name)
    check(len([n for n in roles.get("push button", []) if CELL_NAME.match(n)]) == 100, "100 cells by name")
    for button in ["Start Game", "Give Up...", "Clue", "Undo", "Score...", "Help", "About...", "Exit"]:
        check(button in roles.get("push button", []), f"button {button!r}")
    for label in ["Current Game: none yet", "Current Score: none yet", "Total Score: 0", "Total Games: 0",
                  "Status: empty", "Row 3: no count yet", "Column J: no count yet"]:
        check(label in roles.get("label", []), f"label {label!r} in {roles.get('label')}")
    check(roles.get("check box", [])[:2] == ["Battleship, 4 cells long", "Cruiser, 3 cells long"],
          f"ship check boxes {roles.get('check box')}")
    check(roles.get("image", []).count("Picture of a ship of one cell") == 4, f"fleet pictures {roles.get('image')}")
    # The window shows before the window manager activates it; only then does Start Game hold the focus.
    game.reader.until(lambda: game.state("Start Game", game.p.STATE_FOCUSED), "the focus on Start Game")
    check(not game.state("Clue", game.p.STATE_ENABLED), "Clue unusable before a game")
    check(not game.state("Row 1, Column A: Unknown", game.p.STATE_ENABLED), "cells unusable before a game")
    return len(controls)


def start_game(game, number):
    check(not game.state("Clue", game.p.STATE_ENABLED), "no game in progress")
    game.press("s")
    # The program answers the bus between handlers, so once Clue reads usable the whole start is done.
    game.reader.until(lambda: game.state("Clue", game.p.STATE_ENABLED), f"game {number} to start")
    check(game.named(f"^Current Game: {number}$"), f"game {number} shown")
    rows, columns = game.reader.until(lambda: (lambda c: c if None not in c[0] + c[1] else None)(game.counts()),
                                      "the twenty counts")
    check(sum(rows) == 20 and sum(columns) == 20, f"counts add up to 20: {rows} {columns}")
    return rows, columns


def clue(game):
    """Presses Clue and hears the status line name the revealed cell; returns it as (row, column, piece)."""
    before = len(game.reader.heard)
    game.press("c")

    def announced():
        for kind, name, role in game.reader.heard[before:]:
            match = CLUE_STATUS.match(name)
            if kind.startswith("object:property-change:accessible-name") and match:
                return int(match.group(1)) - 1, COLUMNS.index(match.group(2))
        return None
    row, column = game.reader.until(announced, "the status line to announce a clue")
    piece, is_clue = game.cells()[(row, column)]
    check(is_clue and piece in PIECES[:7], f"the clue cell reads {piece!r}")
    return row, column, piece


def marked_game(game):
    """Marks, undoes, takes a clue and gives up: answered No first, then Yes."""
    start_game(game, 1)
    game.go_to_cell(0, 0)
    game.choose("Water")
    game.reader.until(lambda: game.cells()[(0, 0)] == ("Water", False), "the marked cell named by its piece")
    game.press("u")
    game.reader.until(lambda: game.cells()[(0, 0)] == ("Unknown", False), "Undo to take the mark back")
    clue(game)
    check(game.named("^Current Score: 1$"), "the clue's point in the score")

    game.press("g")
    question = game.prompt("Are you sure you want to give up?")
    check(any(name == "Yes" for _, name, _ in read(question, game.p)), "the prompt's Yes button")
    game.reader.key(sym("Escape"))
    game.reader.until(lambda: game.gone(question), "the prompt to close on No")
    check(game.state("Clue", game.p.STATE_ENABLED), "the game goes on after No")

    game.press("g")
    question = game.prompt("Are you sure you want to give up?")
    game.reader.key(sym("Return"))
    game.reader.until(lambda: "Unknown" not in [piece for piece, _ in game.cells().values()],
                      "the fleet revealed after Yes")
    ships = [cell for cell, (piece, _) in game.cells().items() if piece != "Water"]
    check(len(ships) == 20, f"twenty ship cells revealed, not {len(ships)}")
    check(game.named("^Total Games: 0$"), "giving up leaves the totals")


def won_game(game):
    """Nineteen clues, then the last ship cell found from the counts and marked from the keyboard."""
    rows, columns = start_game(game, 1)
    ships = {}
    for _ in range(19):
        row, column, piece = clue(game)
        check(piece != "Water", "a clue shows a ship cell while ship cells are left unknown")
        ships[(row, column)] = piece
    missing_rows = [r for r in range(10) if rows[r] > sum(1 for (sr, _) in ships if sr == r)]
    missing_columns = [c for c in range(10) if columns[c] > sum(1 for (_, sc) in ships if sc == c)]
    check(len(missing_rows) == 1 and len(missing_columns) == 1, f"one cell left: {missing_rows} {missing_columns}")
    row, column = missing_rows[0], missing_columns[0]
    check(game.cells()[(row, column)] == ("Unknown", False), "the last ship cell is still unknown")
    piece = piece_between(ships, row, column)

    game.go_to_cell(row, column)
    game.choose(piece)
    congratulations = game.reader.until(
        lambda: game.window_with_text("Congratulations - You found the fleet!!!"), "the Congratulations dialog")
    check(any(role == "push button" and name == "Close" for role, name, _ in read(congratulations, game.p)),
          "the Congratulations dialog's Close button")
    game.reader.key(sym("Return"))
    game.reader.until(lambda: game.gone(congratulations), "the Congratulations dialog to close")
    game.reader.until(lambda: game.state("Start Game", game.p.STATE_FOCUSED), "the focus back on Start Game")
    check(game.reader.heard_name("Total Games: 1"), "the new total announced")
    check(game.named("^Total Score: 19.00$") and game.named("^Current Score: 19$"), "the totals after the win")
    check(game.cells()[(row, column)] == (piece, False), "the marked cell keeps its piece")


def dialogs(game):
    """The Score dialog and its clear-score prompt (answered No), the About dialog, then Exit."""
    game.press("r")
    score = game.reader.until(lambda: game.window_named("Score", "Total Score: 19.00"), "the Score dialog")
    names = [name for _, name, _ in read(score, game.p)]
    for name in ["Total Games: 1", "Clear Score...", "Cancel"]:
        check(name in names, f"{name!r} in the Score dialog: {names}")
    game.press("s")
    question = game.prompt("Are you sure you want to clear your score?")
    game.reader.key(sym("Escape"))
    game.reader.until(lambda: game.gone(question), "the clear-score prompt to close on No")
    game.press("c")
    game.reader.until(lambda: game.gone(score), "the Score dialog to close")
    check(game.named("^Total Games: 1$"), "No keeps the totals")

    game.press("a")
    about = game.reader.until(lambda: game.window_named("About", "Close"), "the About dialog")
    texts = [name for _, name, _ in read(about, game.p)]
    check(any(text.startswith("Corvane v. 1.00") for text in texts), f"the version text in {texts}")
    game.reader.key(sym("Return"))
    game.reader.until(lambda: game.gone(about), "the About dialog to close")


def main(program):
    started = time.monotonic()
    with DesktopSession() as session:
        reader = ScreenReader()
        process = session.start_game(program, accessibility=True)
        game = Game(reader, reader.application(os.path.basename(program)))
        count = read_the_window(game)
        print(f"read {count} controls, every one named")
        marked_game(game)
        print("marked, undid, took a clue, gave up")
        won_game(game)
        print("won with 19 clues and one deduced cell")
        dialogs(game)
        game.press("x")
        wait_until(lambda: process.poll() is not None, WAIT, "the program to end on Exit")
        check(process.returncode == 0, f"the program ended with {process.returncode}")
        settings = open(os.path.join(session.config_home, "Brindlemoor", "corvane.conf")).read()
        check("TotalGames=1" in settings, f"the win stored: {settings!r}")
    print(f"played through the accessibility bus in {time.monotonic() - started:.1f} s")


if __name__ == "__main__":
    run(main, WHOLE_RUN)
