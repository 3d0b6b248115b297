#include "engine/piles.h"

#include "engine/cards.h"
#include "stores/rule_table.h"

namespace tessaro {

bool validPile(PileRef p) {
    switch (p.kind) {
    case PileKind::Stock: return p.index >= 0 && p.index < kStockPiles;
    case PileKind::Foundation: return p.index >= 0 && p.index < kFoundations;
    case PileKind::Row: return p.index >= 0 && p.index < kRows;
    case PileKind::Reserve: return p.index >= 0 && p.index < kReserves;
    }
    return false;
}

const std::string& Piles::emptyText() {
    static const std::string kEmpty;
    return kEmpty;
}

void Piles::clear() {
    for (auto& s : stock_) s.clear();
    for (auto& s : dest_) s.clear();
    for (auto& s : fila_) s.clear();
    for (auto& s : appogg_) s.clear();
}

bool Piles::append(std::string_view name, int card, CardTable& cards, std::optional<char> flag) {
    auto p = pileByName(name);
    if (!p) return false;
    append(*p, card, cards, flag);
    return true;
}

Found Piles::findCard(int card, FindAction action, const RuleTable& rules) {
    const std::string key = card3(card);
    auto search = [&](PileRef p, Where where) -> std::optional<Found> {
        std::string& t = text(p);
        for (std::size_t i = 0; i + 3 <= t.size(); i += 3) {
            if (t.compare(i, 3, key) != 0) continue;
            Found f{where, p, static_cast<int>(i / 3)};
            switch (action) {
            case FindAction::None: break;
            case FindAction::Cut: t.erase(i, 3); break;
            case FindAction::LeaveGap: t.replace(i, 3, "000"); break;
            case FindAction::CutWithGapBelow:
                t.erase(i, 3);
                if (i >= 3 && t.compare(i - 3, 3, "000") == 0) t.erase(i - 3, 3);
                break;
            }
            return f;
        }
        return std::nullopt;
    };
    if (auto f = search({PileKind::Stock, kMazzoVis}, Where::VisibleStock)) return *f;
    const int rows = rules.rows() < kRows ? rules.rows() : kRows;
    for (int i = 0; i < rows; ++i)
        if (auto f = search({PileKind::Row, i}, Where::Row)) return *f;
    // A selected card still lies in its own pile; the selection list in Dest1
    // is never where it is, or a move would take it from the list and leave
    // the card behind as a second copy.
    for (int i = rules.selectionInDest1() ? 1 : 0; i < kFoundations; ++i)
        if (auto f = search({PileKind::Foundation, i}, Where::Foundation)) return *f;
    if (auto f = search({PileKind::Stock, kMazzo}, Where::Stock)) return *f;
    if (auto f = search({PileKind::Stock, kMazzoWaste}, Where::Waste)) return *f;
    for (int i = 0; i < kReserves; ++i)
        if (auto f = search({PileKind::Reserve, i}, Where::Reserve)) return *f;
    return {};
}

int Piles::top(PileRef p) const {
    const std::string& t = text(p);
    return t.size() < 3 ? 0 : cardAt(t, t.size() - 3);
}

int Piles::highestRow(const RuleTable& rules) const {
    int best = 0;
    const int rows = rules.rows() < kRows ? rules.rows() : kRows;
    for (int i = 0; i < rows; ++i) {
        const int n = static_cast<int>(fila_[static_cast<std::size_t>(i)].size() / 3);
        if (n > best) best = n;
    }
    return best;
}

namespace {
// An ordinary decimal parse of one or two characters; -1 when not a number.
int smallNumber(std::string_view s) {
    if (s.empty()) return -1;
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}
}  // namespace

std::optional<PileRef> pileByName(std::string_view name) {
    auto numbered = [&](std::size_t from, PileKind kind, int limit) -> std::optional<PileRef> {
        const int n = smallNumber(name.substr(std::min(from, name.size()), 2));
        if (n < 1 || n > limit) return std::nullopt;
        return PileRef{kind, n - 1};
    };
    if (name.substr(0, 4) == "Fila") return numbered(4, PileKind::Row, kRows);
    if (name.substr(0, 4) == "Dest") return numbered(4, PileKind::Foundation, kFoundations);
    if (name == "Mazzo") return PileRef{PileKind::Stock, kMazzo};
    if (name == "Mazzo_Vis") return PileRef{PileKind::Stock, kMazzoVis};
    if (name.substr(0, 6) == "Appogg") return numbered(6, PileKind::Reserve, kReserves);
    return std::nullopt;
}

std::optional<PileRef> anyPileByName(std::string_view name) {
    if (name == "Mazzo_Waste") return PileRef{PileKind::Stock, kMazzoWaste};
    return pileByName(name);
}

std::string pileName(PileRef p) {
    switch (p.kind) {
    case PileKind::Stock:
        return p.index == kMazzo ? "Mazzo" : p.index == kMazzoVis ? "Mazzo_Vis" : "Mazzo_Waste";
    case PileKind::Foundation: return "Dest" + std::to_string(p.index + 1);
    case PileKind::Row: return "Fila" + std::to_string(p.index + 1);
    case PileKind::Reserve: return "Appogg" + std::to_string(p.index + 1);
    }
    return {};
}

}  // namespace tessaro
