// A dialog laid out as data: its controls in template order, positions in dialog units.
#pragma once

#include <QString>
#include <vector>

class ResourceModule;

enum class ControlKind {
    PushButton,      // plain push button; DefaultButton makes it the dialog's default
    OwnerDrawButton, // a CBitmapButton: draws pictures, never its text
    AutoCheckBox,
    GroupBox,
    Static,          // text; alignment and edges from the style
    StaticPicture,   // a named picture shown at its own size; text is the picture name
    StaticIcon,      // the program icon; text unused
};

// Window styles that the templates use; anything not named here is the default.
enum ControlStyle : unsigned {
    TabStop = 1u << 0,
    Group = 1u << 1,
    Disabled = 1u << 2,
    Hidden = 1u << 3,
    AlignCenter = 1u << 4,
    AlignRight = 1u << 5,
    StaticEdge = 1u << 6,
    ClientEdge = 1u << 7,
    DefaultButton = 1u << 8,
    // A screen reader is told each text the control comes to show, as it changes: for a status line,
    // whose news a player sees at a glance wherever the keyboard is.
    AnnouncesChanges = 1u << 9,
    // Reads left to right in every language, as a board does: a dialog mirrored for a right-to-left language
    // moves the control with the group box around it but keeps it on the same side within the box, and the
    // control writes its numbers with the digits 0 to 9.
    LeftToRight = 1u << 10,
};

inline constexpr int NoControlId = -1;

struct ControlTemplate {
    int id;
    ControlKind kind;
    QString text;
    int x, y, cx, cy; // dialog units
    unsigned style;
};

enum DialogStyle : unsigned {
    MinimizeBox = 1u << 0,
    AppWindow = 1u << 1, // has its own task-bar button
};

struct DialogTemplate {
    int id;
    QString caption;
    int cx, cy; // dialog units
    int pointSize;
    unsigned style;
    std::vector<ControlTemplate> controls;
    // Where the pictures and icons that the controls name come from; it outlives every dialog.
    const ResourceModule* resources = nullptr;
    // The context in which the program's catalogue translates the caption and the controls' texts, whose
    // English texts are the source texts; a translation may also move controls (see DialogLayout). Without
    // one, the dialog shows its texts as they stand.
    const char* translationContext = nullptr;
};

// The source text whose translation in a dialog's context gives the translation's own rectangles.
inline constexpr const char* LayoutSourceText = "LAYOUT";
