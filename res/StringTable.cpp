// The program's own texts, found by number.
#include "StringTable.h"

#include <algorithm>
#include <array>

namespace {

struct StringEntry {
    int id;
    const char* text;
};

constexpr std::array<StringEntry, 9> Strings = {{
    {IDS_REGISTRY_KEY, "Brindlemoor"},
    {IDS_CLEAR_SCORE_PROMPT, "Are you sure you want to clear your score?"},
    {IDS_CLUE_STATUS, "Clue is on Row %d, Column %c"},
    {IDS_GIVE_UP_PROMPT, "Are you sure you want to give up?"},
    {IDS_FLEET_NOTICE, "Your fleet fits every count and clue, but it is not the hidden one: %1 fleets fit what you "
                       "know. A clue will show where they differ."},
    {IDS_MORE_THAN, "more than %1"},
    {IDS_WIN_WAITS, "Your win will be added to your totals when the other Corvane is done."},
    {IDS_FILL_ROW, "Fill &Row with Water"},
    {IDS_FILL_COLUMN, "Fill &Column with Water"},
}};

} // namespace

QString LoadString(int id)
{
    const auto entry = std::find_if(Strings.begin(), Strings.end(), [id](const StringEntry& e) { return e.id == id; });
    return entry == Strings.end() ? QString() : QString::fromLatin1(entry->text);
}
