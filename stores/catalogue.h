#pragma once
// The game catalogue object: which games exist (the decoded catalogue lines of
// the rules file) and the settings kept with it.
//
// Catalogue line, 1-based characters: 1-3 category, 5-7 game number, 8 offer
// code ("0" or "5" to be offered), 9 "1" when the game needs a screen of 650
// pixels or more, 11-60 the name.
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

struct Context;
class Register;

/// First custom game number; lower numbers are catalogue games.
inline constexpr int kFirstCustomGame = 8000;
/// Category of every custom game.
inline constexpr int kCustomCategory = 800;

/// How the games played in this run ended: the selection dialog marks them.
enum class GameResult { NotPlayed, Won, Lost };

class MainGame {
public:
    // --- the catalogue

    /// Replaces the catalogue with the offered lines of the rules file text's
    /// "[Sect1]" sections, decoded.
    void buildFrom(std::string_view rulesFileText);
    const std::vector<std::string>& lines() const { return lines_; }
    /// Adds one decoded line as it is (for tests and tools).
    void addLine(std::string line) { lines_.push_back(std::move(line)); }

    /// Index of the game's line: the line at index = number is tried first,
    /// then the catalogue is searched from the start; -1 when not found and
    /// for custom games.
    int index(int game) const;
    /// Game number of the line at index (characters 5-7); -1 when unreadable.
    int gameAt(int index) const;
    /// Name of a catalogue game; empty when not found. For custom games the
    /// text is left as it was.
    void name(int game, std::string& out) const;
    std::string name(int game) const;
    /// Category of a game: 800 for custom games, -1 when not found.
    int category(int game) const;
    /// Resource name of the category's picture; empty for unknown categories.
    static std::string categoryPictureName(int category);
    /// True when the game's line marks it as needing a screen of 650 pixels.
    bool needsWideScreen(int game) const;

    /// Notes how a game ended. A game once won stays won for the rest of the run.
    void recordResult(int game, bool won);
    /// NotPlayed until a game of that number has ended in this run.
    GameResult result(int game) const;
    /// Forgets how a game ended (its statistics were reset).
    void forgetResult(int game) { results_.erase(game); }

    // --- working values of the current game (the pile positions and the
    // small-screen state live in Context::layout)

    int missCount = 0;            ///< misses of the Memory games
    int moves = 0;                ///< moves made in the current game
    int redeals = 0;              ///< times the stock was formed again
    int playMode = 0;             ///< move code's play mode
    int idle = 0;                 ///< idle value of the move code
    int stockPressed = 0;         ///< stock pressed mark
    int lowestDrawnBottom = 0;    ///< lowest bottom edge drawn
    int closeAsked = 0;           ///< close asked during a winning animation

    // --- settings kept in the catalogue object (copied at start-up)

    int highlightMark = 0;        ///< HighLights_Foundations_Mark
    int highlightColour = 0;      ///< HighLights_Foundations_Color
    int randomGameType = 2;       ///< Random_Game_Type (written back at close)
    int autoplayScope = 1;        ///< AutoPlay_All_Games: 1 one choice, 2 per game
    int fastSearchType = 0;       ///< Games_Fast_Search_Type
    int statisticsDisabled = 0;   ///< 1 when Disable_Statistics is "Y"

private:
    int findLine(int game) const;
    std::vector<std::string> lines_;
    std::map<int, GameResult> results_;
};

/// The program's name and the texts that stand for it, replaced at their
/// first occurrence each: "[Program]", "[Program_sw]", "[GameNum_sw]",
/// "[GameNum_fw]".
std::string replacePlaceholders(std::string_view text);

/// A custom game's base game and definition text from DATA\GAM_CUST.DAT.
struct CustomGame {
    int baseGame = -1;
    std::string definition;
};
/// Looks up a custom game; base game -1 (and `definition` as given) when the
/// file or the record is missing.
CustomGame customGame(const Register& reg, int number, std::string definition = {});

/// Builds the catalogue from GAMES.DAT in the program folder. Throws
/// RulesFileError when the file cannot be read.
void buildCatalogue(Context& ctx);

/// Whether the game can be played on a screen this wide; when not, tells the
/// player so through the dialogs port.
bool playableOnScreen(Context& ctx, int game, int screenWidth);

/// Top card of the pile with this name ("Mazzo", "Mazzo_Vis", "Dest3",
/// "Fila12", "Appogg1"); 0 for an empty pile or a name of no pile.
int topCardOfPile(const Context& ctx, std::string_view pileName);

/// True when the card lies on top of one of the tableau rows in use.
bool cardOnTopOfRow(const Context& ctx, int card);

/// Writes Game, Game_Name and Game_TreeNum to the "Preference" section of the
/// settings file.
void rememberGame(const std::string& settingsPath, int game, std::string_view name, int treePosition);

}  // namespace tessaro
