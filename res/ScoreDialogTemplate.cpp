// The template of the Score dialog: the two totals, Clear Score and the button that closes it.
#include "Templates.h"

#include <QCoreApplication>

namespace {

// For the catalogue: the message under which a translation gives controls rectangles of its own (see DialogLayout).
//: Rectangles of your own for controls whose texts do not fit, in dialog units: one line each,
//: "<control> = x, y, width, height", the control named by its English text or, for a button or a
//: value, by its number (1000 Clear Score, 1 Cancel, 1012 the average, 1013 the games). Write LAYOUT to keep the English layout.
[[maybe_unused]] constexpr const char* ScoreLayout = QT_TRANSLATE_NOOP("ScoreDialog", "LAYOUT");

// The closing button is "&Cancel" but carries the identifier of OK, so pressing it runs the dialog's OnOK.
DialogTemplate BuildScoreDialog()
{
    return {IDD_SCORE, QT_TRANSLATE_NOOP("ScoreDialog", "Score"), 199, 74, 8, 0u, {
        {NoControlId, ControlKind::Static, QT_TRANSLATE_NOOP("ScoreDialog", "Total Score:"), 24, 11, 38, 8, Group},
        {IDC_AVERAGE_SCORE, ControlKind::Static, "", 66, 11, 26, 8, Group},
        {NoControlId, ControlKind::Static, QT_TRANSLATE_NOOP("ScoreDialog", "Total Games:"), 98, 11, 42, 8, Group},
        {IDC_TOTAL_GAMES, ControlKind::Static, "", 145, 11, 29, 8, Group},
        {IDC_CLEAR_SCORE, ControlKind::PushButton, QT_TRANSLATE_NOOP("ScoreDialog", "Clear &Score..."), 45, 52, 54, 14, TabStop},
        {IDC_EXIT, ControlKind::PushButton, QT_TRANSLATE_NOOP("ScoreDialog", "&Cancel"), 111, 52, 42, 14,
         DefaultButton | TabStop},
    }, &CorvaneResources::Instance(), "ScoreDialog"};
}

} // namespace

const DialogTemplate& ScoreDialogTemplate()
{
    static const DialogTemplate dialog = BuildScoreDialog();
    return dialog;
}
