// Where the help viewer opens: beside the window the player reads it for, never over what they look at.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

struct HelpPlacement {
    QRect area;        // the screen's work area
    QRect window;      // the player's window, frame included
    QRect inView;      // the part of it the player keeps looking at; inside window
    QSize preferred;   // the viewer's own size, frame excluded
    QSize smallest;    // the least the viewer can be read at, frame excluded
    QMargins frame;    // what the window manager adds around the viewer

    // The viewer's frame: in the largest strip of the work area beside the window where it fits at least
    // at its smallest size, as large as the strip allows up to its own size; where no strip beside the
    // whole window is large enough, in one beside the part in view, over the rest of the window; where
    // there is none either, its own size within the work area. The frame always lies on the work area.
    QRect Frame() const;
};
