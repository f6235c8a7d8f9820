// The dialog templates of the program, as data.
#pragma once

#include "DialogTemplate.h"

const DialogTemplate& MainDialogTemplate();     // 102, the game window
const DialogTemplate& AboutDialogTemplate();    // 103
const DialogTemplate& CongratsDialogTemplate(); // 137
const DialogTemplate& ScoreDialogTemplate();    // 138
