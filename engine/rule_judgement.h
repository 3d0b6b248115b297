#pragma once
// One call of the judge with everything the building rule codes read: the
// arguments of canPlace, the ranks and suits derived from them, and safe
// access to piles by computed index. Shared by rules.cpp and rule_codes.cpp.
#include <string>

#include "engine/context.h"
#include "engine/rule_helpers.h"

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

/// The general rule: the empty-pile code for an empty target, otherwise the
/// suit filter of `code` and the core sequence check.
bool generalRule(const Judgement& j, int code);
/// What an empty target accepts under j.emptyCode.
bool emptyPileAccepts(const Judgement& j);
/// Rank sequence by direction, base rank, wrap and the end-card rule.
bool coreSequence(const Judgement& j);
/// Building rule codes with rules of their own; the others go to the general rule.
bool byBuildingCode(const Judgement& j);

}  // namespace tessaro::rules
