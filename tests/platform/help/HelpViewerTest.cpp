// Help: the viewer with the program's own help file, raised and quit on command, usable while the game
// window runs modally, the failure message, and F1.
#include "StatsTestSupport.h"

#include "CBitmapButton.h"
#include "CCongratsDlg.h"
#include "CScoreDlg.h"
#include "CorvaneResources.h"
#include "ModuleNames.h"
#include "Translation.h"

#include <QCollator>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QTreeWidget>

namespace {

// Notes every message box as it opens and dismisses it, so that the call that showed it returns.
class MessageBoxRecorder : public QObject {
public:
    struct Seen {
        QString caption, text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    MessageBoxRecorder() { qApp->installEventFilter(this); }
    ~MessageBoxRecorder() override { qApp->removeEventFilter(this); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<Seen> seen;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box && event->type() == QEvent::Show) {
            seen.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
            QMetaObject::invokeMethod(box, &QDialog::reject, Qt::QueuedConnection);
        }
        return false;
    }
};

// The viewer's parts, found by name.
template <class Part> Part* PartOf(HelpViewer* viewer, const char* name)
{
    return viewer ? viewer->findChild<Part*>(name) : nullptr;
}

// Clicks a point of a part of the viewer as the mouse does: through the window, where a modal dialog
// that blocked the viewer would swallow the click.
void ClickThroughWindow(HelpViewer* viewer, QWidget* part, QPoint point)
{
    QTest::mouseClick(viewer->windowHandle(), Qt::LeftButton, {}, part->mapTo(viewer, point));
}

void TypeThroughWindow(HelpViewer* viewer, const QString& text)
{
    for (const QChar c : text)
        QTest::keyClick(viewer->windowHandle(), c.toLatin1());
}

QStringList ChildTitles(const QTreeWidgetItem* item)
{
    QStringList titles;
    for (int i = 0; i < item->childCount(); ++i)
        titles << item->child(i)->text(0);
    return titles;
}

class Help : public StatsFixture {
protected:
    void SetUp() override
    {
        StatsFixture::SetUp();
        ASSERT_EQ(app.HelpFilePath(), HelpFileBeside(QCoreApplication::applicationFilePath()));
        QFile::remove(app.HelpFilePath());
        ASSERT_TRUE(QFile::copy(CORVANE_HELP_SOURCE, app.HelpFilePath()));
    }

    void TearDown() override
    {
        StatsFixture::TearDown();
        QFile::remove(app.HelpFilePath());
    }

    HelpViewer* OpenAtContents()
    {
        app.WinHelp(0, HELP_FINDER);
        return OpenHelpViewer();
    }

    // The viewer open and active, as the window system leaves it once it shows; null if it never became so.
    HelpViewer* OpenAndActive()
    {
        HelpViewer* viewer = OpenAtContents();
        if (!viewer)
            return nullptr;
        QApplication::setActiveWindow(viewer);
        return QTest::qWaitForWindowActive(viewer) ? viewer : nullptr;
    }
};

TEST_F(Help, FinderShowsTheHelpFileWithItsHeadingsAsContents)
{
    HelpViewer* viewer = OpenAtContents();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->windowTitle(), "Corvane Help");
    EXPECT_EQ(viewer->parentWidget(), nullptr) << "a window of its own, blocked by no dialog";

    auto* contents = PartOf<QTreeWidget>(viewer, "contents");
    ASSERT_NE(contents, nullptr);
    EXPECT_EQ(PartOf<QTabWidget>(viewer, "tabs")->currentWidget(), contents);
    ASSERT_EQ(contents->topLevelItemCount(), 1);
    EXPECT_EQ(contents->topLevelItem(0)->text(0), "Corvane");
    const QStringList sections = ChildTitles(contents->topLevelItem(0));
    // What a player needs to know, each under a heading of its own.
    for (const char* topic : {"How to play", "The fleet", "The pieces and the piece menu",
                              "Filling rows and columns with water", "Clues and the score", "Undo",
                              "When another fleet fits", "Giving up",
                              "Your totals and the Score dialog", "The keyboard"})
        EXPECT_TRUE(sections.contains(topic)) << topic;
}

TEST_F(Help, IndexAndSearchLeadToTheirPlaces)
{
    HelpViewer* viewer = OpenAtContents();
    auto* index = PartOf<QListWidget>(viewer, "index");
    auto* indexField = PartOf<QLineEdit>(viewer, "indexField");
    auto* searchField = PartOf<QLineEdit>(viewer, "searchField");
    auto* results = PartOf<QListWidget>(viewer, "searchResults");
    auto* text = PartOf<QTextEdit>(viewer, "text");
    ASSERT_TRUE(index && indexField && searchField && results && text);

    for (const char* keyword :
         {"clue", "undo", "Fill Row with Water", "Score dialog", "F1", "battleship", "fleets that fit"})
        EXPECT_EQ(index->findItems(keyword, Qt::MatchExactly).size(), 1) << keyword;

    QTest::keyClicks(indexField, "fill c");
    ASSERT_NE(index->currentItem(), nullptr);
    EXPECT_EQ(index->currentItem()->text(), "Fill Column with Water");
    QTest::keyClick(indexField, Qt::Key_Return);
    const int atFill = text->verticalScrollBar()->value();
    EXPECT_GT(atFill, 0);

    QTest::keyClicks(searchField, "battleship four");
    ASSERT_EQ(results->count(), 1);
    EXPECT_EQ(results->item(0)->text(), "The fleet");
    QTest::keyClick(searchField, Qt::Key_Return);
    EXPECT_EQ(text->textCursor().selectedText().toLower(), "battleship");
    EXPECT_NE(text->verticalScrollBar()->value(), atFill);
}

// The text is a document with a caret that the keys move, line by line and page by page.
TEST_F(Help, TheTextHasACaretThatTheKeysMove)
{
    HelpViewer* viewer = OpenAndActive();
    auto* text = PartOf<QTextEdit>(viewer, "text");
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    text->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(text->hasFocus());
    EXPECT_EQ(text->textCursor().position(), 0);
    QTest::keyClick(text, Qt::Key_Down);
    const int line = text->textCursor().position();
    EXPECT_GT(line, 0);
    QTest::keyClick(text, Qt::Key_PageDown);
    EXPECT_GT(text->textCursor().position(), line + 100);
    EXPECT_FALSE(text->textCursor().hasSelection());
}

// Choosing a place in the contents, the index or the search puts the caret there and the keyboard in the
// text, where a screen reader reads on; only looking at an entry leaves the keyboard where it is.
TEST_F(Help, ChoosingAPlacePutsTheCaretAndTheKeyboardThere)
{
    HelpViewer* viewer = OpenAndActive();
    auto* contents = PartOf<QTreeWidget>(viewer, "contents");
    auto* tabs = PartOf<QTabWidget>(viewer, "tabs");
    auto* indexField = PartOf<QLineEdit>(viewer, "indexField");
    auto* searchField = PartOf<QLineEdit>(viewer, "searchField");
    auto* text = PartOf<QTextEdit>(viewer, "text");
    ASSERT_TRUE(contents && tabs && indexField && searchField && text);
    const auto caretLine = [text] { return text->textCursor().block().text().simplified(); };
    const auto topLine = [text] { return text->cursorForPosition(QPoint(1, 1)).block().text().simplified(); };

    contents->setFocus(Qt::TabFocusReason);
    const QList<QTreeWidgetItem*> undo = contents->findItems("Undo", Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(undo.size(), 1);
    contents->setCurrentItem(undo[0]);
    EXPECT_EQ(topLine(), "Undo") << "looking shows the section";
    EXPECT_EQ(text->textCursor().position(), 0) << "and leaves the caret";
    EXPECT_TRUE(contents->hasFocus());
    QTest::keyClick(contents, Qt::Key_Return);
    EXPECT_TRUE(text->hasFocus());
    EXPECT_EQ(caretLine(), "Undo");
    EXPECT_EQ(text->textCursor().position(), text->textCursor().block().position());

    tabs->setCurrentIndex(1);
    QTest::keyClicks(indexField, "fill c");
    QTest::keyClick(indexField, Qt::Key_Return);
    EXPECT_TRUE(text->hasFocus());
    EXPECT_TRUE(caretLine().startsWith("Below the pictures, the piece menu holds two commands")) << caretLine().toStdString();

    tabs->setCurrentIndex(2);
    QTest::keyClicks(searchField, "battleship four");
    QTest::keyClick(searchField, Qt::Key_Return);
    EXPECT_TRUE(text->hasFocus());
    EXPECT_EQ(text->textCursor().selectedText().toLower(), "battleship");
}

// Escape closes the viewer from wherever the keyboard is in it, and the game window has the keyboard back on
// the control that had it.
TEST_F(Help, EscapeClosesTheViewerAndTheGameHasTheKeyboardBack)
{
    ASSERT_NO_FATAL_FAILURE(StartWindow());
    QWidget* about = dialog->GetDlgItem(IDC_ABOUT);
    about->setFocus(Qt::OtherFocusReason);
    for (const char* part : {"contents", "indexField", "text"}) {
        SCOPED_TRACE(part);
        Button(dialog.get(), IDC_HELP)->click();
        HelpViewer* viewer = OpenHelpViewer();
        ASSERT_TRUE(viewer && viewer->isVisible());
        QApplication::setActiveWindow(viewer);
        ASSERT_TRUE(QTest::qWaitForWindowActive(viewer));
        auto* tabs = PartOf<QTabWidget>(viewer, "tabs");
        tabs->setCurrentIndex(QString(part) == "indexField" ? 1 : 0);
        QWidget* focused = viewer->findChild<QWidget*>(part);
        focused->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(viewer->windowHandle(), Qt::Key_Escape);
        EXPECT_FALSE(viewer->isVisible());
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get(), 2000));
        EXPECT_EQ(QApplication::focusWidget(), about);
    }
}

TEST_F(Help, FinderAgainRaisesTheSameViewerAtTheContents)
{
    HelpViewer* viewer = OpenAtContents();
    auto* tabs = PartOf<QTabWidget>(viewer, "tabs");
    auto* text = PartOf<QTextEdit>(viewer, "text");
    tabs->setCurrentIndex(1);
    text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum());
    viewer->close();
    ASSERT_GT(text->verticalScrollBar()->value(), 0);

    EXPECT_EQ(OpenAtContents(), viewer);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(tabs->currentWidget(), PartOf<QTreeWidget>(viewer, "contents"));
    EXPECT_EQ(text->verticalScrollBar()->value(), 0);
}

TEST_F(Help, QuitClosesTheViewerAndShowsNothing)
{
    const QPointer<HelpViewer> viewer = OpenAtContents();
    ASSERT_FALSE(viewer.isNull());
    MessageBoxRecorder boxes;

    app.WinHelp(0, HELP_QUIT);
    EXPECT_TRUE(viewer.isNull());
    app.WinHelp(0, HELP_QUIT);
    EXPECT_TRUE(boxes.seen.empty()) << "quitting succeeds whether or not help was open";
}

TEST_F(Help, AMissingHelpFileShowsTheFailureMessage)
{
    QFile::remove(app.HelpFilePath());
    MessageBoxRecorder boxes;

    app.WinHelp(0, HELP_FINDER);

    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].text, "Failed to launch help.");
    EXPECT_EQ(boxes.seen[0].caption, app.AppName());
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Warning);
    EXPECT_EQ(boxes.seen[0].buttons, QMessageBox::Ok);
    EXPECT_FALSE(HelpIsShown());
}

TEST_F(Help, HelpButtonOpensTheContents)
{
    ASSERT_NO_FATAL_FAILURE(StartWindow());
    Button(dialog.get(), IDC_HELP)->click();
    EXPECT_TRUE(HelpIsShown());
}

// Notes whether a pop-up menu was still open when the help viewer's window came up.
class PopupAtHelpWatcher : public QObject {
public:
    PopupAtHelpWatcher() { qApp->installEventFilter(this); }
    ~PopupAtHelpWatcher() override { qApp->removeEventFilter(this); }
    PopupAtHelpWatcher(const PopupAtHelpWatcher&) = delete;
    PopupAtHelpWatcher& operator=(const PopupAtHelpWatcher&) = delete;

    bool helpShown = false;
    bool popupOpenThen = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<HelpViewer*>(watched)) {
            helpShown = true;
            popupOpenThen = QApplication::activePopupWidget() != nullptr;
        }
        return false;
    }
};

TEST_F(Help, AMenuBeingTrackedClosesBeforeHelpOpens)
{
    ASSERT_NO_FATAL_FAILURE(StartWindow());
    Button(dialog.get(), IDC_START_GAME)->click();
    PopupAtHelpWatcher watcher;
    bool menuWasOpen = false;
    const std::function<void()> helpFromTheMenu = [&] {
        if (!QApplication::activePopupWidget()) {
            QTimer::singleShot(1, helpFromTheMenu);
            return;
        }
        menuWasOpen = true;
        app.WinHelp(0, HELP_FINDER);
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    };
    QTimer::singleShot(1, helpFromTheMenu);

    dialog->CellAt(0, 0)->click();

    EXPECT_TRUE(menuWasOpen);
    EXPECT_TRUE(watcher.helpShown);
    EXPECT_FALSE(watcher.popupOpenThen);
    EXPECT_EQ(dialog->GetMark(dialog->CellAt(0, 0)), UNKNOWN) << "the closed menu chose nothing";
}

TEST_F(Help, ViewerStaysUsableWhileTheGameWindowAndItsDialogsRunModally)
{
    dialog = std::make_unique<CCorvaneDlg>(random);
    app.m_pMainWnd = dialog.get();
    QPointer<HelpViewer> viewer;
    int contentsClicks = 0;
    bool searched = false;

    // Clicks the n-th section of the contents and checks that the viewer answered.
    const auto clickSection = [&](int n) {
        auto* contents = PartOf<QTreeWidget>(viewer, "contents");
        QTreeWidgetItem* item = contents->topLevelItem(0)->child(n);
        ClickThroughWindow(viewer, contents->viewport(), contents->visualItemRect(item).center());
        if (contents->currentItem() == item)
            ++contentsClicks;
    };

    WhenModal<CCorvaneDlg>([&](CCorvaneDlg* main) {
        Button(main, IDC_HELP)->click();
        viewer = OpenHelpViewer();
        ASSERT_FALSE(viewer.isNull());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer));
        clickSection(3);

        auto* tabs = PartOf<QTabWidget>(viewer, "tabs");
        tabs->setCurrentIndex(2);
        PartOf<QLineEdit>(viewer, "searchField")->setFocus();
        TypeThroughWindow(viewer, "fleet");
        searched = PartOf<QListWidget>(viewer, "searchResults")->count() > 0;
        tabs->setCurrentIndex(0);

        WhenModal<CScoreDlg>([&](CScoreDlg* score) {
            clickSection(5);
            score->close();
        });
        Button(main, IDC_SCORE)->click();
        Button(main, IDC_EXIT)->click();
    });

    dialog->DoModal();

    EXPECT_EQ(contentsClicks, 2);
    EXPECT_TRUE(searched);
    EXPECT_TRUE(viewer.isNull()) << "Exit tells the viewer to quit";
}

// Opened for the first time, the viewer stands beside the game window, on whichever side has room, and
// carries the program's icon.
TEST_F(Help, ViewerOpensBesideTheGameWindow)
{
    ASSERT_NO_FATAL_FAILURE(StartWindow());
    HelpViewer* viewer = OpenAtContents();
    ASSERT_NE(viewer, nullptr);
    EXPECT_FALSE(viewer->windowIcon().isNull());
    EXPECT_EQ(viewer->windowIcon().pixmap(32, 32).toImage(), dialog->windowIcon().pixmap(32, 32).toImage());

    const QRect area = dialog->screen()->availableGeometry();
    viewer->resize(150, 300);
    for (bool gameAtLeft : {true, false}) {
        SCOPED_TRACE(gameAtLeft);
        viewer->hide();
        dialog->move(gameAtLeft ? area.topLeft() : QPoint(area.right() + 1 - dialog->frameGeometry().width(), area.top()));
        app.WinHelp(0, HELP_FINDER);
        ASSERT_TRUE(viewer->isVisible());
        EXPECT_FALSE(viewer->frameGeometry().intersects(dialog->frameGeometry()));
        EXPECT_TRUE(area.contains(viewer->frameGeometry()));
        EXPECT_EQ(viewer->x() > dialog->x(), gameAtLeft);
    }
}

// Where the screen is smaller than the viewer, as at a large scale factor, the viewer shrinks to the
// screen, its whole frame on it.
TEST_F(Help, ViewerLargerThanTheScreenShrinksOntoIt)
{
    ASSERT_NO_FATAL_FAILURE(StartWindow());
    HelpViewer* viewer = OpenAtContents();
    ASSERT_NE(viewer, nullptr);
    const QRect area = dialog->screen()->availableGeometry();
    viewer->hide();
    viewer->resize(area.size() * 2);
    app.WinHelp(0, HELP_FINDER);
    ASSERT_TRUE(viewer->isVisible());
    EXPECT_TRUE(area.contains(viewer->frameGeometry())) << viewer->frameGeometry().width() << "x"
                                                        << viewer->frameGeometry().height();
}

// On the Index tab the keyboard goes straight to the field above the keywords.
TEST_F(Help, TypingOnTheIndexTabFillsItsField)
{
    HelpViewer* viewer = OpenAtContents();
    ASSERT_NE(viewer, nullptr);
    auto* tabs = PartOf<QTabWidget>(viewer, "tabs");
    tabs->setCurrentIndex(1);
    TypeThroughWindow(viewer, "un");
    EXPECT_EQ(PartOf<QLineEdit>(viewer, "indexField")->text(), "un");
    tabs->setCurrentIndex(2);
    TypeThroughWindow(viewer, "fleet");
    EXPECT_EQ(PartOf<QLineEdit>(viewer, "searchField")->text(), "fleet");
}

// A help file too large to be read at once, in place of the program's own.
void WriteLargeHelpFile(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("<html><head><title>Large Help</title></head><body>");
    for (int section = 0; file.size() < 1500000; ++section)
        file.write(QStringLiteral("<h1>Part %1</h1><p><a name=\"k%1\">word</a> %2</p>\n")
                       .arg(section)
                       .arg(QString("text ").repeated(200))
                       .toUtf8());
    file.write("</body></html>");
}

// A large help file is read while the program goes on: the call returns with the viewer up and the
// file still being read, and its contents appear once it is read.
TEST_F(Help, ALargeFileOpensWithoutHoldingUpTheProgram)
{
    ASSERT_NO_FATAL_FAILURE(WriteLargeHelpFile(app.HelpFilePath()));

    HelpViewer* viewer = OpenAtContents();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    auto* contents = PartOf<QTreeWidget>(viewer, "contents");
    EXPECT_EQ(contents->topLevelItemCount(), 0) << "read before the call returned";
    QTRY_VERIFY_WITH_TIMEOUT(contents->topLevelItemCount() > 1000, 120000);
    EXPECT_EQ(viewer->windowTitle(), "Large Help");
    EXPECT_EQ(contents->topLevelItem(0)->text(0), "Part 0");
}

// The program ends while a large help file is still being read: the viewer goes at once, and the document
// it was reading goes with it (a leak here fails the sanitizer build, which checks every test for leaks).
TEST_F(Help, QuittingWhileALargeFileIsReadLeavesNothingBehind)
{
    ASSERT_NO_FATAL_FAILURE(WriteLargeHelpFile(app.HelpFilePath()));
    const QPointer<HelpViewer> viewer = OpenAtContents();
    ASSERT_FALSE(viewer.isNull());
    ASSERT_EQ(PartOf<QTreeWidget>(viewer, "contents")->topLevelItemCount(), 0) << "the file was read before the call returned";

    app.WinHelp(0, HELP_QUIT);
    QCoreApplication::sendPostedEvents();

    EXPECT_TRUE(viewer.isNull());
    EXPECT_EQ(OpenHelpViewer(), nullptr);
}

struct F1Case {
    const char* name;
    Qt::KeyboardModifiers modifiers;
    bool opens;
};

const F1Case F1Cases[] = {
    {"F1", Qt::NoModifier, true},
    {"ShiftF1", Qt::ShiftModifier, false},
    {"CtrlF1", Qt::ControlModifier, false},
    {"AltF1", Qt::AltModifier, false},
};

struct F1Window {
    const char* name;
    int button; // of the game window that opens it; 0 for the game window itself
};

const F1Window F1Windows[] = {{"GameWindow", 0}, {"About", IDC_ABOUT}, {"Score", IDC_SCORE}, {"Congratulations", -1}};

class F1 : public Help, public ::testing::WithParamInterface<std::tuple<F1Window, F1Case>> {};

TEST_P(F1, OpensTheContentsOnlyWithoutModifiers)
{
    const auto& [window, key] = GetParam();
    ASSERT_NO_FATAL_FAILURE(StartWindow());
    bool helpShown = false;
    const auto pressF1 = [&helpShown, key = key](QWidget* target) {
        QTest::keyClick(target->windowHandle(), Qt::Key_F1, key.modifiers);
        helpShown = HelpIsShown();
    };

    if (window.button == 0) {
        pressF1(dialog.get());
    } else {
        bool reached = false;
        WhenModal<CDialog>([&](CDialog* shown) {
            reached = true;
            pressF1(shown);
            shown->close();
        });
        if (window.button > 0) {
            Button(dialog.get(), window.button)->click();
        } else {
            CCongratsDlg congratulations;
            congratulations.DoModal();
        }
        ASSERT_TRUE(reached);
    }

    EXPECT_EQ(helpShown, key.opens);
}

INSTANTIATE_TEST_SUITE_P(Keys, F1, ::testing::Combine(::testing::ValuesIn(F1Windows), ::testing::ValuesIn(F1Cases)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + std::get<1>(info.param).name;
                         });

// The help in another language: the viewer's own words, the file's headings as contents, its index in the
// language's order, found by the first letters typed, and search that finds words in a script written
// without spaces between them, and the text laid out in the direction the file gives it.
struct TranslatedHelpCase {
    const char* name;
    QString language;
    QString contentsTab;
    QString firstSection;
    QString keywordStart;  // the first letters typed into the index field
    QString keyword;       // the index word they select
    QString searched;      // words typed into the search field, found inside the text
    QString foundSection;  // the first section holding them
    Qt::LayoutDirection direction;
};

const TranslatedHelpCase TranslatedHelpCases[] = {
    {"German", "de", "&Inhalt", "So wird gespielt", "über", "über Corvane", "übersehen", "Hinweise und Punkte",
     Qt::LeftToRight},
    {"Japanese", "ja", QString::fromUtf8("目次(&C)"), QString::fromUtf8("遊び方"), QString::fromUtf8("潜"),
     QString::fromUtf8("潜水艦"), QString::fromUtf8("見落とした"), QString::fromUtf8("ヒントとスコア"), Qt::LeftToRight},
    {"Arabic", "ar", QString::fromUtf8("المحتويات (&C)"), QString::fromUtf8("طريقة اللعب"), QString::fromUtf8("غو"),
     QString::fromUtf8("غواصة"), QString::fromUtf8("فاتتك"), QString::fromUtf8("التلميحات والنقاط"), Qt::RightToLeft},
};

class TranslatedHelp : public ::testing::TestWithParam<TranslatedHelpCase> {};

TEST_P(TranslatedHelp, ShowsContentsIndexAndSearchInItsLanguage)
{
    const TranslatedHelpCase& given = GetParam();
    const Translation translation(CorvaneResources::Instance().CatalogueFolder(), CorvaneResources::Instance().CatalogueName(),
                                  {given.language}, Translation::ToolkitFolder());
    HelpViewer viewer;
    ASSERT_TRUE(viewer.ShowContents(QStringLiteral(CORVANE_TRANSLATED_HELP "/corvane_%1.HLP").arg(given.language)));
    auto* tabs = PartOf<QTabWidget>(&viewer, "tabs");
    EXPECT_EQ(tabs->tabText(0), given.contentsTab);
    auto* contents = PartOf<QTreeWidget>(&viewer, "contents");
    ASSERT_EQ(contents->topLevelItemCount(), 1);
    EXPECT_EQ(contents->topLevelItem(0)->child(0)->text(0), given.firstSection);

    auto* index = PartOf<QListWidget>(&viewer, "index");
    auto* indexField = PartOf<QLineEdit>(&viewer, "indexField");
    QStringList keywords;
    for (int row = 0; row < index->count(); ++row)
        keywords << index->item(row)->text();
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    EXPECT_TRUE(std::is_sorted(keywords.begin(), keywords.end(), collator));
    indexField->setText(given.keywordStart);
    emit indexField->textEdited(given.keywordStart);
    ASSERT_NE(index->currentItem(), nullptr);
    EXPECT_EQ(index->currentItem()->text(), given.keyword);

    auto* searchField = PartOf<QLineEdit>(&viewer, "searchField");
    auto* results = PartOf<QListWidget>(&viewer, "searchResults");
    searchField->setText(given.searched);
    ASSERT_GE(results->count(), 1);
    EXPECT_EQ(results->item(0)->text(), given.foundSection);

    auto* text = PartOf<QTextEdit>(&viewer, "text");
    EXPECT_EQ(text->document()->firstBlock().next().textDirection(), given.direction);
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedHelp, ::testing::ValuesIn(TranslatedHelpCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
