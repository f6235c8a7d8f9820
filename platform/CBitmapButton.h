// A push button that shows one of four named pictures by state and keeps its text as storage only.
#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QString>

class ResourceModule;

class CBitmapButton : public QAbstractButton {
    Q_OBJECT
public:
    // The pictures are looked up by name in resources, which outlives the button.
    explicit CBitmapButton(const ResourceModule& resources, QWidget* parent = nullptr);

    // Releases the four current pictures, loads the up picture and, only if it loaded, the other three.
    // Returns whether the up picture loaded.
    bool LoadBitmaps(const QString& up, const QString& down, const QString& focus, const QString& disabled);

    // The picture the drawing rule chooses for the button's current state; null when none is loaded.
    QImage CurrentPicture() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString CurrentPictureName() const;

    const ResourceModule& resources;
    // The names of the loaded pictures, empty where none loaded: each is drawn for the screen it shows on.
    QString upPicture, downPicture, focusPicture, disabledPicture;
};
