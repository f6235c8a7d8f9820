// The program's texts, pictures, icon and control names, as the dialog layer looks them up.
#include "CorvaneResources.h"

#include "ControlNames.h"
#include "Pictures.h"
#include "StringTable.h"

const CorvaneResources& CorvaneResources::Instance()
{
    static const CorvaneResources resources;
    return resources;
}

QString CorvaneResources::LoadString(int id) const { return ::LoadString(id); }

QImage CorvaneResources::LoadBitmap(const QString& name, qreal devicePixelRatio, const std::optional<Inks>& inks) const
{
    return inks ? ::LoadBitmap(name, devicePixelRatio, *inks) : ::LoadBitmap(name, devicePixelRatio);
}

QIcon CorvaneResources::LoadIcon() const { return LoadAppIcon(); }

QString CorvaneResources::ControlName(const ControlTemplate& control, const QString& text) const
{
    return ControlAccessibleName(control, text);
}
