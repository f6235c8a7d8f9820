// The fleet search: every position of every ship worked out once, then placed longest ship first.
#include "FleetSolver.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <numeric>

namespace {

// Indexed by piece code: the shortest ship that can hold the piece (0 for WATER and UNKNOWN).
constexpr std::array<int, PieceKindCount> ShortestShipFor = {2, 2, 2, 2, 1, 3, 0, 0};

constexpr std::uint16_t WholeLine = (1u << BoardSize) - 1;

// Indexed by a line's mask: how many cells it holds. A look-up beats counting bits on processors
// without an instruction for it.
constexpr std::array<std::uint8_t, WholeLine + 1> CellsInLine = [] {
    std::array<std::uint8_t, WholeLine + 1> table{};
    for (unsigned mask = 0; mask <= WholeLine; ++mask)
        table[mask] = static_cast<std::uint8_t>(std::popcount(mask));
    return table;
}();

bool CountsInRange(const FleetEvidence& evidence)
{
    for (int line = 0; line < BoardSize; ++line)
        for (int count : {evidence.RowCount(line), evidence.ColumnCount(line)})
            if (count < 0 || count > BoardSize)
                return false;
    return true;
}

// The lines whose count is not met yet, as a mask across them.
std::uint16_t LinesWanting(const LineCounts& left)
{
    std::uint16_t mask = 0;
    for (int line = 0; line < BoardSize; ++line)
        if (left[line] > 0)
            mask |= static_cast<std::uint16_t>(1u << line);
    return mask;
}

} // namespace

void FleetSolver::CellSet::Add(int row, int column)
{
    rows[row] |= static_cast<std::uint16_t>(1u << column);
    columns[column] |= static_cast<std::uint16_t>(1u << row);
}

void FleetSolver::CellSet::Add(const CellSet& other)
{
    for (int line = 0; line < BoardSize; ++line) {
        rows[line] |= other.rows[line];
        columns[line] |= other.columns[line];
    }
}

FleetSolver::FleetSolver(const FleetEvidence& evidence, std::span<const int> fleet)
    : evidence(evidence), lengths(fleet.begin(), fleet.end())
{
    std::sort(lengths.begin(), lengths.end(), std::greater<>());
    const int longest = lengths.empty() ? 0 : lengths.front();
    const int shipCells = std::accumulate(lengths.begin(), lengths.end(), 0);
    int rowTotal = 0;
    int columnTotal = 0;
    for (int line = 0; line < BoardSize; ++line) {
        rowTotal += evidence.RowCount(line);
        columnTotal += evidence.ColumnCount(line);
    }
    // With every count in range and both totals equal to the fleet's cells, a search that never takes a
    // line below zero ends with every line exactly met.
    countsAddUp = CountsInRange(evidence) && rowTotal == shipCells && columnTotal == shipCells;

    needsLength.assign(longest + 2, CellSet());
    for (int row = 0; row < BoardSize; ++row)
        for (int column = 0; column < BoardSize; ++column) {
            const PieceKind known = evidence.Known(row, column);
            if (known != WATER)
                open.Add(row, column);
            for (int length = 1; length <= std::min(ShortestShipFor[known], longest + 1); ++length)
                needsLength[length].Add(row, column);
        }

    positions.assign(longest + 1, {});
    for (int length : lengths) {
        Positions& those = positions[length];
        if (!those.byKey.empty())
            continue;
        those.byKey.resize(2 * KeysPerAxis);
        // A one-cell ship is the same across and down: it is taken across only.
        for (ShipAxis axis : {ShipAxis::Across, ShipAxis::Down}) {
            if (length == 1 && axis == ShipAxis::Down)
                continue;
            const bool down = axis == ShipAxis::Down;
            for (int line = 0; line < BoardSize; ++line)
                for (int first = 0; first + length <= BoardSize; ++first) {
                    const Placement placement =
                        Position(down ? first : line, down ? line : first, length, axis);
                    those.byKey[KeyOf(axis, line, first)] = placement;
                    if (Allows(placement))
                        those.starts[down][line] |= static_cast<std::uint16_t>(1u << first);
                }
        }
    }
}

int FleetSolver::KeyOf(ShipAxis axis, int line, int first)
{
    return (axis == ShipAxis::Down ? KeysPerAxis : 0) + line * BoardSize + first;
}

FleetSolver::Placement FleetSolver::Position(int row, int column, int length, ShipAxis axis)
{
    Placement placement{row, column, length, axis, {}, {}};
    const bool down = axis == ShipAxis::Down;
    for (int place = 0; place < length; ++place) {
        const int r = row + (down ? place : 0);
        const int c = column + (down ? 0 : place);
        placement.cells.Add(r, c);
        for (const CellOffset& offset : NeighbourOffsets)
            if (OnBoard(r + offset.row, c + offset.column))
                placement.area.Add(r + offset.row, c + offset.column);
    }
    return placement;
}

bool FleetSolver::Allows(const Placement& placement) const
{
    const bool down = placement.axis == ShipAxis::Down;
    for (int place = 0; place < placement.length; ++place) {
        const PieceKind known =
            evidence.Known(placement.row + (down ? place : 0), placement.column + (down ? 0 : place));
        if (known != UNKNOWN && known != ShipPiece(placement.length, place, placement.axis))
            return false;
    }
    // A revealed piece beside the ship would be another ship touching it.
    for (int row = 0; row < BoardSize; ++row)
        for (int column = 0; column < BoardSize; ++column) {
            const bool beside = (placement.area.rows[row] & ~placement.cells.rows[row]) & (1u << column);
            if (beside && IsShipPiece(evidence.Known(row, column)))
                return false;
        }
    return true;
}

FleetSolver::SearchState FleetSolver::Start() const
{
    SearchState start;
    for (int line = 0; line < BoardSize; ++line) {
        start.rowsLeft[line] = evidence.RowCount(line);
        start.columnsLeft[line] = evidence.ColumnCount(line);
    }
    return start;
}

template <class Found> void FleetSolver::Search(Found& found) const
{
    if (!countsAddUp)
        return;
    const SearchState start = Start();
    std::vector<const Placement*> placed;
    placed.reserve(lengths.size());
    if (LinesCanStillBeMet(start))
        Place(0, 0, start, placed, found);
}

template <class Found>
bool FleetSolver::Place(std::size_t ship, std::size_t from, const SearchState& state,
                        std::vector<const Placement*>& placed, Found& found) const
{
    if (ship == lengths.size())
        return !RevealedCellsCovered(state, 0) || found(placed);

    const int length = lengths[ship];
    // Ships of one length take their positions in order, so each fleet is met once, not once per ordering.
    if (ship == 0 || lengths[ship - 1] != length) {
        from = 0;
        if (!RevealedCellsCovered(state, length))
            return true;
    }
    // Where a ship may start along a line: every cell it would take is free, off the other ships' areas and
    // in a line across that still wants ship cells, and the line along it wants at least its length.
    const Positions& those = positions[length];
    const std::uint16_t rowsWanting = LinesWanting(state.rowsLeft);
    const std::uint16_t columnsWanting = LinesWanting(state.columnsLeft);
    // One-cell ships come last and are taken row by row: the first row still short of its count is the
    // only one the next of them can go to, since none after it can come back to that row.
    std::size_t end = those.byKey.size();
    if (length == 1) {
        const std::size_t firstRow = static_cast<std::size_t>(std::countr_zero(rowsWanting));
        from = std::max(from, firstRow * BoardSize);
        end = std::min(end, (firstRow + 1) * BoardSize);
    }
    for (std::size_t key = from; key < end;) {
        const bool down = key >= KeysPerAxis;
        const int line = static_cast<int>(key % KeysPerAxis) / BoardSize;
        const int fromFirst = static_cast<int>(key % BoardSize);
        const std::size_t nextLine = key - fromFirst + BoardSize;
        if ((down ? state.columnsLeft : state.rowsLeft)[line] < length) {
            key = nextLine;
            continue;
        }
        const unsigned free = down ? open.columns[line] & ~state.blocked.columns[line] & rowsWanting
                                   : open.rows[line] & ~state.blocked.rows[line] & columnsWanting;
        unsigned starts = those.starts[down][line] & ~((1u << fromFirst) - 1);
        for (int place = 0; place < length; ++place)
            starts &= free >> place;
        for (; starts != 0; starts &= starts - 1) {
            const std::size_t at = nextLine - BoardSize + static_cast<std::size_t>(std::countr_zero(starts));
            const Placement& placement = those.byKey[at];
            SearchState next = state;
            next.blocked.Add(placement.area);
            next.covered.Add(placement.cells);
            for (int place = 0; place < length; ++place) {
                --next.rowsLeft[placement.row + (down ? place : 0)];
                --next.columnsLeft[placement.column + (down ? 0 : place)];
            }
            if (!LinesCanStillBeMet(next))
                continue;
            placed.push_back(&placement);
            const bool goOn = Place(ship + 1, at + 1, next, placed, found);
            placed.pop_back();
            if (!goOn)
                return false;
        }
        key = nextLine;
    }
    return true;
}

FleetCount FleetSolver::Count(int cap) const
{
    FleetCount count;
    auto found = [&](const std::vector<const Placement*>&) {
        if (count.fleets == cap) {
            count.moreThan = true;
            return false;
        }
        ++count.fleets;
        return true;
    };
    Search(found);
    return count;
}

std::vector<Board> FleetSolver::List(int limit) const
{
    std::vector<Board> fleets;
    auto found = [&](const std::vector<const Placement*>& placed) {
        if (static_cast<int>(fleets.size()) >= limit)
            return false;
        fleets.push_back(BoardOf(placed));
        return true;
    };
    Search(found);
    return fleets;
}

bool FleetSolver::LinesCanStillBeMet(const SearchState& state) const
{
    // A cell can still take a ship only where neither a placed ship nor a clue rules it out and both its
    // row and its column still want ship cells.
    const std::uint16_t rowsWanting = LinesWanting(state.rowsLeft);
    const std::uint16_t columnsWanting = LinesWanting(state.columnsLeft);
    for (int line = 0; line < BoardSize; ++line) {
        const unsigned inRow = open.rows[line] & ~state.blocked.rows[line] & columnsWanting;
        const unsigned inColumn = open.columns[line] & ~state.blocked.columns[line] & rowsWanting;
        if (state.rowsLeft[line] > CellsInLine[inRow] || state.columnsLeft[line] > CellsInLine[inColumn])
            return false;
    }
    return true;
}

bool FleetSolver::RevealedCellsCovered(const SearchState& state, int shorterThan) const
{
    // Once only ships shorter than this are left, the revealed pieces that need a longer one must be held.
    const std::size_t longer = static_cast<std::size_t>(shorterThan) + 1;
    if (longer >= needsLength.size())
        return true;
    for (int row = 0; row < BoardSize; ++row)
        if (needsLength[longer].rows[row] & ~state.covered.rows[row])
            return false;
    return true;
}

Board FleetSolver::BoardOf(const std::vector<const Placement*>& placed)
{
    Board board;
    for (const Placement* ship : placed)
        for (int place = 0; place < ship->length; ++place) {
            const bool down = ship->axis == ShipAxis::Down;
            board.Set(ship->row + (down ? place : 0), ship->column + (down ? 0 : place),
                      ShipPiece(ship->length, place, ship->axis));
        }
    return board;
}
