// The game's windows drawn by a process of their own at one scale on one screen, read back for measuring.
#pragma once

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QTextStream>

#include <cmath>
#include <string>
#include <vector>

// The scales desktops offer, 1.25 and 1.75 among them.
inline constexpr double LookScales[] = {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

// A control whose edge a style draws: its kind, its rectangle in the window's logical pixels, and a part
// of it that the edge does not cross (a group box's title).
struct FramedControl {
    QString kind;
    QRect rect;
    QRect skip;
};

struct WindowPicture {
    QImage picture;
    double ratio = 0;
    std::vector<FramedControl> controls;
    // Where the window writes its texts, in its logical pixels.
    std::vector<QRect> texts;

    // The device pixels a logical rectangle of the window covers, as the window system clips a control to
    // them: each edge on the nearest pixel boundary.
    QRect Device(const QRect& logical) const
    {
        if (logical.isNull())
            return {};
        const auto edge = [this](int position) { return int(std::floor(position * ratio + 0.5)); };
        return QRect(QPoint(edge(logical.left()), edge(logical.top())),
                     QPoint(edge(logical.right() + 1) - 1, edge(logical.bottom() + 1) - 1));
    }
};

class WindowPicturesRun {
public:
    // Draws the windows at this scale on a screen of this many device pixels, in the desktop language
    // given (English when none is), with the desktop's palette named (white-on-black, black-on-white) or
    // none; with texts only, measures the windows' texts without their pictures.
    explicit WindowPicturesRun(double scale, QSize screen = QSize(3840, 2160), const QString& language = "en",
                               bool textsOnly = false, const QString& palette = QString())
    {
        const QString config = folder.filePath("screen.json");
        QFile file(config);
        file.open(QIODevice::WriteOnly);
        file.write(QStringLiteral(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": %1, "height": %2}]})")
                       .arg(screen.width())
                       .arg(screen.height())
                       .toUtf8());
        file.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config);
        environment.insert("QT_SCALE_FACTOR", QString::number(scale));
        environment.insert("LANGUAGE", language);
        process.setProcessEnvironment(environment);
        QStringList arguments{folder.path()};
        if (textsOnly)
            arguments << "--texts-only";
        if (!palette.isEmpty())
            arguments << palette;
        process.start(WINDOW_PICTURES, arguments);
        finished = process.waitForFinished(15000) && process.exitStatus() == QProcess::NormalExit &&
                   process.exitCode() == 0;
        if (!finished)
            process.kill();
        errors = process.readAllStandardError().toStdString();
    }

    bool Succeeded() const { return finished; }
    std::string Folder() const { return folder.path().toStdString(); }
    std::string Report() const
    {
        return "the drawing program failed: " + errors;
    }

    WindowPicture Window(const QString& name) const
    {
        WindowPicture window;
        window.picture = QImage(folder.filePath(name + ".png")).convertToFormat(QImage::Format_RGB32);
        for (const QStringList& fields : Lines(name + ".txt")) {
            if (fields.value(0) == "ratio") {
                window.ratio = fields.value(1).toDouble();
            } else if (fields.value(0) == "text" && fields.size() >= 5) {
                window.texts.push_back(Rect(fields, 1));
            } else if (fields.size() >= 5) {
                FramedControl control{fields[0], Rect(fields, 1), {}};
                if (fields.size() >= 9)
                    control.skip = Rect(fields, 5);
                window.controls.push_back(control);
            }
        }
        return window;
    }

    // A line of places.txt by its first word: the rectangle it gives, in logical pixels of the screen.
    QRect Place(const QString& what) const
    {
        for (const QStringList& fields : Lines("places.txt"))
            if (fields.value(0) == what && fields.size() >= 5)
                return QRect(fields[1].toInt(), fields[2].toInt(), fields[3].toInt(), fields[4].toInt());
        return {};
    }

    // The words after the first of a line of places.txt.
    QStringList Words(const QString& what) const
    {
        for (const QStringList& fields : Lines("places.txt"))
            if (fields.value(0) == what)
                return fields.mid(1);
        return {};
    }

    // The lines of texts.txt, split into words: the window, then what TextFit.h describes.
    std::vector<QStringList> Texts() const { return Lines("texts.txt"); }

private:
    // From the left, top, right and bottom edges written at fields[first].
    static QRect Rect(const QStringList& fields, int first)
    {
        return QRect(QPoint(fields[first].toInt(), fields[first + 1].toInt()),
                     QPoint(fields[first + 2].toInt() - 1, fields[first + 3].toInt() - 1));
    }

    std::vector<QStringList> Lines(const QString& name) const
    {
        std::vector<QStringList> lines;
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return lines;
        QTextStream in(&file);
        while (!in.atEnd())
            lines.push_back(in.readLine().split(' ', Qt::SkipEmptyParts));
        return lines;
    }

    QTemporaryDir folder;
    QProcess process;
    bool finished = false;
    std::string errors;
};
