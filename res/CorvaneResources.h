// The program's texts, pictures, icon and control names, as the dialog layer looks them up.
#pragma once

#include "ResourceModule.h"

class CorvaneResources final : public ResourceModule {
public:
    // The one set of the program's resources; it lives as long as the process.
    static const CorvaneResources& Instance();

    QString LoadString(int id) const override;
    QImage LoadBitmap(const QString& name, qreal devicePixelRatio,
                      const std::optional<Inks>& inks = std::nullopt) const override;
    QIcon LoadIcon() const override;
    QString ControlName(const ControlTemplate& control, const QString& text) const override;
    // The catalogues built into the program, corvane_<language>.qm.
    QString CatalogueFolder() const override;
    QString CatalogueName() const override;
};
