// The program's own texts, found by number.
#pragma once

#include <QString>

enum StringId : int {
    IDS_REGISTRY_KEY = 100,
    IDS_CLEAR_SCORE_PROMPT = 101,
    IDS_CLUE_STATUS = 102,
    IDS_GIVE_UP_PROMPT = 103,
    IDS_FILL_ROW = 3008,
    IDS_FILL_COLUMN = 3009,
    IDS_HELP_FAILED = 61703,
};

// An empty text for a number that the table does not hold.
QString LoadString(int id);
