// The program's texts, pictures and icon, as the dialog layer looks them up.
#include "CorvaneResources.h"

#include "Pictures.h"
#include "StringTable.h"

const CorvaneResources& CorvaneResources::Instance()
{
    static const CorvaneResources resources;
    return resources;
}

QString CorvaneResources::LoadString(int id) const { return ::LoadString(id); }

QImage CorvaneResources::LoadBitmap(const QString& name) const { return ::LoadBitmap(name); }

QIcon CorvaneResources::LoadIcon() const { return LoadAppIcon(); }
