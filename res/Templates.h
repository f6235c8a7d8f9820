// The dialog templates of the program, as data.
#pragma once

#include "CorvaneResources.h"
#include "DialogTemplate.h"
#include "ResourceIds.h"

const DialogTemplate& MainDialogTemplate(); // the game window
const DialogTemplate& AboutDialogTemplate();
const DialogTemplate& CongratsDialogTemplate();
const DialogTemplate& ScoreDialogTemplate();
