#pragma once
// One call of the judge with everything the building rule codes read: the
// arguments of canPlace, the ranks and suits derived from them, and safe
// access to piles by computed index. Shared by rules.cpp and rule_codes.cpp,
// and by the deal, which asks the judge inline.
#include <array>
#include <string>

#include "engine/context.h"
#include "engine/rule_helpers.h"
#include "engine/rules.h"

namespace tessaro::rules {

struct Judgement {
    const Context& ctx;
    int a;           ///< target's top card; -1 (or 0) when the target is empty
    int b;           ///< moving card
    int emptyCode;
    bool byPlayer;
    int t;           ///< target index within its family
    bool wrapAllowed;
    bool toFoundation;
    int code;
    int direction;
    int baseRank;

    int ra = rankOf(a);
    int rb = rankOf(b);
    int sa = suitOf(a);
    int sb = suitOf(b);
    bool empty = a <= 0;

    int P(int n) const { return ctx.P[n]; }

    /// Card location of b, computed once on first use.
    int from() const;

    /// Pile texts by computed index; nullptr when the pile does not exist.
    const std::string* dest(int i) const;
    const std::string* row(int i) const;
    const std::string* reserve(int i) const;
    const std::string& stock() const { return ctx.piles.stock(kMazzo); }
    const std::string& waste() const { return ctx.piles.stock(kMazzoVis); }
    /// The pile being judged: foundation T or row T; nullptr when it does not exist.
    const std::string* target() const { return toFoundation ? dest(t) : row(t); }

    static constexpr int kUnknown = -1000;
    mutable int fromCache = kUnknown;  ///< b's location once asked for
};

/// What an empty target accepts under j.emptyCode.
bool emptyPileAccepts(const Judgement& j);

// choice: the general rule and the core sequence check are defined here,
// inline, with a quick front for canPlace below: the deal's automatic move
// asks the judge hundreds of times per deal, nearly always under the general
// rule, and calling through the chain cost more than the rule itself.

/// Rank sequence by direction, base rank, wrap and the end-card rule.
inline bool coreSequence(const Judgement& j) {
    const int ra = j.ra;
    const int rb = j.rb;
    const int dir = j.direction;
    if (dir != 0 && dir != 1 && dir != 2) return false;
    const bool topIsBase = ra == j.baseRank;
    // Wrap setting 2 of a tableau row: an end card follows the rule of the
    // row's ends (a 2 on an Ace when the row may ascend, a Queen on a King).
    const int wrapSetting = j.toFoundation ? 0 : j.P(251 + j.t);
    auto endCardRule = [&] {
        const int rowDir = j.P(171 + j.t);
        return (ra == 1 && (rowDir == 1 || rowDir == 2) && rb == 2) || (ra == 13 && rb == 12);
    };
    bool result = false;

    if (dir == 1 || dir == 2) {
        if (!j.toFoundation) {
            if (wrapSetting == 2) {
                result = endCardRule();
            } else {
                if (topIsBase && !j.wrapAllowed) return false;
                if (ra == 13 && rb == 1) return true;
            }
        } else if (ra == 13) {
            // An Ace follows a King unless the foundation was started with an Ace.
            result = rb == 1 && j.emptyCode != 1;
            if (dir == 1) return result;
        }
        if (rb == ra + 1) result = true;
        if (result || dir == 1) return result;
    }

    if (j.toFoundation) {
        // A King follows an Ace unless the foundation was started with a King.
        if (ra != 1) return ra == rb + 1;
        return rb == 13 && j.emptyCode != 13;
    }
    if (wrapSetting == 2) {
        result = endCardRule();
    } else {
        const bool letterBase = j.baseRank == 81 || j.baseRank == 82 || j.baseRank == 83;
        if (!j.wrapAllowed && (topIsBase || (ra == 1 && letterBase))) return false;
        if (ra == 1) return rb == 13;
    }
    if (ra == rb + 1) result = true;
    return result;
}

/// The general rule: the empty-pile code for an empty target, otherwise the
/// suit filter of `code` and the core sequence check.
inline bool generalRule(const Judgement& j, int code) {
    if (j.empty) return emptyPileAccepts(j);
    switch (code) {
    case 0:
    case 11:
        if (!sameSuit(j.a, j.b)) return false;
        break;
    case 1:
        if (!sameColour(j.a, j.b)) return false;
        break;
    case 3:
        if (!alternating(j.a, j.b)) return false;
        break;
    case 6: return false;
    default: break;
    }
    return coreSequence(j);
}

/// A building rule code with a rule of its own.
using OwnRule = bool (*)(const Judgement&);
inline constexpr int kRuleCodeCount = 111;
/// The rules of their own of codes 0-110, by code (rule_codes.cpp); empty for
/// the codes the general rule decides.
extern const std::array<OwnRule, kRuleCodeCount> kOwnRules;

inline bool hasOwnRule(int code) {
    return code >= 0 && code < kRuleCodeCount && kOwnRules[static_cast<std::size_t>(code)] != nullptr;
}

/// Building rule codes with rules of their own; the others go to the general rule.
inline bool byBuildingCode(const Judgement& j) {
    if (hasOwnRule(j.code)) return kOwnRules[static_cast<std::size_t>(j.code)](j);
    return generalRule(j, j.code);  // 0-3, 6, 8, 13 and every code without a rule of its own
}

/// Whether the stock-first rule of P[35] may keep the card where it is: 1
/// for a foundation target, 2 and 3 for every target.
inline bool stockFirstApplies(const Context& ctx, bool toFoundation) {
    const int p35 = ctx.P[35];
    return (toFoundation && p35 == 1) || p35 == 2 || p35 == 3;
}

/// canPlace's answer, with the commonest question answered here: a target
/// that holds cards, a building code the general rule decides, and no
/// stock-first rule. Everything else goes to canPlace.
inline bool quickCanPlace(const Context& ctx, int a, int b, int emptyCode, bool byPlayer, int T, bool wrapAllowed,
                          bool toFoundation, int ruleCode, int direction, int baseRank) {
    if (a <= 0 || a == b || hasOwnRule(ruleCode) || stockFirstApplies(ctx, toFoundation))
        return canPlace(ctx, a, b, emptyCode, byPlayer, T, wrapAllowed, toFoundation, ruleCode, direction, baseRank);
    const Judgement j{ctx, a, b, emptyCode, byPlayer, T, wrapAllowed, toFoundation, ruleCode, direction, baseRank};
    return generalRule(j, ruleCode);
}

}  // namespace tessaro::rules
