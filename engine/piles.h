#pragma once
// The four pile lists and pile names. A pile is a text of three-digit card
// numbers, bottom card first; "000" inside a pile is a gap.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/cards.h"

namespace tessaro {

class RuleTable;

enum class PileKind : int { Stock = 0, Foundation = 1, Row = 2, Reserve = 3 };

inline constexpr int kStockPiles = 3;   // Mazzo, Mazzo_Vis, Mazzo_Waste
inline constexpr int kFoundations = 16;  // Dest1..Dest16
inline constexpr int kRows = 40;         // Fila1..Fila40
inline constexpr int kReserves = 10;     // Appogg1..Appogg10

enum StockIndex : int { kMazzo = 0, kMazzoVis = 1, kMazzoWaste = 2 };

/// A pile: its list and its item index (0-based).
struct PileRef {
    PileKind kind = PileKind::Stock;
    int index = 0;
    friend bool operator==(const PileRef&, const PileRef&) = default;
};

/// Where find card found a card.
enum class Where : int { NotFound = 0, Stock = 1, VisibleStock = 2, Waste = 3, Row = 4, Foundation = 5, Reserve = 6 };

/// What find card does to the card it finds.
enum class FindAction : int { None = 0, Cut = 1, LeaveGap = 2, CutWithGapBelow = 3 };

struct Found {
    Where where = Where::NotFound;
    PileRef pile{};
    int position = -1;  ///< 0-based card position within the pile (bottom = 0)
};

class Piles {
public:
    /// The pile's text; a pile that does not exist reads as empty, and writes
    /// to it are dropped.
    std::string& text(PileRef p) {
        if (std::string* t = find(p)) return *t;
        scratch_.clear();
        return scratch_;
    }
    const std::string& text(PileRef p) const {
        if (const std::string* t = find(p)) return *t;
        return emptyText();
    }
    std::string& stock(int i) { return stock_[static_cast<std::size_t>(i)]; }
    std::string& dest(int i) { return dest_[static_cast<std::size_t>(i)]; }
    std::string& fila(int i) { return fila_[static_cast<std::size_t>(i)]; }
    std::string& appogg(int i) { return appogg_[static_cast<std::size_t>(i)]; }
    const std::string& stock(int i) const { return stock_[static_cast<std::size_t>(i)]; }
    const std::string& dest(int i) const { return dest_[static_cast<std::size_t>(i)]; }
    const std::string& fila(int i) const { return fila_[static_cast<std::size_t>(i)]; }
    const std::string& appogg(int i) const { return appogg_[static_cast<std::size_t>(i)]; }

    /// Empties every pile.
    void clear();

    /// Appends a card (and, when card != 0 and flag is given, sets its face).
    void append(PileRef p, int card, CardTable& cards, std::optional<char> flag = std::nullopt) {
        std::string* t = find(p);
        if (!t) return;
        appendCard3(*t, card);
        if (card != 0 && flag) cards.setFace(card, *flag);
    }
    /// The same with the pile found by name; false when the name names no pile.
    bool append(std::string_view name, int card, CardTable& cards, std::optional<char> flag = std::nullopt);

    /// Finds a card in the order visible stock, rows 1..P[367], foundations,
    /// stock, put-away pile, reserve cells; applies the action.
    Found findCard(int card, FindAction action, const RuleTable& rules);

    /// Top card of a pile (0 when empty).
    int top(PileRef p) const;
    /// Number of cards (gaps included).
    int count(PileRef p) const { return static_cast<int>(text(p).size() / 3); }
    /// The largest number of cards in the rows in use.
    int highestRow(const RuleTable& rules) const;

private:
    // The pile's text; nullptr when the reference names no pile.
    const std::string* find(PileRef p) const {
        const auto i = static_cast<std::size_t>(p.index);
        switch (p.kind) {
        case PileKind::Stock: return i < stock_.size() ? &stock_[i] : nullptr;
        case PileKind::Foundation: return i < dest_.size() ? &dest_[i] : nullptr;
        case PileKind::Row: return i < fila_.size() ? &fila_[i] : nullptr;
        case PileKind::Reserve: return i < appogg_.size() ? &appogg_[i] : nullptr;
        }
        return nullptr;
    }
    std::string* find(PileRef p) { return const_cast<std::string*>(static_cast<const Piles&>(*this).find(p)); }
    static const std::string& emptyText();

    std::array<std::string, kStockPiles> stock_;
    std::array<std::string, kFoundations> dest_;
    std::array<std::string, kRows> fila_;
    std::array<std::string, kReserves> appogg_;
    std::string scratch_;
};

/// True when the reference names one of the 69 piles.
bool validPile(PileRef p);

/// Resolves a pile name: "Fila"/"Dest" + characters 5-6, "Mazzo", "Mazzo_Vis",
/// "Appogg" + characters 7-8. "Mazzo_Waste" is not reachable by name here.
/// Numbers outside the list give nothing.
std::optional<PileRef> pileByName(std::string_view name);
/// Like pileByName, but also knows "Mazzo_Waste".
std::optional<PileRef> anyPileByName(std::string_view name);
/// The canonical name of a pile: "Mazzo", "Mazzo_Vis", "Mazzo_Waste", "Dest3", "Fila12", "Appogg1".
std::string pileName(PileRef p);

}  // namespace tessaro
