// A dialog built from its template, with the keyboard rules of a desktop dialog box.
#pragma once

#include "DialogTemplate.h"

#include <QDialog>
#include <functional>
#include <unordered_map>
#include <vector>

class Announcer;
class QAbstractButton;

class CDialog : public QDialog {
    Q_OBJECT
public:
    CDialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);

    // Creates the window from the template (once), initialises it and runs it modally; once it closes, the
    // focus is where it was before it opened.
    int DoModal();
    // Creates the window from the template and initialises it without running it.
    void Create();

    // Asking for a control the template does not hold, or for one of another class, is a programming
    // error: the program stops at once, naming the dialog and the identifier.
    QWidget* GetDlgItem(int id) const;
    template <class T> T* Item(int id) const
    {
        T* control = qobject_cast<T*>(GetDlgItem(id));
        if (!control)
            qFatal("%s: control %d is not a %s", qPrintable(windowTitle()), id, T::staticMetaObject.className());
        return control;
    }
    // Changes what a label or button shows, and with it what a screen reader calls the control,
    // which hears of the change; a control whose template says it announces its changes has its new text,
    // when there is one, spoken as well.
    void SetWindowText(QWidget* control, const QString& text);
    void SetDlgItemText(int id, const QString& text);
    QString GetDlgItemText(int id) const;
    void SetDlgItemInt(int id, int value);
    void CheckDlgButton(int id, bool checked);
    int GetDlgCtrlID(const QWidget* control) const;

    // Controls in template order.
    const std::vector<QWidget*>& Controls() const { return controls; }

    // The part of the window the player keeps looking at, in screen coordinates: help opened beside the
    // window leaves it in view. The whole window unless a dialog names a part.
    virtual QRect FocalArea() const { return frameGeometry(); }

    void CenterWindow();
    void GotoDlgCtrl(QWidget* control);
    // When the control holds the focus, hands it to the control that Tab would reach from there, so that
    // the focus stays on a usable control; to the dialog itself only when no other control can take it.
    void MoveFocusOff(QWidget* control);
    void EndDialog(int result);
    void BeginWaitCursor();
    void EndWaitCursor();

    // Tells a screen reader what changed, without showing it: all that is told before control returns to
    // the event loop is spoken together, once the window is active (see Announcer).
    void Announce(const QString& text);

protected:
    // Returns true to give the focus to the first tab-stop control.
    virtual bool OnInitDialog();
    // Binds handlers to the controls; called once, right after the controls exist.
    virtual void ConnectHandlers() {}
    virtual void OnOK();
    virtual void OnCancel();
    // The close box, the window menu's Close and Alt+F4.
    virtual void OnClose() { OnCancel(); }

    void OnClicked(int id, std::function<void()> handler);
    void OnClickedRange(int firstId, int lastId, std::function<void(int)> handler);

    // The window has been closed for good: the last moment to keep what must outlive it.
    virtual void OnDestroy() {}

    // Where an arrow key moves the focus from a control: by default the next or previous
    // focusable control of its group, round the group. Null keeps the focus where it is.
    virtual QWidget* ArrowTarget(QWidget* from, int key) const;

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FocusAfter(QWidget* label);
    void NameControl(QWidget* control, const QString& text);
    // The first enabled, visible tab-stop control after the given one in template order, round the
    // dialog; null when there is none but the given one.
    QWidget* NextTabStop(const QWidget* from) const;
    QAbstractButton* DefaultPushButton() const;
    int IndexOf(const QWidget* control) const;

    const DialogTemplate& dialogTemplate;
    std::vector<QWidget*> controls;
    // Made at the first announcement, as a child of the window: most dialogs never make one.
    Announcer* announcer = nullptr;
    // The first control of each identifier: every handler looks controls up by number.
    std::unordered_map<int, QWidget*> controlsById;
    bool created = false;
    bool ended = false;
};
