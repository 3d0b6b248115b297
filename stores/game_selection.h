#pragma once
// What the game selection dialog shows, computed from the catalogue and the
// rules file: its sorted game list, the tree icon of each game and the
// description of a selected game (objective, difficulty, chance of winning,
// game time, skill, redeals, decks) with the names of their pictures.
#include <string>
#include <string_view>
#include <vector>

#include "stores/catalogue.h"

namespace tessaro {

struct Context;

/// Tags of the selection tree's nodes that are not games.
inline constexpr int kAllGamesFolder = -30;   ///< "All games (alphabetically)"
inline constexpr int kFavouritesFolder = -10; ///< "Favorite games" (not shown here)
inline constexpr int kFoldersList = -20;      ///< "Folders list" (not shown here)
inline constexpr int kPlaceholderTag = -1;    ///< the child of a folder not filled yet
inline constexpr int kKindFolderBase = -100;  ///< folder of one kind of game: kKindFolderBase - category

/// One line per catalogue game: characters 1-50 the name padded with blanks,
/// 51-53 the category code and 54-56 the game number as the catalogue line
/// writes them (columns 1-3 and 5-7). Sorted by name without regard to case.
std::vector<std::string> selectionGameList(const MainGame& catalogue);

/// A line of the selection game list taken apart; game -1 when unreadable.
struct GameListEntry {
    std::string name;  ///< trimmed
    int category = -1;
    int game = -1;
};
GameListEntry parseGameListLine(std::string_view line);

/// The tree icon of a game: its category's picture, with "_WIN" or "_NOWIN"
/// when won and lost games are shown and the game has been won or lost.
/// Empty for a category without a picture.
std::string treeIconName(int category, GameResult result, bool showWonLost);

/// The redeal count as the dialog shows it: -1 "Unlimited", 0 "0", n: n - 1.
std::string redealText(int value);

/// A text of the description with its picture's resource name.
struct DescribedValue {
    std::string text;
    std::string picture;
};

struct GameDescription {
    std::string objective;
    DescribedValue difficulty;
    DescribedValue chance;  ///< with " (about N in M)" when the odds are given
    DescribedValue time;
    DescribedValue skill;
    std::string redeals;
    std::string decks;      ///< cards of the game / 52, truncated
};

/// The description texts of these rule parameter values: 50 (family), 366
/// (foundations), 370 (cards), 15 (redeals), 482 (game time), 483
/// (difficulty), 484 (skill), 485 (chance), 486 and 487 (odds). A value out
/// of its range gives an empty text and no picture. Custom games (8000 and
/// above) show "Customized game" with "PROG_DISABLED" for time, difficulty
/// and chance.
struct GameDescriptors {
    int family = 0, foundations = 0, cards = 0, redeals = 0;
    int time = -1, difficulty = -1, skill = -1, chance = -1, oddsWon = 0, oddsOf = 0;
};
GameDescription describeGame(int game, const GameDescriptors& d);

/// Reads a game's descriptors from the rules file (without touching the rule
/// table) and describes it. Throws RulesFileError when the file cannot be read.
GameDescription describeGame(const Context& ctx, int game);

}  // namespace tessaro
