// The template of the About dialog: the version text, the program icon and Close.
#include "Templates.h"

#include <QCoreApplication>

namespace {

// For the catalogue: the message under which a translation gives controls rectangles of its own (see DialogLayout).
//: Rectangles of your own for controls whose texts do not fit, in dialog units: one line each,
//: "<control> = x, y, width, height", the control named by its English text or, for a button or a
//: value, by its number (1 Close). Write LAYOUT to keep the English layout.
[[maybe_unused]] constexpr const char* AboutLayout = QT_TRANSLATE_NOOP("AboutDialog", "LAYOUT");

// The version text wraps within its 131 dialog units: the long first line takes two, so each further line
// is kept short enough for one. Close is centred below it.
DialogTemplate BuildAboutDialog()
{
    //: The first line names the program as its first release did; keep "Corvane v. 1.00" and the system names.
    const char* versionText = QT_TRANSLATE_NOOP("AboutDialog",
                                                "Corvane v. 1.00 for Windows 95, Windows 98, and NT\n"
                                                "\n"
                                                "Copyright (c) Brindlemoor\n"
                                                "Find the hidden fleet from the counts.");
    return {IDD_ABOUT, QT_TRANSLATE_NOOP("AboutDialog", "About"), 175, 90, 8, 0u, {
        {NoControlId, ControlKind::Static, versionText, 8, 7, 131, 56, 0u},
        {NoControlId, ControlKind::StaticIcon, "", 146, 7, 20, 20, 0u},
        {IDC_EXIT, ControlKind::PushButton, QT_TRANSLATE_NOOP("AboutDialog", "&Close"), 62, 70, 50, 14, DefaultButton | TabStop},
    }, &CorvaneResources::Instance(), "AboutDialog"};
}

} // namespace

const DialogTemplate& AboutDialogTemplate()
{
    static const DialogTemplate dialog = BuildAboutDialog();
    return dialog;
}
