#include "stores/settings.h"

#include <filesystem>
#include <system_error>

#include "engine/context.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "stores/program_folder.h"

namespace tessaro {

namespace {

// Settings copied into the register as the text they hold.
struct TextSetting {
    std::string_view key;
    std::string_view fallback;
    Field field;
};

constexpr TextSetting kTextSettings[] = {
    {"Background_def", "N", reg::BackgroundDefault},
    {"Show_Time", "Y", reg::ShowTime},
    {"StatusBar", "N", reg::StatusBar},
    // choice: without a stored size the cards fit the window.
    {"Card_Size", "F", reg::CardSize},
    {"Fade_Background", "Y", reg::FadeBackground},
    {"Show_Score", "Y", reg::ShowScore},
    {"Undo_Enabled", "0", reg::UndoMode},
    {"Sounds_Enabled", "Y", reg::SoundsOn},
    {"Sounds_About", "Y", reg::SoundAbout},
    {"Sounds_Autoplay", "Y", reg::SoundAutoplay},
    {"Sounds_GameWon", "Y", reg::SoundWon},
    {"Sounds_NewGame", "Y", reg::SoundNew},
    {"Sounds_Shuffle", "Y", reg::SoundShuffle},
    {"Sounds_Pairing", "Y", reg::SoundPairing},
    {"Sounds_Stock", "Y", reg::SoundStock},
    {"Sounds_Tableau", "Y", reg::SoundTableau},
    {"Sounds_FaceUp", "Y", reg::SoundFaceUp},
    {"Sounds_CardDown", "Y", reg::SoundCardDown},
    {"Sounds_CardUp", "Y", reg::SoundCardUp},
    {"Sounds_Redeal", "Y", reg::SoundRedeal},
    {"Sounds_Foundation", "Y", reg::SoundFoundation},
    {"Sounds_Redeal_Without_Animation", "Y", reg::SoundRedealQuiet},
    {"Random_Background", "N", reg::RandomBackground},
    {"Piles_TT", "N", reg::IrregularPiles},
    {"ConfirmQuitGame", "N", reg::ConfirmQuit},
    {"Random_Card", "N", reg::RandomCardFace},
    {"Random_Deck", "N", reg::RandomCardBack},
    {"Game_name", setting::kDefaultGameName, reg::GameName},
    {"Automatic_FaceUp", "Y", reg::AutoFaceUp},
    {"Deal_Animation", "Y", reg::DealAnimation},
    {"Redeal_Animation", "Y", reg::RedealAnimation},
    {"Show_ToolTips", "Y", reg::ShowToolTips},
    {"DoubleClick_To_Foundations", "Y", reg::DoubleClickFoundations},
    {"DoubleClick_To_Tableaus", "N", reg::DoubleClickTableaus},
    {"Show_Partial_Hidden_Card", "Y", reg::ShowPartialHidden},
    {"Miss_Show_Time", "200", reg::MissShowTime},
};

// Integer settings copied into the register in their shortest form.
struct PlainSetting {
    std::string_view key;
    int fallback;
    Field field;
};

constexpr PlainSetting kPlainSettings[] = {
    {"Background_Fixed_Col", 32768, reg::BackgroundFixedColour},
    {"Language", 20000, reg::Language},
    {"Speed_Move_Card", 10, reg::SpeedMoveCard},
    {"Cursor", 10, reg::Cursor},
};

std::string fourDigits(int game) {
    std::string digits = std::to_string(game);
    if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
    return digits;
}

enum class Damage { None, Unreadable, Cut };

// Settings are short lines of text: a control character other than a tab or a
// line ending, an oversized file or an overlong line is no settings file.
Damage judgeSettingsText(std::string_view text) {
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\r' || c == '\n') {
            lineStart = i + 1;
            continue;
        }
        if ((c < 0x20 && c != '\t') || c == 0x7F) return Damage::Unreadable;
        if (i - lineStart >= kMaxSettingsLineLength) return Damage::Unreadable;
    }
    // The program ends every line it writes; a last line without its end
    // that is neither a whole section header nor an entry was cut off.
    if (lineStart < text.size()) {
        std::string_view last = text.substr(lineStart);
        while (!last.empty() && (last.front() == ' ' || last.front() == '\t')) last.remove_prefix(1);
        const bool header = !last.empty() && last.front() == '[' && last.find(']') != std::string_view::npos;
        const bool entry = last.find('=') != std::string_view::npos;
        const bool comment = !last.empty() && last.front() == ';';
        if (!header && !entry && !comment) return Damage::Cut;
    }
    return Damage::None;
}

// "PATH.damaged", or the first of "PATH.damaged2" ... "PATH.damaged9" that is
// free; the last one is reused when all are taken.
std::string damagedName(const std::string& path) {
    std::string name = path + ".damaged";
    for (int n = 2; n <= 9 && std::filesystem::exists(name); ++n) name = path + ".damaged" + std::to_string(n);
    return name;
}

}  // namespace

SettingsRescue rescueDamagedSettings(const Register& reg) {
    namespace fs = std::filesystem;
    SettingsRescue rescue;
    const std::string path = settingsPath(reg);
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return rescue;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) return rescue;
    Damage damage = Damage::Unreadable;
    std::string text;
    if (size <= kMaxSettingsFileSize) {
        if (!readTextFile(path, text)) return rescue;
        damage = judgeSettingsText(text);
    }
    if (damage == Damage::None) return rescue;

    rescue.damaged = true;
    rescue.keptAs = damagedName(path);
    if (damage == Damage::Unreadable) {
        fs::rename(path, rescue.keptAs, ec);
        // A file that cannot even be moved is at least not read again.
        if (ec) fs::remove(path, ec);
    } else {
        rescue.partlyKept = true;
        std::string whole = text.substr(0, text.find_last_of("\r\n") == std::string::npos
                                                ? 0
                                                : text.find_last_of("\r\n") + 1);
        if (!replaceFile(rescue.keptAs, text) || !replaceFile(path, whole)) {
            rescue.partlyKept = false;
            fs::rename(path, rescue.keptAs, ec);
        }
    }
    rescue.message = "The settings file could not be read" + std::string(rescue.partlyKept ? " in full" : "") +
                     ":\n" + path + "\nIt has been kept as:\n" + rescue.keptAs +
                     "\nThe settings that could not be read are back at their defaults.";
    return rescue;
}

std::string settingsPath(const Register& reg) {
    return programFile(reg, reg.read(reg::SettingsFile));
}

Profile settingsFile(const Register& reg) { return Profile(settingsPath(reg)); }

void loadSettings(Context& ctx, const DisplayInfo& display) {
    Register& r = ctx.reg;
    const Profile ini = settingsFile(r);
    const auto pref = section::Preference;

    for (const auto& s : kTextSettings) r.write(s.field, ini.readString(pref, s.key, s.fallback));
    for (const auto& s : kPlainSettings) r.writePlain(s.field, ini.readInt(pref, s.key, s.fallback));

    const int back = ini.readInt(pref, "Back_Card", 11);
    r.writePadded(reg::CardBack, back == 0 ? 1 : back);
    r.writePadded(reg::CardFaceSet, ini.readInt(pref, "Card", display.moreThan256Colours ? 1 : 3));
    const int colour = ini.readInt(pref, "Background_Col", setting::kDefaultBackgroundColour);
    r.writePlain(reg::BackgroundColour, colour == 0 ? setting::kDefaultBackgroundColour : colour);
    const std::string picture = ini.readString(pref, "Background_bmp", "");
    r.write(reg::BackgroundPicture, picture.empty() ? "0" : picture);
    r.writePadded(reg::Game, ini.readInt(pref, "Game", setting::kDefaultGame));
    r.write(reg::Player, ini.readString(pref, "UserDefault", ""));

    const std::string animate = ini.readString(pref, "Cards_Animate", "Y");
    r.write(reg::CardsAnimate, animate);
    r.write(reg::CardsShadowed, ini.readString(pref, "Cards_Shadowed", animate));
    r.setFlag(reg::CustomBackground, !ini.readString(pref, "Customized_Background", "").empty());

    // The right-click settings are read but right clicks never move cards here.
    ini.readString(pref, "RightClick_To_Foundations", "Y");
    ini.readString(pref, "RightClick_To_Tableaus", "Y");
    r.write(reg::RightClickFoundations, "N");
    r.write(reg::RightClickTableaus, "N");

    r.write(reg::ScoringMode, "01");
    r.write(reg::Score, "0");

    MainGame& g = ctx.mainGame;
    g.highlightMark = ini.readInt(pref, "HighLights_Foundations_Mark", 0);
    g.highlightColour = ini.readInt(pref, "HighLights_Foundations_Color", 0);
    g.statisticsDisabled = ini.readString(pref, "Disable_Statistics", "N") == "Y" ? 1 : 0;
    g.randomGameType = ini.readInt(section::Settings, "Random_Game_Type", 2);
    g.fastSearchType = ini.readInt(section::Settings, "Games_Fast_Search_Type", 0);
    ctx.mainGame.autoplayScope = ini.readInt(pref, "AutoPlay_All_Games", 1);
}

void checkRememberedGame(Context& ctx) {
    const int game = ctx.reg.readInt(reg::Game, -1);
    if (game < 0 || !ctx.mainGame.name(game).empty()) return;
    ctx.reg.writePadded(reg::Game, -1);
    ctx.reg.write(reg::GameName, "");
}

void seedPlayers(Context& ctx) {
    const Profile ini = settingsFile(ctx.reg);
    if (!ini.readString(section::Preference, "UserDefault", "").empty()) return;
    ini.writeString(section::Preference, "UserDefault", "Player 1");
    ini.writeString(section::Users, "User001", "Player 1");
    ini.writeString(section::Users, "User002", "Player 2");
    ini.writeString(section::Users, "User003", "Player 3");
    ctx.reg.write(reg::Player, "Player 1");
}

int countRun(const Register& reg) {
    const Profile ini = settingsFile(reg);
    int runs = ini.readInt(section::Parameters, "Run_Exe", 0);
    if (runs < setting::kRunCounterLimit) {
        ++runs;
        ini.writeInt(section::Parameters, "Run_Exe", runs);
    }
    return runs;
}

bool autoplayFor(const Register& reg, int game) {
    const Profile ini = settingsFile(reg);
    if (game >= kFirstCustomGame) {
        const std::string flag = ini.readString(section::Autoplay, "Cust_" + fourDigits(game), "Y");
        return flag.empty() || flag.front() != 'N';
    }
    const std::string games = ini.readString(section::Autoplay, "Games", "");
    // A game without a character (or a number that has none) plays automatically.
    return game < 0 || static_cast<std::size_t>(game) >= games.size() || games[static_cast<std::size_t>(game)] != 'N';
}

void writeAutoplayFor(const Register& reg, int game, bool on) {
    const Profile ini = settingsFile(reg);
    if (game >= kFirstCustomGame) {
        ini.writeString(section::Autoplay, "Cust_" + fourDigits(game), on ? "Y" : "N");
        return;
    }
    if (game < 0) return;
    std::string games = ini.readString(section::Autoplay, "Games", "");
    const auto g = static_cast<std::size_t>(game);
    if (g + 1 >= games.size()) {
        games.append(g + 10, 'Y');
        games.resize(g + 10);
    }
    games[g] = on ? 'Y' : 'N';
    ini.writeString(section::Autoplay, "Games", games);
}

void correctSettings(const Register& reg) {
    const Profile ini = settingsFile(reg);
    for (const std::string_view key : {"Cards_Animate", "ConfirmQuit"})
        if (ini.readString(section::Preference, key, "") == "S") ini.writeString(section::Preference, key, "Y");
}

}  // namespace tessaro
