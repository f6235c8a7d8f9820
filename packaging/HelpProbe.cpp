// Loaded into an installed program with LD_PRELOAD: presses F1 on its first window and reports the help file shown.
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTextBrowser>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

// The file a visible help window shows, if any: the viewer reads it into a text browser based at its path.
QString ShownHelpFile()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            if (auto* text = window->findChild<QTextBrowser*>())
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

// Once the first top-level window has been painted, presses F1 on it and prints "help <path>" for the file
// the help viewer then shows, or "help failed: <message>". The program runs on until it is told to stop.
class FirstWindowHelpPresser : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWidget*>(watched);
        if (pressed || event->type() != QEvent::Paint || !window || !window->isWindow())
            return false;
        pressed = true;
        QTimer::singleShot(0, window, [window] {
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

void PressHelpOnTheFirstWindow()
{
    QCoreApplication* application = QCoreApplication::instance();
    auto* presser = new FirstWindowHelpPresser;
    presser->setParent(application);
    application->installEventFilter(presser);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(PressHelpOnTheFirstWindow)
