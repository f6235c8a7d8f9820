// What the dialog layer asks of a program's resources: its texts by number, its pictures by name, its icon.
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

// The dialog layer knows nothing of any one program; the program hands it one of these, through its
// dialog templates and its application object, and every resource the layer shows comes from it.
class ResourceModule {
public:
    virtual ~ResourceModule() = default;

    // An empty text for a number the program does not hold.
    virtual QString LoadString(int id) const = 0;
    // A null image for a name the program does not hold.
    virtual QImage LoadBitmap(const QString& name) const = 0;
    // The program's own icon, at every size it has.
    virtual QIcon LoadIcon() const = 0;
};
