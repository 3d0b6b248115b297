#pragma once
// The ranges of the count and index parameters that the deal, the move rules,
// the layout and the drawing support, and the one answer to a value outside
// them: either it is brought into its range in the rule table itself (so that
// every part reads the same value), or the game cannot be played and is not
// opened. Applied wherever a game's parameters are loaded for play.
#include <optional>
#include <string>

#include "stores/rules_file.h"

namespace tessaro {

class RuleTable;
struct Context;

/// Why a game cannot be played: the first parameter outside what the table
/// can show, its value, and what the parameter is.
struct RuleProblem {
    int parameter = 0;
    int value = 0;
    std::string what;
    std::string detail;  ///< why the value does not fit, when the range alone does not say
};

/// Brings every clamped parameter of `P` into its range and answers the first
/// parameter that makes the game unplayable, or nothing when it can be played.
/// With `placement` every pile the game uses or deals to must also get a place
/// on the table; the deal on its own (tessaro-cli deal) leaves that out.
std::optional<RuleProblem> applyRuleLimits(RuleTable& P, bool placement = true);

/// The message shown when a game cannot be opened.
std::string unplayableMessage(const std::string& game, const RuleProblem& problem);

/// A game whose parameters the table cannot show. The message names the game
/// and the parameter.
class UnplayableGame : public RulesFileError {
public:
    using RulesFileError::RulesFileError;
};

/// Loads the current game's rules (as loadRules) and applies the limits. On an
/// unplayable game the table is left as it was and UnplayableGame is thrown.
void loadPlayableRules(Context& ctx);

/// Whether game `game` (named `name`) can be opened: its rules are read into
/// a table of their own, ctx is not changed. The message when it cannot;
/// nothing when it can or when its rules cannot be read at all (opening it
/// then reports that itself).
std::optional<std::string> unplayableReason(const Context& ctx, int game, const std::string& name);

/// The name of the first pile that holds cards but has no place on the laid
/// out table; empty when every card lies on a placed pile.
std::string pileWithoutPlace(const Context& ctx);

}  // namespace tessaro
