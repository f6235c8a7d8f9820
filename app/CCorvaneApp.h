// The Corvane application object: owns the random source and runs the game window.
#pragma once

#include "CWinApp.h"
#include "GameRandom.h"

class CCorvaneApp : public CWinApp {
public:
    // Seeds the random source from the low 16 bits of the millisecond tick count.
    CCorvaneApp();

    // Runs the game window modally; returns false, so the program ends when the window does.
    bool InitInstance() override;

private:
    GameRandom random;
};
