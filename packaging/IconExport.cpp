// Writes the program's icon for a desktop icon theme: <directory>/<n>x<n>/apps/<name>.png for each size asked
// for, each drawn for its own pixels, and <directory>/scalable/apps/<name>.svg from the same design.
#include "Pictures.h"
#include "VectorIcon.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <cstdio>
#include <functional>

namespace {

bool WriteFile(const QString& directory, const QString& name, const std::function<bool(const QString&)>& write)
{
    return QDir().mkpath(directory) && write(QDir(directory).filePath(name));
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <directory> <icon name> <size>...\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]), name = QString::fromLocal8Bit(argv[2]);
    const QIcon icon = LoadAppIcon();
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLocal8Bit(argv[i]).toInt();
        const QImage picture = size > 0 ? icon.pixmap(QSize(size, size), 1.0).toImage() : QImage();
        const bool written = picture.size() == QSize(size, size) &&
                             WriteFile(QStringLiteral("%1/%2x%2/apps").arg(root).arg(size), name + ".png",
                                       [&picture](const QString& file) { return picture.save(file); });
        if (!written) {
            std::fprintf(stderr, "%s: cannot write the %s pixel icon\n", argv[0], argv[i]);
            return 1;
        }
    }
    const QByteArray svg = AppIconDesign()->Svg().toUtf8();
    const bool written = WriteFile(root + "/scalable/apps", name + ".svg", [&svg](const QString& file) {
        QFile out(file);
        return out.open(QIODevice::WriteOnly) && out.write(svg) == svg.size();
    });
    if (!written) {
        std::fprintf(stderr, "%s: cannot write the scalable icon\n", argv[0]);
        return 1;
    }
    return 0;
}
