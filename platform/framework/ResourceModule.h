// What the dialog layer asks of a program's resources: texts by number, pictures by name, its icon, names.
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

#include <optional>

struct ControlTemplate;

// The two colours of a high-contrast look, in which a picture is drawn: all its shapes in ink on paper.
struct Inks {
    QRgb ink, paper;
    friend bool operator==(const Inks&, const Inks&) = default;
};

// The dialog layer knows nothing of any one program; the program hands it one of these, through its
// dialog templates and its application object, and every resource the layer shows comes from it.
class ResourceModule {
public:
    virtual ~ResourceModule() = default;

    // An empty text for a number the program does not hold.
    virtual QString LoadString(int id) const = 0;
    // The named picture for a screen of the given device pixel ratio, carrying that ratio, in its own colours
    // or, given inks, in those two; a null image for a name the program does not hold.
    virtual QImage LoadBitmap(const QString& name, qreal devicePixelRatio,
                              const std::optional<Inks>& inks = std::nullopt) const = 0;
    // The program's own icon, at every size it has.
    virtual QIcon LoadIcon() const = 0;
    // What a screen reader calls a control made from this template entry and now showing text (for a
    // picture, text is the picture's name); empty when the control's own text is name enough.
    virtual QString ControlName(const ControlTemplate& control, const QString& text) const = 0;
    // Where the program's catalogues of translations are, each <CatalogueName()>_<language>.qm in
    // CatalogueFolder().
    virtual QString CatalogueFolder() const = 0;
    virtual QString CatalogueName() const = 0;
};
