// A dialog built from its template, with the keyboard rules of a desktop dialog box.
#include "CDialog.h"

#include "Announcer.h"
#include "CWinApp.h"
#include "ClassicStyle.h"
#include "DialogBuilder.h"
#include "FocusKeeper.h"
#include "ResourceModule.h"
#include "MessageBox.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcutEvent>

namespace {

unsigned StyleOf(const QWidget* control) { return control->property("controlStyle").toUInt(); }

bool CanTakeFocus(const QWidget* control)
{
    return control->focusPolicy() != Qt::NoFocus && control->isEnabled() && !control->isHidden();
}

bool IsArrowKey(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

// Left and Right as a control laid out left to right means them: in a mirrored one, Left moves on.
int LogicalArrow(const QWidget* control, int key)
{
    if (!control->isRightToLeft())
        return key;
    return key == Qt::Key_Left ? Qt::Key_Right : key == Qt::Key_Right ? Qt::Key_Left : key;
}

Qt::WindowFlags FlagsOf(const DialogTemplate& dialogTemplate)
{
    Qt::WindowFlags flags = (dialogTemplate.style & AppWindow) ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (dialogTemplate.style & MinimizeBox)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

// A dialog that stands as the program's main window, with a task-bar button of its own, is a frame to a
// screen reader, as a main window is: coming back to it from a prompt or a menu then brings back its
// title and the focused control, where a dialog's return is read out label by label.
QAccessibleInterface* MainWindowAccessible(const QString&, QObject* object)
{
    auto* dialog = qobject_cast<CDialog*>(object);
    if (!dialog || dialog->windowType() != Qt::Window)
        return nullptr;
    return new QAccessibleWidget(dialog, QAccessible::Window);
}

} // namespace

CDialog::CDialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent), dialogTemplate(dialogTemplate)
{
    setWindowFlags(FlagsOf(dialogTemplate));
    // The classic light grey face that the program's pictures are drawn to sit on.
    setPalette(LookPalette());
    QAccessible::installFactory(MainWindowAccessible);
}

void CDialog::Create()
{
    if (created)
        return;
    created = true;
    controls = DialogBuilder::Build(*this, dialogTemplate);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        controlsById.try_emplace(GetDlgCtrlID(controls[i]), controls[i]);
        controls[i]->installEventFilter(this);
        NameControl(controls[i], DialogBuilder::TextOf(dialogTemplate, dialogTemplate.controls[i]));
    }
    ConnectHandlers();
    if (OnInitDialog()) {
        const auto first = std::find_if(controls.begin(), controls.end(), [](QWidget* control) {
            return CanTakeFocus(control) && (StyleOf(control) & TabStop);
        });
        if (first != controls.end())
            (*first)->setFocus(Qt::TabFocusReason);
    }
}

int CDialog::DoModal()
{
    // A dialog shown without an owner belongs to the main window, as on the desktop it stands in for.
    CWinApp* app = AfxGetApp();
    if (!parentWidget() && app && app->m_pMainWnd && app->m_pMainWnd != this)
        setParent(app->m_pMainWnd, windowFlags());
    Create();
    ended = false;
    // What the owner had still to say comes first: this dialog's own reading follows it.
    if (auto* owner = qobject_cast<CDialog*>(parentWidget()); owner && owner->announcer)
        owner->announcer->SpeakNow();
    // Modal to its own windows only: a window of its own, such as the help viewer, stays usable.
    setWindowModality(Qt::WindowModal);
    int result;
    {
        const FocusKeeper focus;
        result = exec();
    }
    OnDestroy();
    return result;
}

bool CDialog::OnInitDialog() { return true; }

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int result)
{
    ended = true;
    done(result);
}

QWidget* CDialog::GetDlgItem(int id) const
{
    const auto found = controlsById.find(id);
    if (found == controlsById.end())
        qFatal("%s has no control %d", qPrintable(windowTitle()), id);
    return found->second;
}

int CDialog::GetDlgCtrlID(const QWidget* control) const { return control->property("controlId").toInt(); }

void CDialog::SetDlgItemText(int id, const QString& text) { SetWindowText(GetDlgItem(id), text); }

void CDialog::SetWindowText(QWidget* control, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else
        qFatal("%s: control %d shows no text", qPrintable(windowTitle()), GetDlgCtrlID(control));
    NameControl(control, text);
    if (StyleOf(control) & AnnouncesChanges)
        Announce(text);
}

void CDialog::Announce(const QString& text)
{
    if (!announcer)
        announcer = new Announcer(this);
    announcer->Say(text);
}

// A new name tells a screen reader listening on the control that it changed; an unchanged one stays quiet.
void CDialog::NameControl(QWidget* control, const QString& text)
{
    const int index = IndexOf(control);
    if (index < 0)
        return;
    const QString name = dialogTemplate.resources->ControlName(dialogTemplate.controls[index], text);
    if (!name.isEmpty() && name != control->accessibleName())
        control->setAccessibleName(name);
}

QString CDialog::GetDlgItemText(int id) const
{
    QWidget* control = GetDlgItem(id);
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    return Item<QAbstractButton>(id)->text();
}

// In the control's own locale, so that a board keeps the digits 0 to 9 in every language; no group separators.
void CDialog::SetDlgItemInt(int id, int value)
{
    QLocale locale = GetDlgItem(id)->locale();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    SetDlgItemText(id, locale.toString(value));
}

void CDialog::CheckDlgButton(int id, bool checked)
{
    Item<QAbstractButton>(id)->setChecked(checked);
}

void CDialog::CenterWindow()
{
    QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    QScreen* screen = owner ? owner->screen() : this->screen();
    const QRect workArea = screen ? screen->availableGeometry() : QRect(0, 0, width(), height());
    const QRect around = (owner && owner->isVisible() && !owner->isMinimized()) ? owner->frameGeometry() : workArea;
    QRect frame(QPoint(), frameGeometry().size().expandedTo(size()));
    frame.moveCenter(around.center());
    frame.moveLeft(std::clamp(frame.left(), workArea.left(), std::max(workArea.left(), workArea.right() - frame.width() + 1)));
    frame.moveTop(std::clamp(frame.top(), workArea.top(), std::max(workArea.top(), workArea.bottom() - frame.height() + 1)));
    move(frame.topLeft());
}

void CDialog::GotoDlgCtrl(QWidget* control) { control->setFocus(Qt::OtherFocusReason); }

void CDialog::BeginWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void CDialog::EndWaitCursor() { QApplication::restoreOverrideCursor(); }

void CDialog::OnClicked(int id, std::function<void()> handler)
{
    connect(Item<QAbstractButton>(id), &QAbstractButton::clicked, this, [handler = std::move(handler)] { handler(); });
}

void CDialog::OnClickedRange(int firstId, int lastId, std::function<void(int)> handler)
{
    for (int id = firstId; id <= lastId; ++id)
        connect(Item<QAbstractButton>(id), &QAbstractButton::clicked, this, [handler, id] { handler(id); });
}

QAbstractButton* CDialog::DefaultPushButton() const
{
    for (QWidget* control : controls)
        if (StyleOf(control) & ControlStyle::DefaultButton)
            return qobject_cast<QAbstractButton*>(control);
    return nullptr;
}

int CDialog::IndexOf(const QWidget* control) const
{
    const auto found = std::find(controls.begin(), controls.end(), control);
    return found == controls.end() ? -1 : static_cast<int>(found - controls.begin());
}

QWidget* CDialog::NextTabStop(const QWidget* from) const
{
    const int count = static_cast<int>(controls.size());
    const int start = IndexOf(from);
    for (int step = 1; step < count; ++step) {
        QWidget* control = controls[(start + step) % count];
        if (CanTakeFocus(control) && (StyleOf(control) & TabStop))
            return control;
    }
    return nullptr;
}

void CDialog::FocusAfter(QWidget* label)
{
    if (QWidget* next = NextTabStop(label))
        next->setFocus(Qt::ShortcutFocusReason);
}

void CDialog::MoveFocusOff(QWidget* control)
{
    if (focusWidget() != control)
        return;
    if (QWidget* next = NextTabStop(control))
        next->setFocus(Qt::TabFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}

QWidget* CDialog::ArrowTarget(QWidget* from, int key) const
{
    const int index = IndexOf(from);
    if (index < 0)
        return nullptr;
    int first = index;
    while (first > 0 && !(StyleOf(controls[first]) & Group))
        --first;
    int last = index + 1;
    while (last < static_cast<int>(controls.size()) && !(StyleOf(controls[last]) & Group))
        ++last;

    const int size = last - first;
    const int step = (key == Qt::Key_Right || key == Qt::Key_Down) ? 1 : size - 1;
    for (int i = (index - first + step) % size; i != index - first; i = (i + step) % size)
        if (CanTakeFocus(controls[first + i]))
            return controls[first + i];
    return nullptr;
}

bool CDialog::eventFilter(QObject* watched, QEvent* event)
{
    // A label's or group box's mnemonic moves the focus on to the control after it. A button's clicks it at
    // once, as a desktop dialog does, rather than after the toolkit's tenth of a second of showing it pressed:
    // what the click says is heard that much sooner.
    if (event->type() == QEvent::Shortcut) {
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button) {
            FocusAfter(static_cast<QWidget*>(watched));
            return true;
        }
        if (!static_cast<QShortcutEvent*>(event)->isAmbiguous() && button->isEnabled()) {
            button->click();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsArrowKey(key->key()) && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            auto* control = static_cast<QWidget*>(watched);
            if (QWidget* target = ArrowTarget(control, LogicalArrow(control, key->key())))
                target->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CDialog::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
    switch (event->key()) {
    case Qt::Key_Escape:
        OnCancel();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // Enter clicks the focused push button, else the default push button if it can be used.
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        QAbstractButton* target = (focused && IndexOf(focused) >= 0) ? focused : DefaultPushButton();
        if (target && target->isEnabled() && target->isVisible())
            target->click();
        return;
    }
    case Qt::Key_F1:
        if (plain && AfxGetApp())
            AfxGetApp()->OnHelp();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CDialog::closeEvent(QCloseEvent* event)
{
    if (!ended)
        OnClose();
    if (ended)
        event->accept();
    else
        event->ignore();
}
