// Creates a dialog's controls from its template, in template order.
#include "DialogBuilder.h"

#include "CBitmapButton.h"
#include "CCheckBox.h"
#include "ClassicFont.h"
#include "CGroupBox.h"
#include "CPicture.h"
#include "CStaticIcon.h"
#include "DialogLayout.h"
#include "DialogTemplate.h"
#include "DialogUnits.h"
#include "ResourceModule.h"

#include <QCoreApplication>
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

QWidget* CreateStatic(const ControlTemplate& control, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    // A label registers its mnemonic only when it has a buddy; it is its own, and the dialog decides
    // where the focus goes when the mnemonic is pressed.
    if (text.contains(QLatin1Char('&')))
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

QWidget* CreateControl(const ControlTemplate& control, const QString& text, const ResourceModule& resources,
                       QWidget* parent)
{
    switch (control.kind) {
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, parent);
        // Enter is the dialog's business, not the button's.
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::OwnerDrawButton: {
        auto* button = new CBitmapButton(resources, parent);
        button->setText(text);
        return button;
    }
    case ControlKind::AutoCheckBox:
        return new CCheckBox(text, parent);
    case ControlKind::GroupBox:
        return new CGroupBox(text, parent);
    case ControlKind::Static:
        return CreateStatic(control, text, parent);
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

// In a dialog laid out right to left every control stands where a mirror shows it, except one that reads
// left to right: that keeps its place within the last group box before it that holds it, and moves with it.
class Placement {
public:
    Placement(const DialogTemplate& dialogTemplate, int width, bool mirrored)
        : dialogTemplate(dialogTemplate), width(width), mirrored(mirrored)
    {
    }

    // rect is the control's place in a dialog laid out left to right, in pixels; controls come in template order.
    QRect Place(int index, const QRect& rect)
    {
        unmirrored.push_back(rect);
        if (!mirrored)
            return rect;
        if (!(dialogTemplate.controls[index].style & LeftToRight))
            return Mirror(rect);
        for (int group = index - 1; group >= 0; --group)
            if (dialogTemplate.controls[group].kind == ControlKind::GroupBox && unmirrored[group].contains(rect))
                return rect.translated(Mirror(unmirrored[group]).x() - unmirrored[group].x(), 0);
        return rect;
    }

private:
    QRect Mirror(const QRect& rect) const
    {
        return QRect(width - rect.x() - rect.width(), rect.y(), rect.width(), rect.height());
    }

    const DialogTemplate& dialogTemplate;
    int width;
    bool mirrored;
    std::vector<QRect> unmirrored;
};

} // namespace

QString DialogBuilder::TextOf(const DialogTemplate& dialogTemplate, const ControlTemplate& control)
{
    switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::AutoCheckBox:
    case ControlKind::GroupBox:
    case ControlKind::Static:
        if (dialogTemplate.translationContext && !control.text.isEmpty())
            return QCoreApplication::translate(dialogTemplate.translationContext, control.text.toUtf8().constData());
        break;
    default:
        break;
    }
    return control.text;
}

QString DialogBuilder::CaptionOf(const DialogTemplate& dialogTemplate)
{
    if (!dialogTemplate.translationContext)
        return dialogTemplate.caption;
    return QCoreApplication::translate(dialogTemplate.translationContext, dialogTemplate.caption.toUtf8().constData());
}

std::vector<QWidget*> DialogBuilder::Build(QWidget& dialog, const DialogTemplate& dialogTemplate)
{
    Q_ASSERT_X(dialogTemplate.resources, "DialogBuilder::Build", "a template names where its pictures come from");
    const QFont font = DialogFont(dialogTemplate.pointSize);
    const DialogUnits units(font);
    dialog.setFont(font);
    dialog.setWindowTitle(CaptionOf(dialogTemplate));
    dialog.setFixedSize(units.ToPixelsX(dialogTemplate.cx), units.ToPixelsY(dialogTemplate.cy));
    const DialogLayout layout = DialogLayout::Of(dialogTemplate);
    Placement placement(dialogTemplate, dialog.width(), dialog.isRightToLeft());

    std::vector<QWidget*> controls;
    controls.reserve(dialogTemplate.controls.size());
    for (int i = 0; i < int(dialogTemplate.controls.size()); ++i) {
        const ControlTemplate& control = dialogTemplate.controls[i];
        QWidget* widget = CreateControl(control, TextOf(dialogTemplate, control), *dialogTemplate.resources, &dialog);
        const QRect dlu = layout.RectOf(i);
        const QRect rect = units.ToPixels(dlu.x(), dlu.y(), dlu.width(), dlu.height());
        widget->setGeometry(placement.Place(i, QRect(rect.topLeft(), ControlSize(control, widget, rect))));
        if (control.style & LeftToRight) {
            widget->setLayoutDirection(Qt::LeftToRight);
            widget->setLocale(QLocale::c());
        }
        widget->setFocusPolicy(FocusPolicyOf(control));
        widget->setEnabled(!(control.style & Disabled));
        widget->setVisible(!(control.style & Hidden));
        widget->setProperty("controlId", control.id);
        widget->setProperty("controlStyle", control.style);
        controls.push_back(widget);
    }
    return controls;
}
