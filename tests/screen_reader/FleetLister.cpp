// Lists fleets that fit a game's counts, for a test that plays the real program and has only what a player sees.
//
// Usage: fleet_lister ROWS COLUMNS LIMIT, the counts as ten digits each (row 1 or column A first). Prints the
// solver's count ("fleets N" or "fleets more than N"), then up to LIMIT fleets, one a line, each the 100 piece
// codes of its cells in cell order.
#include "FleetSolver.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

bool ReadCounts(std::string_view digits, LineCounts& counts)
{
    if (digits.size() != BoardSize)
        return false;
    for (int line = 0; line < BoardSize; ++line) {
        if (digits[line] < '0' || digits[line] > '9')
            return false;
        counts[line] = digits[line] - '0';
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    LineCounts rows{};
    LineCounts columns{};
    if (argc != 4 || !ReadCounts(argv[1], rows) || !ReadCounts(argv[2], columns)) {
        std::fprintf(stderr, "usage: fleet_lister ROWS COLUMNS LIMIT (counts as ten digits each)\n");
        return 2;
    }
    const FleetSolver solver(FleetEvidence(rows, columns));
    const FleetCount count = solver.Count();
    std::printf("fleets %s%d\n", count.moreThan ? "more than " : "", count.fleets);
    for (const Board& fleet : solver.List(std::atoi(argv[3]))) {
        for (int row = 0; row < BoardSize; ++row)
            for (int column = 0; column < BoardSize; ++column)
                std::putchar('0' + fleet.At(row, column));
        std::putchar('\n');
    }
    return 0;
}
