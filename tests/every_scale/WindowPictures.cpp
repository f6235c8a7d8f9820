// Draws every window of the game at the scale and on the screen its environment gives (QT_SCALE_FACTOR,
// the offscreen platform's screen), for the look tests to measure: a picture of each window, the places
// of its framed controls, and where the help viewer opened beside the game.
//
// Usage: corvane_window_pictures <folder> [--texts-only] [white-on-black | black-on-white]. Writes <window>.png
// and <window>.txt for the windows start, started, notice, menu, prompt, clear-prompt, warning, congratulations,
// score, about and help, the window icon as window-icon-16.png and window-icon-32.png, places.txt, and texts.txt:
// what each text of each window needs and has, in the language the desktop asks for (see TextFit.h), each line
// after its window's name. --texts-only writes texts.txt and places.txt alone. A palette named is the desktop's,
// set as a desktop sets it before the program starts: a high-contrast one.
//
// A window's .txt holds its ratio, its framed controls by kind with their rectangles (and a part the frame
// leaves out), and "text" lines: the rectangles where it writes its texts, inside any edge.
#include "AverageScoreText.h"
#include "CBitmapButton.h"
#include "CCongratsDlg.h"
#include "CCorvaneDlg.h"
#include "CGroupBox.h"
#include "CPicture.h"
#include "CPieceMenu.h"
#include "CorvaneResources.h"
#include "CWinApp.h"
#include "ClassicFont.h"
#include "DialogLayout.h"
#include "DialogUnits.h"
#include "GameRandom.h"
#include "StatusTexts.h"
#include "StringTable.h"
#include "Templates.h"
#include "TextFit.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStyleOptionSlider>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

QString folder;
bool picturesWanted = true;
QStringList texts;
// Beside the texts the windows show: the status line's longest messages and the widest values the top
// line and the Score dialog come to show (a year of daily games, a hundred clues).
std::map<int, QStringList> alsoShown;

void Fail(const QString& why)
{
    std::fprintf(stderr, "corvane_window_pictures: %s\n", qPrintable(why));
    std::exit(1);
}

// A framed control's kind, by what draws its frame, its rectangle in the window's logical pixels, and the
// part of it the frame leaves out.
struct Framed {
    QString kind;
    QRect rect;
    QRect skip = QRect();
};

QString FrameKind(const QFrame& frame)
{
    const QString shadow = frame.frameShadow() == QFrame::Sunken ? "sunken" : "raised";
    switch (frame.frameShape()) {
    case QFrame::Panel:
        return "panel-" + shadow;
    case QFrame::WinPanel:
        return "winpanel-" + shadow;
    case QFrame::StyledPanel:
        return "styled-" + shadow;
    default:
        return {};
    }
}

QRect InWindow(const QWidget& control, const QRect& rect)
{
    return QRect(control.mapTo(control.window(), rect.topLeft()), rect.size());
}

std::vector<Framed> FramedControls(QWidget& window)
{
    std::vector<Framed> found;
    if (auto* menu = qobject_cast<QMenu*>(&window)) {
        found.push_back({"menu", menu->rect()});
        for (QAction* action : menu->actions())
            if (action->isSeparator())
                found.push_back({"separator", menu->actionGeometry(action)});
    }
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window) || control->window() != &window)
            continue;
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            found.push_back({button->isDefault() ? "default-button" : "button", InWindow(*button, button->rect())});
        } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
            QStyleOptionButton option;
            option.initFrom(box);
            found.push_back({"check-box", InWindow(*box, box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box))});
        } else if (auto* group = qobject_cast<CGroupBox*>(control)) {
            QStyleOptionGroupBox option;
            option.initFrom(group);
            option.text = group->title();
            const auto part = [group, &option](QStyle::SubControl sub) {
                return InWindow(*group, group->style()->subControlRect(QStyle::CC_GroupBox, &option, sub, group));
            };
            found.push_back({"group-box", part(QStyle::SC_GroupBoxFrame), part(QStyle::SC_GroupBoxLabel)});
        } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            found.push_back({"line-edit", InWindow(*edit, edit->rect())});
        } else if (auto* bar = qobject_cast<QScrollBar*>(control)) {
            // Its arrow buttons and its thumb, where the style puts them.
            QStyleOptionSlider option;
            option.initFrom(bar);
            option.subControls = QStyle::SC_All;
            option.orientation = bar->orientation();
            if (bar->orientation() == Qt::Horizontal)
                option.state |= QStyle::State_Horizontal;
            option.minimum = bar->minimum();
            option.maximum = bar->maximum();
            option.sliderPosition = bar->sliderPosition();
            option.sliderValue = bar->value();
            option.singleStep = bar->singleStep();
            option.pageStep = bar->pageStep();
            option.upsideDown = bar->invertedAppearance();
            for (QStyle::SubControl part : {QStyle::SC_ScrollBarSubLine, QStyle::SC_ScrollBarAddLine, QStyle::SC_ScrollBarSlider})
                found.push_back({"scroll-button", InWindow(*bar, bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar))});
        } else if (auto* tabs = qobject_cast<QTabWidget*>(control)) {
            QStyleOptionTabWidgetFrame option;
            option.initFrom(tabs);
            option.shape = tabs->tabBar()->shape();
            option.tabBarSize = tabs->tabBar()->sizeHint();
            option.lineWidth = tabs->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, tabs);
            // The chosen tab stands over the pane's top edge.
            const QRect chosen = tabs->tabBar()->tabRect(tabs->currentIndex());
            found.push_back({"tab-pane", InWindow(*tabs, tabs->style()->subElementRect(QStyle::SE_TabWidgetTabPane, &option, tabs)),
                             InWindow(*tabs->tabBar(), chosen)});
        } else if (auto* label = qobject_cast<QLabel*>(control);
                   label && !label->pixmap().isNull() && !qobject_cast<CPicture*>(label)) {
            found.push_back({"icon", InWindow(*label, label->rect())});
        } else if (auto* frame = qobject_cast<QFrame*>(control)) {
            const QString kind = FrameKind(*frame);
            if (!kind.isEmpty() && frame->frameWidth() > 0)
                found.push_back({kind, InWindow(*frame, frame->rect())});
        }
    }
    return found;
}

// Where the window writes text, inside the edges around it: labels, buttons, check boxes, group titles, tabs,
// lists and trees, the help text and the menu's items (the picture items write their labels in their pictures).
std::vector<QRect> TextPlaces(QWidget& window)
{
    std::vector<QRect> found;
    const auto inside = [](const QWidget& control, const QRect& rect) {
        // Two lines of edge and a line of focus mark, at the most.
        const int margin = 3 * std::max(1, qRound(control.devicePixelRatioF()));
        return InWindow(control, rect.adjusted(margin, margin, -margin, -margin));
    };
    if (auto* menu = qobject_cast<QMenu*>(&window))
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                found.push_back(InWindow(*menu, menu->actionGeometry(action)));
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window) || control->window() != &window)
            continue;
        if (auto* label = qobject_cast<QLabel*>(control); label && !label->text().isEmpty()) {
            found.push_back(InWindow(*label, label->contentsRect()));
        } else if (auto* button = qobject_cast<QPushButton*>(control); button && !button->text().isEmpty()) {
            found.push_back(inside(*button, button->rect()));
        } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
            QStyleOptionButton option;
            option.initFrom(box);
            found.push_back(InWindow(*box, box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box)));
        } else if (auto* group = qobject_cast<CGroupBox*>(control)) {
            QStyleOptionGroupBox option;
            option.initFrom(group);
            option.text = group->title();
            found.push_back(InWindow(*group, group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                                            QStyle::SC_GroupBoxLabel, group)));
        } else if (auto* bar = qobject_cast<QTabBar*>(control)) {
            for (int tab = 0; tab < bar->count(); ++tab)
                found.push_back(inside(*bar, bar->tabRect(tab)));
        } else if (auto* view = qobject_cast<QAbstractScrollArea*>(control)) {
            found.push_back(InWindow(*view->viewport(), view->viewport()->rect()));
        }
    }
    return found;
}

void Write(const QString& name, const QString& text)
{
    QFile file(QDir(folder).filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text) || file.write(text.toUtf8()) < 0)
        Fail("cannot write " + name);
}

// The window's picture as the screen shows it, and its framed controls with the ratio they are drawn at.
void Capture(const QString& name, QWidget& window)
{
    QCoreApplication::processEvents();
    for (const QString& line : MeasureTexts(window, alsoShown))
        texts << name + QLatin1Char(' ') + line;
    if (!picturesWanted)
        return;
    if (!window.grab().save(QDir(folder).filePath(name + ".png")))
        Fail("cannot save the picture of " + name);
    QString text;
    QTextStream out(&text);
    out << "ratio " << window.devicePixelRatioF() << "\n";
    const auto edges = [&out](const QRect& rect) {
        out << ' ' << rect.left() << ' ' << rect.top() << ' ' << rect.right() + 1 << ' ' << rect.bottom() + 1;
    };
    for (const Framed& control : FramedControls(window)) {
        out << control.kind;
        edges(control.rect);
        if (!control.skip.isNull())
            edges(control.skip);
        out << "\n";
    }
    for (const QRect& place : TextPlaces(window)) {
        out << "text";
        edges(place);
        out << "\n";
    }
    Write(name + ".txt", text);
}

// Runs open, whose nested loop shows a window; the window the loop shows is captured, then closed by close.
void CaptureNested(const QString& name, const std::function<void()>& open, const std::function<void(QWidget&)>& close)
{
    bool seen = false;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* window = QApplication::activePopupWidget();
        if (!window)
            window = QApplication::activeModalWidget();
        if (!window || !window->isVisible() || window == AfxGetApp()->m_pMainWnd)
            return;
        poll.stop();
        seen = true;
        Capture(name, *window);
        close(*window);
    });
    poll.start();
    open();
    if (!seen)
        Fail(name + " never showed");
}

QString Place(const char* what, const QRect& rect)
{
    return QStringLiteral("%1 %2 %3 %4 %5\n").arg(what).arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

void Click(QWidget* control) { qobject_cast<QAbstractButton*>(control)->click(); }

} // namespace

int main(int argc, char** argv)
{
    QStringList options;
    for (int index = 2; index < argc; ++index)
        options << QString::fromLocal8Bit(argv[index]);
    const bool textsOnly = options.removeAll(QStringLiteral("--texts-only")) > 0;
    const QString paletteName = options.value(0);
    if (argc < 2 || options.size() > 1 ||
        (!paletteName.isEmpty() && paletteName != QLatin1String("white-on-black") &&
         paletteName != QLatin1String("black-on-white"))) {
        std::fprintf(stderr, "usage: %s <folder> [--texts-only] [white-on-black | black-on-white]\n", argv[0]);
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[1]);
    picturesWanted = !textsOnly;
    // No totals of anyone's but the pictures' own.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication application(argc, argv);
    if (!paletteName.isEmpty()) {
        const bool whiteOnBlack = paletteName == QLatin1String("white-on-black");
        const QColor paper = whiteOnBlack ? QColor(Qt::black) : QColor(Qt::white);
        const QColor ink = whiteOnBlack ? QColor(Qt::white) : QColor(Qt::black);
        QPalette desktop;
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
            desktop.setColor(role, paper);
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            desktop.setColor(role, ink);
        QApplication::setPalette(desktop);
    }
    CWinApp app(CorvaneResources::Instance(), {});
    app.SetRegistryKey(LoadString(IDS_REGISTRY_KEY));
    GameRandom random;
    random.Seed(0);
    CCorvaneDlg dialog(random);
    app.m_pMainWnd = &dialog;
    dialog.Create();
    QLocale values;
    values.setNumberOptions(QLocale::OmitGroupSeparator);
    alsoShown = {
        {IDC_STATUS,
         {ClueStatusText(LoadString(IDS_CLUE_STATUS), 9, 9), FleetNoticeText({10'000, true}), FleetNoticeText({9'999, false}),
          LoadString(IDS_WIN_WAITS)}},
        {IDC_GAME_NUMBER, {values.toString(9'999)}},
        {IDC_CURRENT_SCORE, {values.toString(100)}},
        {IDC_AVERAGE_SCORE, {AverageScoreText(1, 100), AverageScoreText(3, 1)}},
        {IDC_TOTAL_GAMES, {values.toString(99'999)}},
    };
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    Capture("start", dialog);
    // The window's icon as the window system is handed it, at the sizes a title bar and a task bar show.
    for (int size : {16, 32})
        if (!QApplication::windowIcon().pixmap(QSize(size, size)).save(QDir(folder).filePath(QStringLiteral("window-icon-%1.png").arg(size))))
            Fail("cannot save the window icon");

    Click(dialog.GetDlgItem(IDC_START_GAME));
    Capture("started", dialog);
    // The status line with its longest message, as a player sees it.
    dialog.SetDlgItemText(IDC_STATUS, FleetNoticeText({10'000, true}));
    Capture("notice", dialog);
    dialog.SetDlgItemText(IDC_STATUS, QString());


    CaptureNested("prompt", [&] { Click(dialog.GetDlgItem(IDC_GIVE_UP)); },
                  [](QWidget& box) { qobject_cast<QMessageBox*>(&box)->reject(); });
    CaptureNested("warning", [] { AfxMessageBox(QCoreApplication::translate("CWinApp", "Failed to launch help.")); },
                  [](QWidget& box) { qobject_cast<QMessageBox*>(&box)->reject(); });
    // The Score dialog, and over it the question whether to clear the totals.
    CaptureNested("score", [&] { Click(dialog.GetDlgItem(IDC_SCORE)); }, [](QWidget& score) {
        CaptureNested("clear-prompt", [&score] { Click(qobject_cast<CDialog*>(&score)->GetDlgItem(IDC_CLEAR_SCORE)); },
                      [](QWidget& box) { qobject_cast<QMessageBox*>(&box)->reject(); });
        qobject_cast<QDialog*>(&score)->reject();
    });
    CaptureNested("about", [&] { Click(dialog.GetDlgItem(IDC_ABOUT)); },
                  [](QWidget& about) { qobject_cast<QDialog*>(&about)->reject(); });
    CaptureNested("menu", [&] { Click(dialog.CellById(IDC_FIRST_CELL + 45)); },
                  [](QWidget& menu) { menu.close(); });
    CaptureNested("congratulations", [] { CCongratsDlg().DoModal(); },
                  [](QWidget& congratulations) { qobject_cast<QDialog*>(&congratulations)->reject(); });

    Click(dialog.GetDlgItem(IDC_HELP));
    QWidget* help = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != &dialog && window->isVisible() && !qobject_cast<QMenu*>(window))
            help = window;
    if (!help)
        Fail("help never showed");
    Capture("help", *help);

    QString places;
    places += Place("screen", dialog.screen()->availableGeometry());
    places += Place("game", dialog.frameGeometry());
    for (auto* group : dialog.findChildren<CGroupBox*>())
        if (group->geometry().contains(dialog.GetDlgItem(IDC_FIRST_CELL)->geometry()))
            places += Place("grid", QRect(group->mapToGlobal(QPoint()), group->size()));
    places += Place("help", help->frameGeometry());
    QWidget* focused = QApplication::focusWidget();
    places += QStringLiteral("help-focus %1 %2\n")
                  .arg(focused && focused->window() == help ? focused->objectName() : QStringLiteral("none"))
                  .arg(QApplication::activeWindow() == help ? "active" : "inactive");
    // A translation's own rectangles that cannot be read are a fault of the translation, told as one.
    for (const DialogTemplate* dialogTemplate :
         {&MainDialogTemplate(), &AboutDialogTemplate(), &CongratsDialogTemplate(), &ScoreDialogTemplate()})
        for (const DialogLayout layout = DialogLayout::Of(*dialogTemplate); const QString& error : layout.Errors())
            texts << QStringLiteral("%1 layout %2").arg(dialogTemplate->translationContext, error);
    const DialogUnits units(DialogFont(8));
    places += QStringLiteral("units %1 %2\n").arg(units.BaseX()).arg(units.BaseY());
    places += QStringLiteral("client %1 %2\n").arg(dialog.width()).arg(dialog.height());
    places += QStringLiteral("language %1\n").arg(app.Language().isEmpty() ? QStringLiteral("en") : app.Language());
    places += QStringLiteral("number %1\n").arg(QLocale().toString(12'345));
    Write("places.txt", places);
    Write("texts.txt", texts.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    app.m_pMainWnd = nullptr;
    return 0;
}
