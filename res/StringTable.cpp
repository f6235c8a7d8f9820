// The program's own texts, found by number.
#include "StringTable.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {

struct StringEntry {
    int id;
    const char* text;
    bool translated; // the settings key is a name in the file system, the same in every language
};

constexpr std::array<StringEntry, 9> Strings = {{
    {IDS_REGISTRY_KEY, "Brindlemoor", false},
    {IDS_CLEAR_SCORE_PROMPT, QT_TRANSLATE_NOOP("StringTable", "Are you sure you want to clear your score?"), true},
    //: %d is the row's number (1 to 10), %c the column's letter (A to J), in this order; cells keep these
    //: names in every language.
    {IDS_CLUE_STATUS, QT_TRANSLATE_NOOP("StringTable", "Clue is on Row %d, Column %c"), true},
    {IDS_GIVE_UP_PROMPT, QT_TRANSLATE_NOOP("StringTable", "Are you sure you want to give up?"), true},
    //: %1 is the number of fleets, or the text "more than %1" below. The status line holds two lines.
    {IDS_FLEET_NOTICE,
     QT_TRANSLATE_NOOP("StringTable", "Your fleet fits every count and clue, but it is not the hidden one: %1 fleets fit "
                                      "what you know. Your next clue will show a ship cell that your fleet leaves empty."),
     true},
    {IDS_MORE_THAN, QT_TRANSLATE_NOOP("StringTable", "more than %1"), true},
    //: Shown on the status line when another copy of the game holds the totals file as a game is won.
    {IDS_WIN_WAITS, QT_TRANSLATE_NOOP("StringTable", "Your win will be added to your totals when the other Corvane is done."), true},
    {IDS_FILL_ROW, QT_TRANSLATE_NOOP("StringTable", "Fill &Row with Water"), true},
    {IDS_FILL_COLUMN, QT_TRANSLATE_NOOP("StringTable", "Fill &Column with Water"), true},
}};

} // namespace

QString LoadString(int id)
{
    const auto entry = std::find_if(Strings.begin(), Strings.end(), [id](const StringEntry& e) { return e.id == id; });
    if (entry == Strings.end())
        return QString();
    return entry->translated ? QCoreApplication::translate("StringTable", entry->text) : QString::fromLatin1(entry->text);
}
