#pragma once
// The settings file DATA\CFG.DAT: an initialisation file opened afresh at
// each use. Start-up copies most settings into the configuration register and
// the catalogue object; the code that changes a setting writes it at once.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/profile.h"

namespace tessaro {

struct Context;
class Register;

namespace section {
inline constexpr std::string_view Preference = "Preference";
inline constexpr std::string_view Settings = "Settings";
inline constexpr std::string_view Parameters = "Parameters";
inline constexpr std::string_view Users = "Users";
inline constexpr std::string_view FavouriteGames = "Favourite Games";
inline constexpr std::string_view ShowMessages = "Show_Messages";
inline constexpr std::string_view Autoplay = "Autoplay";
}  // namespace section

/// Defaults of the settings that are not copied into the register.
namespace setting {
inline constexpr int kDefaultGame = 201;
inline constexpr std::string_view kDefaultGameName = "Memory-Up (6x4)";
inline constexpr int kDefaultGameTreeNum = -30;
inline constexpr int kDefaultBackgroundColour = -2147483633;  // system colour 8000000F
inline constexpr int kDefaultWinningAnimationsTime = 30;
inline constexpr std::string_view kDefaultWinningAnimations = "(Random)";
inline constexpr int kDefaultWindowLeft = 50;
inline constexpr int kDefaultWindowTop = 50;
/// The default window size is the screen size less this margin.
inline constexpr int kWindowSizeMargin = 150;
inline constexpr int kRunCounterLimit = 9;
}  // namespace setting

/// The settings file: register (501, 200) followed by register (1, 20).
std::string settingsPath(const Register& reg);
/// The settings file as a profile.
Profile settingsFile(const Register& reg);

/// What start-up knows about the display when it reads the settings.
struct DisplayInfo {
    bool moreThan256Colours = true;
};

/// What start-up found when it looked the settings file over.
struct SettingsRescue {
    bool damaged = false;     ///< the file could not be read as settings in full
    bool partlyKept = false;  ///< a file cut short: the entries before the cut stay
    std::string keptAs;       ///< where the damaged file now lies
    /// The message for the player; empty when nothing was wrong.
    std::string message;
};

/// Biggest settings file and longest line taken as settings; anything larger
/// is damage (the longest line written is the per-game autoplay text).
inline constexpr std::uintmax_t kMaxSettingsFileSize = 1u << 20;
inline constexpr std::size_t kMaxSettingsLineLength = 1u << 16;

/// Looks the settings file over before anything reads it. A file that cannot
/// be read as settings (binary bytes, too big, a line too long) is moved
/// aside to "CFG.DAT.damaged" (or ".damaged2" ... when that name is taken),
/// so the program starts with the defaults; a file cut off inside its last
/// line is copied there and kept without the cut line. Nothing happens to a
/// file in order.
SettingsRescue rescueDamagedSettings(const Register& reg);

/// Copies the settings into the register and the catalogue object as
/// start-up does: every register field fed by a setting, the fixed values
/// (scoring mode "01", score "0", right-click moves "N"), the catalogue
/// object's highlight mark, random game type, fast-search type and
/// statistics-disabled mark, and the autoplay scope (AutoPlay_All_Games).
void loadSettings(Context& ctx, const DisplayInfo& display = {});

/// Start-up's check of the remembered game: when its number (register 62) is
/// 0 or more and the catalogue knows no name for it (custom games included),
/// the register gets game "-001" and a blank name.
void checkRememberedGame(Context& ctx);

/// When no player is set: writes UserDefault and the three default players
/// and stores "Player 1" in the register.
void seedPlayers(Context& ctx);

/// Raises Run_Exe by one while it is below 9; returns the value now stored.
int countRun(const Register& reg);

/// Per-game autoplay choice (used when AutoPlay_All_Games is 2).
bool autoplayFor(const Register& reg, int game);
void writeAutoplayFor(const Register& reg, int game, bool on);

/// Rewrites Cards_Animate and ConfirmQuit as "Y" where they hold "S".
void correctSettings(const Register& reg);

}  // namespace tessaro
