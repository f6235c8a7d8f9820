// The static controls whose keyboard mnemonic moves the focus to the next control, as on a dialog box.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <functional>

// A label whose "&" mnemonic focuses the first enabled tab-stop control after it.
class CStatic : public QLabel {
    Q_OBJECT
public:
    CStatic(const QString& text, std::function<void(QWidget*)> onMnemonic, QWidget* parent);

protected:
    bool event(QEvent* event) override;

private:
    std::function<void(QWidget*)> onMnemonic;
};

// A group box with the same mnemonic rule; the controls it frames are its siblings, not its children.
// It draws an etched frame with the title on its top line and leaves the inside unpainted, so that
// the pictures set on it stand on the dialog's own face.
class CGroupBox : public QGroupBox {
    Q_OBJECT
public:
    CGroupBox(const QString& title, std::function<void(QWidget*)> onMnemonic, QWidget* parent);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void(QWidget*)> onMnemonic;
};

// A check box that answers a click anywhere in its rectangle, not only on its mark and text.
class CCheckBox : public QCheckBox {
    Q_OBJECT
public:
    CCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {}

protected:
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};

// A named picture at its own size, drawn for the pixels of the screen it shows on.
class CPicture : public QLabel {
    Q_OBJECT
public:
    CPicture(const QString& name, QWidget* parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString name;
};
