// The Corvane application object: owns the random source and runs the game window.
#pragma once

#include "CWinApp.h"
#include "GameRandom.h"

class CCorvaneApp : public CWinApp {
public:
    // Seeds the random source from the clock (the low 16 bits of the millisecond tick count), so that each
    // run hides a different fleet.
    CCorvaneApp();

    // Runs the game window modally; returns false, so the program ends when the window does.
    bool InitInstance() override;

private:
    GameRandom random;
};
