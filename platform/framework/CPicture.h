// A named picture of a dialog, shown at its own size and drawn for the pixels of the screen it is on.
#pragma once

#include <QLabel>

class ResourceModule;

class CPicture : public QLabel {
    Q_OBJECT
public:
    // The picture is looked up by name in resources, which outlives the control.
    CPicture(const ResourceModule& resources, const QString& name, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ResourceModule& resources;
    QString name;
};
