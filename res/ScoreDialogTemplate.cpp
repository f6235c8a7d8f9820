// The template of the Score dialog: the two totals, Clear Score and the button that closes it.
#include "Templates.h"

namespace {

// The closing button is "&Cancel" but carries the identifier of OK, so pressing it runs the dialog's OnOK.
DialogTemplate BuildScoreDialog()
{
    return {IDD_SCORE, "Score", 199, 74, 8, 0u, {
        {NoControlId, ControlKind::Static, "Total Score:", 24, 11, 38, 8, Group},
        {IDC_AVERAGE_SCORE, ControlKind::Static, "", 66, 11, 26, 8, Group},
        {NoControlId, ControlKind::Static, "Total Games:", 98, 11, 42, 8, Group},
        {IDC_TOTAL_GAMES, ControlKind::Static, "", 145, 11, 29, 8, Group},
        {IDC_CLEAR_SCORE, ControlKind::PushButton, "Clear &Score...", 45, 52, 54, 14, TabStop},
        {IDC_EXIT, ControlKind::PushButton, "&Cancel", 111, 52, 42, 14, DefaultButton | TabStop},
    }, &CorvaneResources::Instance()};
}

} // namespace

const DialogTemplate& ScoreDialogTemplate()
{
    static const DialogTemplate dialog = BuildScoreDialog();
    return dialog;
}
