// Creates a dialog's controls from its template, in template order.
#include "DialogBuilder.h"

#include "CBitmapButton.h"
#include "CCheckBox.h"
#include "ClassicFont.h"
#include "CGroupBox.h"
#include "CPicture.h"
#include "CStaticIcon.h"
#include "DialogTemplate.h"
#include "DialogUnits.h"
#include "ResourceModule.h"

#include <QLabel>
#include <QPushButton>

namespace {

Qt::Alignment StaticAlignment(unsigned style)
{
    if (style & AlignCenter)
        return Qt::AlignHCenter | Qt::AlignTop;
    if (style & AlignRight)
        return Qt::AlignRight | Qt::AlignTop;
    return Qt::AlignLeft | Qt::AlignTop;
}

QWidget* CreateStatic(const ControlTemplate& control, QWidget* parent)
{
    auto* label = new QLabel(control.text, parent);
    // A label registers its mnemonic only when it has a buddy; it is its own, and the dialog decides
    // where the focus goes when the mnemonic is pressed.
    if (control.text.contains(QLatin1Char('&')))
        label->setBuddy(label);
    label->setAlignment(StaticAlignment(control.style));
    label->setWordWrap(true);
    if (control.style & ClientEdge) {
        label->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    } else if (control.style & StaticEdge) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
    }
    return label;
}

QWidget* CreateControl(const ControlTemplate& control, const ResourceModule& resources, QWidget* parent)
{
    switch (control.kind) {
    case ControlKind::PushButton: {
        auto* button = new QPushButton(control.text, parent);
        // Enter is the dialog's business, not the button's.
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::OwnerDrawButton: {
        auto* button = new CBitmapButton(resources, parent);
        button->setText(control.text);
        return button;
    }
    case ControlKind::AutoCheckBox:
        return new CCheckBox(control.text, parent);
    case ControlKind::GroupBox:
        return new CGroupBox(control.text, parent);
    case ControlKind::Static:
        return CreateStatic(control, parent);
    case ControlKind::StaticPicture:
        return new CPicture(resources, control.text, parent);
    case ControlKind::StaticIcon:
        return new CStaticIcon(resources.LoadIcon(), parent);
    }
    return nullptr;
}

Qt::FocusPolicy FocusPolicyOf(const ControlTemplate& control)
{
    switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::OwnerDrawButton:
    case ControlKind::AutoCheckBox:
        return (control.style & TabStop) ? Qt::StrongFocus : Qt::ClickFocus;
    default:
        return Qt::NoFocus;
    }
}

// Pictures and icons take their own size, whatever the template says.
QSize ControlSize(const ControlTemplate& control, QWidget* widget, const QRect& rect)
{
    if (control.kind == ControlKind::StaticPicture || control.kind == ControlKind::StaticIcon)
        return widget->sizeHint();
    return rect.size();
}

} // namespace

std::vector<QWidget*> DialogBuilder::Build(QWidget& dialog, const DialogTemplate& dialogTemplate)
{
    Q_ASSERT_X(dialogTemplate.resources, "DialogBuilder::Build", "a template names where its pictures come from");
    const QFont font = DialogFont(dialogTemplate.pointSize);
    const DialogUnits units(font);
    dialog.setFont(font);
    dialog.setWindowTitle(dialogTemplate.caption);
    dialog.setFixedSize(units.ToPixelsX(dialogTemplate.cx), units.ToPixelsY(dialogTemplate.cy));

    std::vector<QWidget*> controls;
    controls.reserve(dialogTemplate.controls.size());
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = CreateControl(control, *dialogTemplate.resources, &dialog);
        const QRect rect = units.ToPixels(control.x, control.y, control.cx, control.cy);
        widget->setGeometry(QRect(rect.topLeft(), ControlSize(control, widget, rect)));
        widget->setFocusPolicy(FocusPolicyOf(control));
        widget->setEnabled(!(control.style & Disabled));
        widget->setVisible(!(control.style & Hidden));
        widget->setProperty("controlId", control.id);
        widget->setProperty("controlStyle", control.style);
        controls.push_back(widget);
    }
    return controls;
}
