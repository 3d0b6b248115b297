#include "table/rule_limits.h"

#include <algorithm>
#include <memory>

#include "engine/context.h"
#include "table/layout.h"

namespace tessaro {

namespace {

// What a value outside its range becomes.
enum class Answer {
    Clamp,       // the nearest end of the range
    None,        // 0, the code that asks for nothing (an unknown code never did more)
    Unplayable,  // the game is not opened
};

struct Limit {
    int parameter;
    int low, high;
    Answer answer;
    const char* what;
    const char* detail = "";
};

// choice: counts are clamped, so a table with one row too many shows the rows
// there are; codes nobody knows become 0, which is how the drawing and the
// deal already treat them; only a deck the builder cannot make stops a game,
// since no clamped size would give the cards the rules were written for. A
// deck size of 0 is the mark of a table no game has filled yet; the deck
// builder answers it with its own message, as before.
constexpr const char* kDeckSizes = "a deck holds at most 52 cards, or 104";

constexpr Limit kLimits[] = {
    {3, 0, 11, Answer::None, "fan mode of the tableau rows"},
    {4, 0, 4, Answer::None, "fan mode of the foundations"},
    {5, 0, 5, Answer::None, "fan mode of the reserve cells"},
    {34, 0, 16, Answer::None, "deck filter"},
    {365, 0, kStockPiles, Answer::Clamp, "number of stock piles"},
    {366, 0, kFoundations, Answer::Clamp, "number of foundations"},
    {367, 0, kRows, Answer::Clamp, "number of tableau rows"},
    {368, 0, kReserves, Answer::Clamp, "number of reserve cells"},
    {369, 0, 1, Answer::Clamp, "number of put-away piles"},
    {370, 0, 104, Answer::Unplayable, "number of cards", kDeckSizes},
    {373, 0, 4, Answer::Clamp, "number of jokers"},
};

RuleProblem problem(const RuleTable& P, int parameter, std::string what, std::string detail = {}) {
    return {parameter, P[parameter], std::move(what), std::move(detail)};
}

// Deal counts of rows and reserve cells the game does not use become 0: their
// cards would lie on piles the table never shows.
void clearUnusedDeals(RuleTable& P) {
    for (int k = P.rows(); k < kRows; ++k) P.set(374 + k, 0);
    for (int k = P.reserves(); k < kReserves; ++k) P.set(455 + k, 0);
}

// Foundations and rows the deal fills by number, whatever the counts say. A
// table without a deck deals nothing.
std::optional<RuleProblem> dealNeeds(const RuleTable& P) {
    if (P.cards() == 0) return std::nullopt;
    const int perRank = P.cards() == 104 ? 8 : 4;
    if ((P[12] == 1 || P[1] == 1 || P[1] == 4) && P.foundations() < 1)
        return problem(P, 366, "number of foundations", "the deal puts a card on foundation 1");
    if (P[1] == 5 && P.foundations() < perRank)
        return problem(P, 366, "number of foundations", "start style 5 needs one for every card of a rank");
    if (P[99] == 97 && P.foundations() < 8)
        return problem(P, 366, "number of foundations", "start code 97 needs 8");
    if (P[34] == 7 && P.foundations() < std::min(P.rows(), kFoundations))
        return problem(P, 366, "number of foundations", "deck filter 7 moves the bottom card of each row to its foundation");
    if (P.family() == 22 && P.rows() < 1) return problem(P, 367, "number of tableau rows", "card 12 goes to row 1");
    if (P.family() == 11 && P.foundations() < perRank + 1)
        return problem(P, 366, "number of foundations", "the aces of reserve cell 1 start foundations of their own");
    if ((P[34] == 5 || P[34] == 6) && P.rows() < (P[34] == 5 ? 12 : 13))
        return problem(P, 367, "number of tableau rows", "deck filter " + std::to_string(P[34]) + " deals a row to each rank");
    if ((P[34] == 2 || P[34] == 4) && P.rows() < perRank)
        return problem(P, 367, "number of tableau rows", "deck filter " + std::to_string(P[34]) + " starts a row at every head card");
    return std::nullopt;
}

// The layout of the game at a common window size: every pile in use must get
// a place, or the arrangement of its family cannot show the game.
std::optional<RuleProblem> layoutNeeds(const RuleTable& P) {
    auto ctx = std::make_unique<Context>();
    ctx->P = P;
    ctx->layout.cardW = 71;
    ctx->layout.cardH = 96;
    ctx->layout.resetPositions();
    layoutTable(*ctx, windowInputs(1024, 17, 768, 718, 40, 1024, 768));
    const Layout& L = ctx->layout;
    auto missing = [&](int parameter, const char* family, const std::string& pile) {
        return problem(P, parameter, std::string("arrangement of the ") + family, pile + " gets no place");
    };
    for (int k = 0; k < P.rows(); ++k)
        if (!L.fila[static_cast<std::size_t>(k)].placed()) return missing(358, "tableau rows", "Fila" + std::to_string(k + 1));
    for (int k = 0; k < P.foundations(); ++k)
        if (!L.dest[static_cast<std::size_t>(k)].placed()) return missing(356, "foundations", "Dest" + std::to_string(k + 1));
    for (int k = 0; k < P.reserves(); ++k)
        if (!L.appogg[static_cast<std::size_t>(k)].placed())
            return missing(361, "reserve cells", "Appogg" + std::to_string(k + 1));
    // Deck filter 1 and family 22 put cards under the stock.
    const bool stockDealt = P[371] > 0 || P[34] == 1 || P.family() == 22;
    if (stockDealt && !L.stock[kMazzo].placed()) return missing(354, "stock piles", "Mazzo");
    if (P[372] > 0 && !L.stock[kMazzoVis].placed()) return missing(354, "stock piles", "Mazzo_Vis");
    if ((P[454] > 0 || P[351] != 0) && !L.stock[kMazzoWaste].placed())
        return missing(363, "put-away pile", "Mazzo_Waste");
    return std::nullopt;
}

}  // namespace

std::optional<RuleProblem> applyRuleLimits(RuleTable& P, bool placement) {
    for (const Limit& l : kLimits) {
        const int v = P[l.parameter];
        if (v >= l.low && v <= l.high) continue;
        switch (l.answer) {
        case Answer::Clamp: P.set(l.parameter, v < l.low ? l.low : l.high); break;
        case Answer::None: P.set(l.parameter, 0); break;
        case Answer::Unplayable: return problem(P, l.parameter, l.what, l.detail);
        }
    }
    if (P.cards() > 52 && P.cards() != 104) return problem(P, 370, "number of cards", kDeckSizes);
    clearUnusedDeals(P);
    if (!placement) return std::nullopt;
    if (auto p = dealNeeds(P)) return p;
    return layoutNeeds(P);
}

std::string unplayableMessage(const std::string& game, const RuleProblem& p) {
    return "The game \"" + game + "\" cannot be played: its rule parameter " + std::to_string(p.parameter) + " (" +
           p.what + ") is " + std::to_string(p.value) + (p.detail.empty() ? "" : "; " + p.detail) + ".";
}

void loadPlayableRules(Context& ctx) {
    const RuleTable before = ctx.P;
    loadRules(ctx);
    if (auto p = applyRuleLimits(ctx.P)) {
        ctx.P = before;
        throw UnplayableGame(unplayableMessage(ctx.reg.read(reg::GameName), *p));
    }
    ctx.P.saveChangeable();
}

std::optional<std::string> unplayableReason(const Context& ctx, int game, const std::string& name) {
    auto trial = std::make_unique<Context>();
    trial->reg = ctx.reg;
    trial->mainGame = ctx.mainGame;
    trial->reg.writePlain(reg::Game, game);
    try {
        loadRules(*trial);
    } catch (const RulesFileError&) {
        return std::nullopt;
    }
    if (auto p = applyRuleLimits(trial->P)) return unplayableMessage(name, *p);
    return std::nullopt;
}

std::string pileWithoutPlace(const Context& ctx) {
    const Layout& L = ctx.layout;
    auto check = [&](PileKind kind, int count, const auto& slots) -> std::string {
        for (int i = 0; i < count; ++i)
            if (!ctx.piles.text({kind, i}).empty() && !slots[static_cast<std::size_t>(i)].placed())
                return pileName({kind, i});
        return {};
    };
    for (auto name : {check(PileKind::Stock, kStockPiles, L.stock), check(PileKind::Foundation, kFoundations, L.dest),
                      check(PileKind::Row, kRows, L.fila), check(PileKind::Reserve, kReserves, L.appogg)})
        if (!name.empty()) return name;
    return {};
}

}  // namespace tessaro
