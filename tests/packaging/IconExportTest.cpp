// The icon files an installation puts in the desktop's icon theme: every size drawn for its own pixels, and
// the scalable design.
#include "PixelProbe.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(IconExport, WritesEveryThemeSizeCrispAndTheScalableDesign)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QStringList sizes = {"16", "22", "24", "32", "48", "64", "128", "256"};
    QProcess exporter;
    exporter.start(ICON_EXPORT, QStringList({folder.path(), "org.example.Icon"}) + sizes);
    ASSERT_TRUE(exporter.waitForFinished(15000));
    ASSERT_EQ(exporter.exitCode(), 0) << exporter.readAllStandardError().toStdString();
    for (const QString& size : sizes) {
        SCOPED_TRACE(size.toStdString());
        const QImage picture(folder.filePath(size + "x" + size + "/apps/org.example.Icon.png"));
        ASSERT_EQ(picture.size(), QSize(size.toInt(), size.toInt()));
        QSet<QRgb> colours;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                colours.insert(picture.pixel(x, y) | 0xff000000);
        for (QRgb colour : colours)
            EXPECT_TRUE(standardPalette.contains(colour)) << "not smoothed: " << std::hex << colour;
        EXPECT_GE(colours.size(), 6);
    }
    QFile svg(folder.filePath("scalable/apps/org.example.Icon.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    EXPECT_TRUE(text.contains("viewBox=\"0 0 32 32\""));
    EXPECT_GT(text.count("<polygon"), 3) << "the hull, the deckhouse and the bridge";
}

TEST(IconExport, FailsAloudWhenItCannotWrite)
{
    QProcess exporter;
    exporter.start(ICON_EXPORT, {"/proc/no-such-folder", "org.example.Icon", "16"});
    ASSERT_TRUE(exporter.waitForFinished(15000));
    EXPECT_NE(exporter.exitCode(), 0);
    EXPECT_FALSE(exporter.readAllStandardError().isEmpty());
}

} // namespace
