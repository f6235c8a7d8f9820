// The template of the About dialog: the version text, the program icon and Close.
#include "Templates.h"

namespace {

// The version text wraps within its 131 dialog units: the long first line takes two, so each further line
// is kept short enough for one. Close is centred below it.
DialogTemplate BuildAboutDialog()
{
    const QString versionText = QStringLiteral(
        "Corvane v. 1.00 for Windows 95, Windows 98, and NT\n"
        "\n"
        "Copyright (c) Brindlemoor\n"
        "Find the hidden fleet from the counts.");
    return {IDD_ABOUT, "About", 175, 90, 8, 0u, {
        {NoControlId, ControlKind::Static, versionText, 8, 7, 131, 56, 0u},
        {NoControlId, ControlKind::StaticIcon, "", 146, 7, 20, 20, 0u},
        {IDC_EXIT, ControlKind::PushButton, "&Close", 62, 70, 50, 14, DefaultButton | TabStop},
    }, &CorvaneResources::Instance()};
}

} // namespace

const DialogTemplate& AboutDialogTemplate()
{
    static const DialogTemplate dialog = BuildAboutDialog();
    return dialog;
}
