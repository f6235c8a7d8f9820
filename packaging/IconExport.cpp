// Writes the program's icon as PNG files for a desktop icon theme: <directory>/<n>x<n>/apps/<name>.png.
#include "Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>

#include <cstdio>

namespace {

// The picture a size is made from: the largest drawn one whose size divides it, so that every pixel
// of the drawing becomes a whole square of pixels and the artwork stays crisp.
QImage PictureForSize(const QIcon& icon, int size)
{
    QList<QSize> drawn = icon.availableSizes();
    std::sort(drawn.begin(), drawn.end(), [](QSize a, QSize b) { return a.width() > b.width(); });
    for (const QSize picture : drawn)
        if (size % picture.width() == 0)
            return icon.pixmap(picture).toImage().scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <directory> <icon name> <size>...\n", argv[0]);
        return 2;
    }
    const QIcon icon = LoadAppIcon();
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLocal8Bit(argv[i]).toInt();
        const QImage picture = size > 0 ? PictureForSize(icon, size) : QImage();
        const QString directory = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(directory, QString::fromLocal8Bit(argv[2]));
        if (picture.isNull() || !QDir().mkpath(directory) || !picture.save(file)) {
            std::fprintf(stderr, "%s: cannot write the %s pixel icon\n", argv[0], argv[i]);
            return 1;
        }
    }
    return 0;
}
