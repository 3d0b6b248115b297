#pragma once
// Layout state of the table: card size, shadow depth, fan offsets, the pile
// positions of every slot, the scroll offset and the display-size flags. Plain
// data; table/layout.h computes it, table/geometry.h reads it.
#include <array>

#include "engine/piles.h"

namespace tessaro {

/// Positions below -9999 mean "not on the table". Each family has its own
/// unset value so a stray read shows where it came from.
inline constexpr int kUnsetStock = -10000;
inline constexpr int kUnsetDest = -10001;
inline constexpr int kUnsetFila = -10002;
inline constexpr int kUnsetAppogg = -10003;

inline bool onTable(int coordinate) { return coordinate >= -9999; }

struct PilePos {
    int x = 0;
    int y = 0;
    bool placed() const { return onTable(x) && onTable(y); }
};

/// Copy of a stock pile's or foundation's position, read when those piles are
/// drawn: x, y less the scroll offset at copy time, and the raw y.
struct PileSnapshot {
    int x = 0;
    int yScrolled = 0;
    int y = 0;
};

/// Pixel steps between the cards of a fanned pile.
struct FanOffsets {
    int downUp = 0;        ///< downward step after a face-up card (U)
    int downDown = 0;      ///< downward step after a face-down card (D)
    int sideUp = 0;        ///< sideways step after a face-up card (SU)
    int sideDown = 0;      ///< sideways step after a face-down card (SD)
    int reserveStep = 3;   ///< reserve stack step of fan mode 5 (R)
    int reserveStep2 = 3;  ///< second word of fan mode 5
    int spread = 6;        ///< spread step (P): gap of fan mode 4
    int mode6First = 0;    ///< step of fan mode 6 (M6)
    int mode6Second = 0;
    int visFirst = 0;      ///< visible stock's first fan step
    int visSecond = 0;     ///< visible stock's second fan step
};

struct Layout {
    int cardW = 71;
    int cardH = 96;
    int shadow = 9;
    FanOffsets fan;

    std::array<PilePos, 3> stock{};    ///< Mazzo, Mazzo_Vis, Mazzo_Waste
    std::array<PilePos, 16> dest{};    ///< Dest1..Dest16
    std::array<PilePos, 40> fila{};    ///< Fila1..Fila40
    std::array<PilePos, 10> appogg{};  ///< Appogg1..Appogg10

    int scroll = 0;        ///< vertical scroll position at the end of the last layout
    bool preview = false;  ///< set by the caller while laying out the preview picture

    std::array<PileSnapshot, 3> stockSnap{};
    std::array<PileSnapshot, 16> destSnap{};

    // Display-size check, kept for the program run.
    bool adapted = false;
    bool firstMessage = false;
    bool secondMessage = false;

    /// Screen size the last layout ran against (the lines of fan mode 8 use its width).
    int screenW = 0;
    int screenH = 0;

    /// Sideways jitter of irregular piles: 7 table rows (1..7 stored at 0..6)
    /// of 13 offsets, filled at every new game.
    std::array<std::array<int, 13>, 7> jitter{};

    Layout() { resetPositions(); }

    /// Stored position of a pile slot in table coordinates; a slot that does
    /// not exist reads as not on the table.
    const PilePos& position(PileRef p) const {
        static const PilePos kNowhere{kUnsetStock, kUnsetStock};
        if (!validPile(p)) return kNowhere;
        const auto i = static_cast<std::size_t>(p.index);
        switch (p.kind) {
        case PileKind::Stock: return stock[i];
        case PileKind::Foundation: return dest[i];
        case PileKind::Row: return fila[i];
        case PileKind::Reserve: return appogg[i];
        }
        return kNowhere;
    }
    /// The y getter: stored y less the scroll offset (window coordinates).
    int windowY(PileRef p) const { return position(p).y - scroll; }

    /// Writes the unset value of its family into every slot, x and y alike.
    void resetPositions() {
        for (auto& p : stock) p = {kUnsetStock, kUnsetStock};
        for (auto& p : dest) p = {kUnsetDest, kUnsetDest};
        for (auto& p : fila) p = {kUnsetFila, kUnsetFila};
        for (auto& p : appogg) p = {kUnsetAppogg, kUnsetAppogg};
    }
};

}  // namespace tessaro
