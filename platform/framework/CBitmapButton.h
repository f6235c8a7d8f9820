// A push button that shows one of four named pictures by state and keeps its text as storage only.
#pragma once

#include <QAbstractButton>
#include <QString>

class ResourceModule;

class CBitmapButton : public QAbstractButton {
    Q_OBJECT
public:
    // The pictures are looked up by name in resources, which outlives the button.
    explicit CBitmapButton(const ResourceModule& resources, QWidget* parent = nullptr);

    // Replaces all four pictures at once, so that no picture of an earlier set lingers in a state. The up
    // picture is what every other state falls back to: without it the button stays blank, and the rest are
    // not kept. Returns whether the up picture loaded.
    bool LoadBitmaps(const QString& up, const QString& down, const QString& focus, const QString& disabled);

    // What a screen reader reads as the focus lands on the button: its name, and after it its description. A
    // screen reader hears of no change of them: a board of buttons all renamed at once would hold up what it
    // says next. Its text is storage, never its name.
    void SetName(const QString& name);
    QString Name() const;
    void SetDescription(const QString& description);

    // A read-only button takes the focus and is clicked as any other, but never shows itself pressed: it
    // stands for something that cannot be changed, and what a click on it does is its owner's business.
    void SetReadOnly(bool readOnly);
    bool IsReadOnly() const { return readOnly; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The picture painted now: pressed, then focused, then disabled, each only when loaded, else the up
    // picture; none when none is loaded.
    QString CurrentPictureName() const;

    const ResourceModule& resources;
    // The names of the loaded pictures, empty where none loaded: each is drawn for the screen it shows on.
    QString upPicture, downPicture, focusPicture, disabledPicture;
    bool readOnly = false;
};
