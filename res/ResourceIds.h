// Every number by which the program names a dialog, a control, a text, a picture or its icon.
#pragma once

#include "PieceKind.h"

// Dialog templates.
enum DialogId : int {
    IDD_CORVANE = 102,
    IDD_ABOUT = 103,
    IDD_CONGRATS = 137,
    IDD_SCORE = 138,
};

inline constexpr int IDI_CORVANE = 128;

// Controls. Several numbers stand for more than one thing: a piece command is also the number of its
// menu picture, a fill command also the number of the text it shows, and the Score dialog shows the
// totals under the game window's own identifiers.
enum ControlId : int {
    IDC_EXIT = 1, // the button that closes a dialog through OnOK
    IDC_START_GAME = 1000,
    IDC_CLEAR_SCORE = 1000, // in the Score dialog
    IDC_CLUE = 1003,
    IDC_UNDO = 1004,
    IDC_GIVE_UP = 1005,
    IDC_SCORE = 1006,
    IDC_HELP = 1007,
    IDC_ABOUT = 1008,
    IDC_STATUS = 1010,
    IDC_CURRENT_SCORE = 1011,
    IDC_AVERAGE_SCORE = 1012,
    IDC_TOTAL_GAMES = 1013,
    IDC_GAME_NUMBER = 1014,
    IDC_HIDDEN_DEFAULT = 1015,
    IDC_FIRST_CELL = FirstCellId, // + row * 10 + column
    IDC_LAST_CELL = FirstCellId + CellCount - 1,
    IDC_FIRST_PIECE_COMMAND = 3000, // + piece code; also the menu pictures
    IDC_FILL_ROW = 3008,
    IDC_FILL_COLUMN = 3009,
    IDC_FIRST_ROW_COUNT = 4000,     // + row
    IDC_FIRST_COLUMN_COUNT = 5000,  // + column
    IDC_FIRST_SHIP_CHECK = 6000,    // + place in the fleet table
    IDC_FIRST_COLUMN_LETTER = 7000, // + column
};

// Texts of the string table.
enum StringId : int {
    IDS_REGISTRY_KEY = 100,
    IDS_CLEAR_SCORE_PROMPT = 101,
    IDS_CLUE_STATUS = 102,
    IDS_GIVE_UP_PROMPT = 103,
    // The notice about a whole fleet that fits but is not the hidden one (%1 the number of fleets that fit),
    // and how a count that stopped at its cap is written (%1 the cap).
    IDS_FLEET_NOTICE = 110,
    IDS_MORE_THAN = 111,
    // The status line after a win that waits beside the totals while another copy of the game holds them.
    IDS_WIN_WAITS = 112,
    IDS_FILL_ROW = IDC_FILL_ROW,
    IDS_FILL_COLUMN = IDC_FILL_COLUMN,
};
