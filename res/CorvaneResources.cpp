// The program's texts, pictures, icon and control names, as the dialog layer looks them up.
#include "CorvaneResources.h"

#include "ControlNames.h"
#include "Pictures.h"
#include "StringTable.h"

#include <QCoreApplication>

namespace {

// What each catalogue holds beyond the program's own texts: which way its language is written, which the
// toolkit asks of the catalogues when the program starts, so that a language written right to left
// mirrors the windows even where the toolkit's own catalogue of it is missing.
//: Write RTL for a language written from right to left (Arabic), else LTR.
[[maybe_unused]] constexpr const char* LayoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

} // namespace

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

QString CorvaneResources::CatalogueFolder() const { return QStringLiteral(":/i18n"); }

QString CorvaneResources::CatalogueName() const { return QStringLiteral("corvane"); }
