// Finds the fleets that fit what the player knows: the counts and the revealed cells.
#pragma once

#include "Board.h"
#include "FleetEvidence.h"
#include "FleetGenerator.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// How many fleets fit. When the count stopped at its cap, more than that many do.
struct FleetCount {
    int fleets = 0;
    bool moreThan = false;
    friend bool operator==(const FleetCount&, const FleetCount&) = default;
};

// The fleets that fit are those of the fleet table's ships, each straight across or down, none touching
// another even at a corner, that meet every row and column count and hold exactly the revealed kind on
// every revealed cell. A fleet is the board it makes: ships of one length trading places are one fleet.
// The search places the longest ships first, each ship of a length after the one before it in a fixed
// order of positions, and leaves a branch as soon as some row or column can no longer reach its count.
class FleetSolver {
public:
    // Enough to tell "a few" from "very many", and quick to reach on any evidence.
    static constexpr int CountCap = 10'000;

    // The fleet's lengths lie from 1 to the board's size.
    explicit FleetSolver(const FleetEvidence& evidence, std::span<const int> fleet = FleetTable);

    // cap >= 0: stops once more than cap fleets are found and says so.
    FleetCount Count(int cap = CountCap) const;
    // At most limit fleets, in the order the search meets them.
    std::vector<Board> List(int limit) const;

private:
    // A set of cells as one 10-bit mask per line, bit j standing for place j along the line.
    using LineMasks = std::array<std::uint16_t, BoardSize>;

    // The same cells seen along the rows and along the columns: each way, what a line holds is one mask.
    struct CellSet {
        LineMasks rows{};
        LineMasks columns{};
        void Add(int row, int column);
        void Add(const CellSet& other);
    };

    // One position of one ship, with the cells it takes and keeps clear worked out beforehand.
    struct Placement {
        int row;
        int column;
        int length;
        ShipAxis axis;
        CellSet cells;
        // Its cells and all their neighbours: no other ship may have a cell there.
        CellSet area;
    };

    // The positions of one length, each at its key: axis, then line (the row across, the column down),
    // then the first place along the line, so that keys follow the order in which the search takes them.
    struct Positions {
        std::vector<Placement> byKey;
        // [axis][line]: bit j set when a ship may start at place j, as far as the clues can tell.
        std::array<LineMasks, 2> starts{};
    };
    static constexpr int KeysPerAxis = CellCount;
    static int KeyOf(ShipAxis axis, int line, int first);

    struct SearchState {
        CellSet blocked; // the areas of the ships placed so far
        CellSet covered; // their cells
        LineCounts rowsLeft{};
        LineCounts columnsLeft{};
    };

    static Placement Position(int row, int column, int length, ShipAxis axis);
    bool Allows(const Placement& placement) const;
    SearchState Start() const;

    // found(the placements of a fleet) returns false to end the search.
    template <class Found> void Search(Found& found) const;
    template <class Found>
    bool Place(std::size_t ship, std::size_t from, const SearchState& state, std::vector<const Placement*>& placed,
               Found& found) const;
    bool LinesCanStillBeMet(const SearchState& state) const;
    bool RevealedCellsCovered(const SearchState& state, int shorterThan) const;
    static Board BoardOf(const std::vector<const Placement*>& placed);

    FleetEvidence evidence;
    std::vector<int> lengths; // longest first
    // Indexed by length.
    std::vector<Positions> positions;
    // Cells the ships may use: those not revealed as water.
    CellSet open;
    // Indexed by length: revealed ship cells that only a ship at least that long can hold.
    std::vector<CellSet> needsLength;
    bool countsAddUp = false;
};
