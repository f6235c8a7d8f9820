// The game window in each language it has a catalogue of: its buttons, check boxes and status texts in that
// language, cells named by digit and letter in all of them, numbers written as the language writes them, an
// Arabic window mirrored with its board kept as boards are, and English, the source, exactly as written.
#include "GameWindowFixture.h"

#include "AverageScoreText.h"
#include "CGroupBox.h"
#include "ControlNames.h"
#include "DialogBuilder.h"
#include "HelpViewer.h"
#include "StatusTexts.h"
#include "Templates.h"
#include "Translation.h"

#include <QCheckBox>
#include <QKeySequence>
#include <QTabWidget>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>

#include <map>

namespace {

std::unique_ptr<Translation> Speak(const QString& language)
{
    const CorvaneResources& resources = CorvaneResources::Instance();
    return std::make_unique<Translation>(resources.CatalogueFolder(), resources.CatalogueName(), QStringList{language},
                                         Translation::ToolkitFolder());
}

// What the window says in a language: a few words of each kind, as a speaker of the language checks them.
struct LanguageCase {
    const char* name;
    QString language;
    QString startGame;
    QString battleship;       // the fleet panel's first check box
    QString clueStatus;       // a clue on row 10, column G
    QString fleetNotice;      // the notice's start, with 1,012 fleets
    QString cellName;         // row 10, column G, a clue showing the top of a ship
    QString average;          // 5 clues over 4 games
    bool rightToLeft;
};

const LanguageCase LanguageCases[] = {
    {"German", "de", "&Neues Spiel", "Schlachtschiff", "Hinweis in Zeile 10, Spalte G",
     "Deine Flotte passt zu allen Zahlen und Hinweisen, ist aber nicht die versteckte: 1.012 Flotten",
     "Zeile 10, Spalte G: Oben, Hinweis", "1,25", false},
    {"Spanish", "es", "&Nueva partida", "Acorazado", "Pista en la fila 10, columna G",
     QString::fromUtf8("Tu flota cumple todos los números y pistas, pero no es la oculta: 1012 flotas"),
     "Fila 10, columna G: Arriba, pista", "1,25", false},
    {"French", "fr", "&Nouvelle partie", QString::fromUtf8("Cuirassé"), "Indice en ligne 10, colonne G",
     QString::fromUtf8("Votre flotte respecte nombres et indices, mais n'est pas la flotte cachée\u00a0: 1\u202f012 flottes"),
     QString::fromUtf8("Ligne 10, colonne G\u00a0: Haut, indice"), "1,25", false},
    {"Italian", "it", "&Nuova partita", "Corazzata", "Indizio nella riga 10, colonna G",
     QString::fromUtf8("La tua flotta rispetta tutti i numeri e gli indizi, ma non è quella nascosta: 1.012 flotte"),
     "Riga 10, colonna G: Alto, indizio", "1,25", false},
    {"Japanese", "ja", QString::fromUtf8("開始(&S)"), QString::fromUtf8("戦艦"), QString::fromUtf8("ヒントは10行G列にあります"),
     QString::fromUtf8("あなたの艦隊はすべての数とヒントに合いますが、隠された艦隊ではありません。条件に合う艦隊の数は1,012です。"),
     QString::fromUtf8("10行G列：上端、ヒント"), "1.25", false},
    {"Arabic", "ar", QString::fromUtf8("لعبة جديدة (&S)"), QString::fromUtf8("بارجة"),
     QString::fromUtf8("التلميح في الصف 10، العمود G"),
     QString::fromUtf8("أسطولك يوافق كل الأعداد والتلميحات، لكنه ليس الأسطول المخفي: عدد الأساطيل التي توافق ما تعرفه ١٬٠١٢."),
     QString::fromUtf8("الصف 10، العمود G: علوي، تلميح"), QString::fromUtf8("١٫٢٥"), true},
    {"Polish", "pl", "&Nowa gra", "Pancernik", QString::fromUtf8("Podpowiedź w wierszu 10, kolumnie G"),
     QString::fromUtf8("Twoja flota pasuje do wszystkich liczb i podpowiedzi, ale to nie ta ukryta. Flot zgodnych z tym, co wiesz: 1012."),
     QString::fromUtf8("Wiersz 10, kolumna G: Górny, podpowiedź"), "1,25", false},
    {"PortugueseOfBrazil", "pt_BR", "&Novo jogo", QString::fromUtf8("Encouraçado"), "Dica na linha 10, coluna G",
     QString::fromUtf8("Sua frota bate com todos os números e dicas, mas não é a escondida: 1.012 frotas"),
     "Linha 10, coluna G: Topo, dica", "1,25", false},
    {"Dutch", "nl", "&Nieuw spel", "Slagschip", "Hint in rij 10, kolom G",
     "Je vloot past bij alle getallen en hints, maar is niet de verborgen vloot: 1.012 vloten",
     "Rij 10, kolom G: Boven, hint", "1,25", false},
    // Russian groups thousands with a no-break space.
    {"Russian", "ru", QString::fromUtf8("&Новая игра"), QString::fromUtf8("Линкор"),
     QString::fromUtf8("Подсказка: строка 10, столбец G"),
     QString::fromUtf8("Ваш флот сходится со всеми числами и подсказками, но спрятан другой. Известному подходит флотов: "
                       "1\u00A0012."),
     QString::fromUtf8("Строка 10, столбец G: Верхний, подсказка"), "1,25", false},
    {"Ukrainian", "uk", QString::fromUtf8("&Нова гра"), QString::fromUtf8("Лінкор"),
     QString::fromUtf8("Підказка: рядок 10, стовпець G"),
     QString::fromUtf8("Ваш флот відповідає всім числам і підказкам, але прихований інший. Відомому відповідає флотів: "
                       "1\u00A0012."),
     QString::fromUtf8("Рядок 10, стовпець G: Верхній, підказка"), "1,25", false},
    {"ChineseSimplified", "zh_CN", QString::fromUtf8("新游戏(&S)"), QString::fromUtf8("战列舰"),
     QString::fromUtf8("提示在第 10 行 G 列"),
     QString::fromUtf8("你的舰队符合所有数字和提示，但不是隐藏的那支：符合已知条件的舰队数：1,012。"),
     QString::fromUtf8("第 10 行 G 列：上端，提示"), "1.25", false},
};

// The game window built after the language's catalogue is installed, as the program builds it at start.
class LanguageTest : public GameWindowFixture, public ::testing::WithParamInterface<LanguageCase> {
protected:
    void SetUp() override
    {
        translation = Speak(GetParam().language);
        GameWindowFixture::SetUp();
    }

    void TearDown() override
    {
        GameWindowFixture::TearDown();
        translation.reset();
    }

    std::unique_ptr<Translation> translation;
};

TEST_P(LanguageTest, CatalogueTurnsTheButtonsCheckBoxesAndStatusTextsIntoTheLanguage)
{
    const LanguageCase& given = GetParam();
    ASSERT_EQ(translation->Language(), given.language);
    EXPECT_EQ(Text(IDC_START_GAME), given.startGame);
    EXPECT_EQ(Text(IDC_FIRST_SHIP_CHECK), given.battleship);
    EXPECT_EQ(ClueStatusText(LoadString(IDS_CLUE_STATUS), 9, 6), given.clueStatus);
    EXPECT_TRUE(FleetNoticeText({1012, false}).startsWith(given.fleetNotice)) << FleetNoticeText({1012, false}).toStdString();
    EXPECT_EQ(AverageScoreText(4, 5), given.average);

    // No English word is left on a button, a check box or a label of the window.
    const DialogTemplate& english = MainDialogTemplate();
    for (std::size_t i = 0; i < english.controls.size(); ++i) {
        const ControlTemplate& control = english.controls[i];
        const bool worded = control.text.size() > 1 && control.text.contains(QRegularExpression("[a-z]{2}")) &&
                            control.kind != ControlKind::StaticPicture;
        if (!worded)
            continue;
        QWidget* shown = dialog->Controls()[i];
        const QString text = qobject_cast<QAbstractButton*>(shown) ? qobject_cast<QAbstractButton*>(shown)->text()
                           : qobject_cast<QLabel*>(shown)        ? qobject_cast<QLabel*>(shown)->text()
                                                                  : qobject_cast<CGroupBox*>(shown)->title();
        EXPECT_NE(text, control.text) << control.text.toStdString();
    }
}

// A clue names its cell by its row's number and its column's letter in every language, on the status line
// and to a screen reader.
TEST_P(LanguageTest, ClueNamesItsCellByDigitAndLetter)
{
    const LanguageCase& given = GetParam();
    StartGame();
    Clue();
    const QString status = Text(IDC_STATUS);
    const QRegularExpression cell("(10|[1-9])\\D+([A-J])");
    const QRegularExpressionMatch named = cell.match(status);
    ASSERT_TRUE(named.hasMatch()) << status.toStdString();
    const int row = named.captured(1).toInt() - 1;
    const int column = named.captured(2).at(0).unicode() - 'A';
    EXPECT_EQ(status, ClueStatusText(LoadString(IDS_CLUE_STATUS), row, column));
    // The cell the status line names is the one the clue fixed.
    EXPECT_TRUE(Cell(row, column)->IsReadOnly());
    EXPECT_EQ(CellAccessibleName(9, 6, NORTH, CellSource::Clue), given.cellName);
}

TEST_P(LanguageTest, NumbersOfTheTopLineFollowTheLanguage)
{
    for (int score : {2, 1, 1, 1})
        WinAGame(*dialog, score);
    EXPECT_EQ(Text(IDC_AVERAGE_SCORE), GetParam().average);
    // The board writes its counts with the digits 0 to 9 in every language, as it names its rows.
    StartGame();
    for (int row = 0; row < BoardSize; ++row)
        EXPECT_EQ(Text(IDC_FIRST_ROW_COUNT + row), QString::number(RowShipCount(HiddenLayout(), row)));
}

// A window in a language written right to left is mirrored: the fleet panel on the left, the buttons from the
// right, the labels right-aligned. The board stays as boards are, columns A to J from the left and rows 1 to
// 10 from the top, each row's number at its left and its count at its right.
TEST_P(LanguageTest, WindowIsMirroredWhereTheLanguageIsWrittenRightToLeftButNotTheBoard)
{
    const LanguageCase& given = GetParam();
    EXPECT_EQ(dialog->isRightToLeft(), given.rightToLeft);
    const auto left = [](QWidget* control) { return control->geometry().left(); };
    std::vector<CGroupBox*> panels;
    for (QWidget* control : dialog->Controls())
        if (auto* group = qobject_cast<CGroupBox*>(control))
            panels.push_back(group);
    ASSERT_EQ(panels.size(), 2u);
    // The board's panel comes first in the template, the fleet's second.
    EXPECT_EQ(left(panels[1]) < left(panels[0]), given.rightToLeft);
    EXPECT_EQ(left(Item(IDC_START_GAME)) > left(Item(IDC_EXIT)), given.rightToLeft);
    EXPECT_EQ(QStyle::visualAlignment(Item(IDC_STATUS)->layoutDirection(), qobject_cast<QLabel*>(Item(IDC_STATUS))->alignment())
                  .testFlag(Qt::AlignRight),
              given.rightToLeft);

    for (int row = 0; row < BoardSize; ++row) {
        for (int column = 1; column < BoardSize; ++column)
            EXPECT_LT(left(Cell(row, column - 1)), left(Cell(row, column))) << row << "," << column;
        if (row > 0) {
            EXPECT_LT(Cell(row - 1, 0)->y(), Cell(row, 0)->y());
        }
        EXPECT_GT(left(Item(IDC_FIRST_ROW_COUNT + row)), left(Cell(row, BoardSize - 1)));
    }
    for (int column = 0; column < BoardSize; ++column) {
        EXPECT_EQ(left(Item(IDC_FIRST_COLUMN_LETTER + column)), left(Cell(0, column)));
        EXPECT_GT(Item(IDC_FIRST_COLUMN_COUNT + column)->y(), Cell(BoardSize - 1, column)->y());
    }
    // The board stands inside its panel wherever the panel stands.
    EXPECT_TRUE(panels[0]->geometry().contains(Cell(0, 0)->geometry()));
    EXPECT_TRUE(panels[0]->geometry().contains(Item(IDC_FIRST_ROW_COUNT + BoardSize - 1)->geometry()));
}

// The arrow keys move as they point: along the mirrored buttons towards the side they point to, and
// across the board from column A towards J in every language.
TEST_P(LanguageTest, ArrowKeysMoveAsTheyPoint)
{
    Focus(Item(IDC_HELP));
    Press(Qt::Key_Right);
    EXPECT_EQ(dialog->focusWidget(), Item(GetParam().rightToLeft ? IDC_SCORE : IDC_ABOUT));
    StartGame();
    Focus(Cell(4, 4));
    Press(Qt::Key_Right);
    EXPECT_EQ(dialog->focusWidget(), Cell(4, 5));
    Press(Qt::Key_Left);
    Press(Qt::Key_Left);
    EXPECT_EQ(dialog->focusWidget(), Cell(4, 3));
}

// The piece menu opens from the cell's centre towards the reading direction's end: to the right in a
// language written left to right, to the left in one written right to left.
TEST_P(LanguageTest, PieceMenuOpensTowardsTheLanguagesEnd)
{
    StartGame();
    NestedLoopDriver driver;
    driver.ExpectMenu(MenuChoice::Keys({Qt::Key_Escape}));
    QWidget* cell = Cell(4, 5);
    ClickWith(driver, cell);
    ASSERT_EQ(driver.MenuGeometries().size(), 1u);
    const QRect menu = driver.MenuGeometries()[0];
    const QPoint centre = cell->mapToGlobal(QPoint(cell->width() / 2, cell->height() / 2));
    EXPECT_EQ(menu.top(), centre.y());
    EXPECT_EQ(GetParam().rightToLeft ? menu.right() : menu.left(), centre.x());
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTest, ::testing::ValuesIn(LanguageCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Every language the program has a catalogue of is checked above: a new catalogue comes with its words here.
TEST(Languages, EachCatalogueIsCheckedInItsLanguage)
{
    for (const QString& language : QString(CORVANE_LANGUAGES).split(',', Qt::SkipEmptyParts))
        EXPECT_TRUE(std::any_of(std::begin(LanguageCases), std::end(LanguageCases),
                                [&](const LanguageCase& given) { return given.language == language; }))
            << language.toStdString();
}

// Alt with a letter reaches one control in a window: no two controls of a window share their key, in any
// language, nor the piece menu's two commands, nor the help viewer's tabs and fields.
TEST(Mnemonics, AreUniqueWithinEachWindowInEveryLanguage)
{
    const auto keyOf = [](const QString& text) { return QKeySequence::mnemonic(text).toString(); };
    const auto checkUnique = [&keyOf](const QStringList& texts, const std::string& window) {
        std::map<QString, QString> taken;
        for (const QString& text : texts) {
            const QString key = keyOf(text);
            if (key.isEmpty())
                continue;
            const auto [place, added] = taken.emplace(key, text);
            EXPECT_TRUE(added) << window << ": " << key.toStdString() << " is the key of " << place->second.toStdString()
                               << " and of " << text.toStdString();
        }
        return taken.size();
    };
    for (const QString& language : QStringList{"en"} + QString(CORVANE_LANGUAGES).split(',', Qt::SkipEmptyParts)) {
        const std::unique_ptr<Translation> translation = Speak(language);
        const std::string name = language.toStdString();
        for (const DialogTemplate* dialogTemplate :
             {&MainDialogTemplate(), &AboutDialogTemplate(), &CongratsDialogTemplate(), &ScoreDialogTemplate()}) {
            QStringList texts;
            for (const ControlTemplate& control : dialogTemplate->controls)
                texts << DialogBuilder::TextOf(*dialogTemplate, control);
            const std::size_t keys = checkUnique(texts, name + " " + dialogTemplate->translationContext);
            EXPECT_GE(keys, 1u) << name << " " << dialogTemplate->translationContext;
        }
        EXPECT_EQ(checkUnique({LoadString(IDS_FILL_ROW), LoadString(IDS_FILL_COLUMN)}, name + " piece menu"), 2u);
        HelpViewer viewer;
        QStringList helpTexts;
        for (const QTabWidget* tabs : viewer.findChildren<QTabWidget*>())
            for (int i = 0; i < tabs->count(); ++i)
                helpTexts << tabs->tabText(i);
        for (const QLabel* label : viewer.findChildren<QLabel*>())
            helpTexts << label->text();
        EXPECT_EQ(checkUnique(helpTexts, name + " help viewer"), 5u);
    }
}

// The language spoken is the first of the desktop's that is English or has a catalogue; the catalogue of a
// language is found by the language alone where the desktop names a country too; one the program does not
// have is passed over silently, and English, the source, installs nothing.
struct ChoiceCase {
    const char* name;
    QStringList desktop;
    QString spoken; // empty: English
};

class LanguageChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(LanguageChoice, IsTheDesktopsFirstThatTheProgramSpeaks)
{
    const std::unique_ptr<Translation> translation = [] {
        const CorvaneResources& resources = CorvaneResources::Instance();
        return std::make_unique<Translation>(resources.CatalogueFolder(), resources.CatalogueName(), GetParam().desktop,
                                             Translation::ToolkitFolder());
    }();
    EXPECT_EQ(translation->Language(), GetParam().spoken);
}

INSTANTIATE_TEST_SUITE_P(Desktops, LanguageChoice,
                         ::testing::Values(ChoiceCase{"German", {"de"}, "de"},
                                           ChoiceCase{"GermanOfAustria", {"de-AT", "de"}, "de"},
                                           ChoiceCase{"GermanAsTheLocaleNamesIt", {"de_DE"}, "de"},
                                           ChoiceCase{"JapaneseWithItsScript", {"ja-Jpan-JP"}, "ja"},
                                           ChoiceCase{"UnknownThenArabic", {"tlh", "ar-EG"}, "ar"},
                                           ChoiceCase{"EnglishBeforeGerman", {"en-GB", "de"}, ""},
                                           ChoiceCase{"NoneTheProgramHas", {"tlh", "qaa"}, ""},
                                           ChoiceCase{"CLocale", {"C"}, ""}, ChoiceCase{"Nothing", {}, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

// English is the source: with English spoken, every text of every dialog is the template's own, byte for byte,
// even where the desktop lists a language with a catalogue after it.
TEST(EnglishTexts, AreTheSourceTextsByteForByte)
{
    const CorvaneResources& resources = CorvaneResources::Instance();
    const Translation english(resources.CatalogueFolder(), resources.CatalogueName(), {"en-US", "de"},
                              Translation::ToolkitFolder());
    for (const DialogTemplate* dialogTemplate :
         {&MainDialogTemplate(), &AboutDialogTemplate(), &CongratsDialogTemplate(), &ScoreDialogTemplate()}) {
        CDialog window(*dialogTemplate);
        window.Create();
        EXPECT_EQ(window.windowTitle(), dialogTemplate->caption);
        for (std::size_t i = 0; i < dialogTemplate->controls.size(); ++i) {
            QWidget* control = window.Controls()[i];
            const QString expected = dialogTemplate->controls[i].text;
            QString shown = expected;
            if (auto* button = qobject_cast<QPushButton*>(control))
                shown = button->text();
            else if (auto* box = qobject_cast<QCheckBox*>(control))
                shown = box->text();
            else if (auto* group = qobject_cast<CGroupBox*>(control))
                shown = group->title();
            else if (auto* label = qobject_cast<QLabel*>(control); label && !dialogTemplate->controls[i].text.startsWith("IDB_"))
                shown = label->text();
            EXPECT_EQ(shown, expected);
        }
    }
    EXPECT_EQ(LoadString(IDS_FLEET_NOTICE),
              "Your fleet fits every count and clue, but it is not the hidden one: %1 fleets fit what you know. Your next "
              "clue will show a ship cell that your fleet leaves empty.");
    EXPECT_TRUE(FleetNoticeText({10'000, true}).contains("hidden one: more than 10,000 fleets fit what you know."));
    EXPECT_EQ(AverageScoreText(20, 1), ".05");
}

} // namespace
