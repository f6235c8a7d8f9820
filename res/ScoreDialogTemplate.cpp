// Template 138, the Score dialog: the two totals, Clear Score and the button that closes it.
#include "Templates.h"

namespace {

// The closing button is "&Cancel" but carries identifier 1, so closing it runs the dialog's OnOK.
DialogTemplate BuildScoreDialog()
{
    return {138, "Score", 199, 74, 8, 0u, {
        {NoControlId, ControlKind::Static, "Total Score:", 24, 11, 38, 8, Group},
        {1012, ControlKind::Static, "", 66, 11, 26, 8, Group},
        {NoControlId, ControlKind::Static, "Total Games:", 98, 11, 42, 8, Group},
        {1013, ControlKind::Static, "", 145, 11, 29, 8, Group},
        {1000, ControlKind::PushButton, "Clear &Score...", 45, 52, 54, 14, TabStop},
        {1, ControlKind::PushButton, "&Cancel", 111, 52, 42, 14, DefaultButton | TabStop},
    }};
}

} // namespace

const DialogTemplate& ScoreDialogTemplate()
{
    static const DialogTemplate dialog = BuildScoreDialog();
    return dialog;
}
