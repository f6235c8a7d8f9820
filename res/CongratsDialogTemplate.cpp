// The template of the Congratulations dialog shown after a win.
#include "Templates.h"

#include <QCoreApplication>

namespace {

// For the catalogue: the message under which a translation gives controls rectangles of its own (see DialogLayout).
//: Rectangles of your own for controls whose texts do not fit, in dialog units: one line each,
//: "<control> = x, y, width, height", the control named by its English text or, for a button or a
//: value, by its number (1 Close). Write LAYOUT to keep the English layout.
[[maybe_unused]] constexpr const char* CongratsLayout = QT_TRANSLATE_NOOP("CongratsDialog", "LAYOUT");

// Close comes first in template order, so it is the control that takes the focus.
DialogTemplate BuildCongratsDialog()
{
    return {IDD_CONGRATS, "Corvane", 151, 57, 8, 0u, {
        {IDC_EXIT, ControlKind::PushButton, QT_TRANSLATE_NOOP("CongratsDialog", "&Close"), 50, 36, 50, 14,
         DefaultButton | TabStop},
        {NoControlId, ControlKind::Static, QT_TRANSLATE_NOOP("CongratsDialog", "Congratulations - You found the fleet!!!"),
         19, 9, 113, 20, Group},
    }, &CorvaneResources::Instance(), "CongratsDialog"};
}

} // namespace

const DialogTemplate& CongratsDialogTemplate()
{
    static const DialogTemplate dialog = BuildCongratsDialog();
    return dialog;
}
