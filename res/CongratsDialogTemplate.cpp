// The template of the Congratulations dialog shown after a win.
#include "Templates.h"

namespace {

// Close comes first in template order, so it is the control that takes the focus.
DialogTemplate BuildCongratsDialog()
{
    return {IDD_CONGRATS, "Corvane", 151, 57, 8, 0u, {
        {IDC_EXIT, ControlKind::PushButton, "&Close", 50, 36, 50, 14, DefaultButton | TabStop},
        {NoControlId, ControlKind::Static, "Congratulations - You found the fleet!!!", 19, 9, 113, 20, Group},
    }, &CorvaneResources::Instance()};
}

} // namespace

const DialogTemplate& CongratsDialogTemplate()
{
    static const DialogTemplate dialog = BuildCongratsDialog();
    return dialog;
}
