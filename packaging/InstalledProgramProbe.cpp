// Loaded into an installed program with LD_PRELOAD: reports the fonts its first window found and the help
// file that F1 shows there.
#include "PictureGeometry.h"

#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <set>

namespace {

// The font families a window lays out its text in, and the one the menu pictures write their words in.
std::set<QString> FamiliesAskedFor(const QWidget* window)
{
    std::set<QString> families = {QString::fromLatin1(PictureGeometry::LabelFamily)};
    families.insert(window->font().family());
    for (const QWidget* widget : window->findChildren<QWidget*>())
        families.insert(widget->font().family());
    return families;
}

// Prints "font <family asked for>: <family found>" for each: a font that is not installed is replaced by
// another, whose letters are wider or narrower than the layout expects.
void ReportFonts(const QWidget* window)
{
    for (const QString& family : FamiliesAskedFor(window))
        std::printf("font %s: %s\n", qPrintable(family), qPrintable(QFontInfo(QFont(family)).family()));
}

// The file a visible help window shows, if any: the viewer reads it into a text based at its path.
QString ShownHelpFile()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            if (auto* text = window->findChild<QTextEdit*>(QStringLiteral("text")))
                return text->document()->baseUrl().toLocalFile();
    return {};
}

// A failed help call shows a message box inside the F1 handler; this answers it with what it said.
void ReportAFailureMessage()
{
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        std::printf("help failed: %s\n", qPrintable(box->text()));
        std::fflush(stdout);
        box->reject();
    }
}

// Once the first top-level window has been painted, reports its fonts, presses F1 on it and prints
// "help <path>" for the file the help viewer then shows, or "help failed: <message>". The program runs on
// until it is told to stop.
class FirstWindowProbe : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWidget*>(watched);
        if (pressed || event->type() != QEvent::Paint || !window || !window->isWindow())
            return false;
        pressed = true;
        QTimer::singleShot(0, window, [window] {
            ReportFonts(window);
            QTimer::singleShot(0, ReportAFailureMessage);
            QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
            QCoreApplication::sendEvent(window, &f1);
            const QString shown = ShownHelpFile();
            if (!shown.isEmpty())
                std::printf("help %s\n", qPrintable(shown));
            std::fflush(stdout);
        });
        return false;
    }

private:
    bool pressed = false;
};

void ProbeTheFirstWindow()
{
    QCoreApplication* application = QCoreApplication::instance();
    auto* probe = new FirstWindowProbe;
    probe->setParent(application);
    application->installEventFilter(probe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(ProbeTheFirstWindow)
