#include "stores/catalogue.h"

#include <algorithm>
#include <charconv>

#include "engine/context.h"
#include "platform/profile.h"
#include "platform/text_file.h"
#include "stores/games_dat_format.h"
#include "stores/program_folder.h"
#include "stores/rules_file.h"

namespace tessaro {

namespace {

std::string_view trimRight(std::string_view s) {
    const auto last = s.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : s.substr(0, last + 1);
}

// Decimal integer with optional leading blanks and sign; false otherwise.
bool toInt(std::string_view s, int& out) {
    const auto lead = s.find_first_not_of(' ');
    if (lead == std::string_view::npos) return false;
    s.remove_prefix(lead);
    s = trimRight(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return !s.empty() && ec == std::errc{} && ptr == s.data() + s.size();
}

}  // namespace

void MainGame::buildFrom(std::string_view rulesFileText) {
    lines_.clear();
    for (const auto& line : gamesdat::sectionLines(splitLines(rulesFileText), gamesdat::kCatalogueHeader)) {
        std::string decoded = gamesdat::decode(line.text);
        if (decoded.size() >= 8 && (decoded[7] == '0' || decoded[7] == '5')) lines_.push_back(std::move(decoded));
    }
}

int MainGame::gameAt(int index) const {
    if (index < 0 || index >= static_cast<int>(lines_.size())) return -1;
    int number = 0;
    return toInt(textColumn(lines_[static_cast<std::size_t>(index)], 5, 3), number) ? number : -1;
}

int MainGame::findLine(int game) const {
    if (game < 0 || game >= kFirstCustomGame) return -1;
    if (gameAt(game) == game) return game;
    for (int i = 0; i < static_cast<int>(lines_.size()); ++i)
        if (gameAt(i) == game) return i;
    return -1;
}

int MainGame::index(int game) const { return findLine(game); }

void MainGame::name(int game, std::string& out) const {
    if (game >= kFirstCustomGame) return;
    const int i = findLine(game);
    out = i < 0 ? std::string{} : std::string(trimRight(textColumn(lines_[static_cast<std::size_t>(i)], 11, 50)));
}

std::string MainGame::name(int game) const {
    std::string out;
    name(game, out);
    return out;
}

int MainGame::category(int game) const {
    if (game >= kFirstCustomGame) return kCustomCategory;
    const int i = findLine(game);
    int value = -1;
    if (i < 0 || !toInt(textColumn(lines_[static_cast<std::size_t>(i)], 1, 3), value) || value < 0) return -1;
    return value;
}

std::string MainGame::categoryPictureName(int category) {
    static const char* const kNames[] = {
        "TREE5_CANFIELD_TYPE",   "TREE5_FORTYTHIEVES_TYPE",  "TREE5_FREECELL_TYPE",   "TREE5_KLONDIKE_TYPE",
        "TREE5_PAIRING_TYPE",    "TREE5_SIMPLEGAMES_TYPE",   "TREE5_SPIDER_TYPE",     "TREE5_1DECK_TYPE",
        "TREE5_2DECK_TYPE",      "TREE5_FAN_TYPE",           "TREE5_BAKERSDOZEN_TYPE", "TREE5_ROW_TYPE",
        "TREE5_PUZZLE_TYPE",     "TREE5_ADDITION_TYPE",      "TREE5_MEMORY_TYPE",     "TREE5_BELEAGUEREDCASTLE_TYPE",
        "TREE5_QUEENOFITALY_TYPE", "TREE5_YUKON_TYPE",       "TREE5_MATHEMATICAL_TYPE", "TREE5_SIRTOMMY_TYPE",
        "TREE5_NONBUILDERS_TYPE", "TREE5_STRIPPEDDECK_TYPE",
    };
    if (category == kCustomCategory) return "TREE5_CUSTOMIZED_GAMES";
    if (category >= 2 && category <= 23) return kNames[category - 2];
    return {};
}

bool MainGame::needsWideScreen(int game) const {
    const int i = findLine(game);
    if (i < 0) return false;
    const std::string& line = lines_[static_cast<std::size_t>(i)];
    return line.size() >= 9 && line[8] == '1';
}

std::string replacePlaceholders(std::string_view text) {
    static const std::pair<std::string_view, std::string_view> kPlaceholders[] = {
        {"[Program]", "Tessaro"},
        {"[Program_sw]", "Solvara 2000"},
        {"[GameNum_sw]", "245"},
        {"[GameNum_fw]", "4"},
    };
    std::string out(text);
    for (const auto& [from, to] : kPlaceholders) {
        const auto at = out.find(from);
        if (at != std::string::npos) out.replace(at, from.size(), to);
    }
    return out;
}

CustomGame customGame(const Register& reg, int number, std::string definition) {
    CustomGame result{-1, std::move(definition)};
    std::string text;
    if (!readTextFile(programFile(reg, "DATA\\GAM_CUST.DAT"), text)) return result;
    const auto lines = splitLines(text);
    for (std::size_t i = 1; i < lines.size(); i += 30) {
        int found = 0;
        if (!toInt(textColumn(lines[i], 1, 4), found) || found != number) continue;
        int base = -1;
        // choice: a base number that is not a number counts as no base game.
        result.baseGame = toInt(textColumn(lines[i], 55, 4), base) ? base : -1;
        result.definition = i + 1 < lines.size() ? lines[i + 1] : std::string{};
        return result;
    }
    return result;
}

void buildCatalogue(Context& ctx) {
    ctx.mainGame.buildFrom(readRulesFile(ctx.reg));
}

bool playableOnScreen(Context& ctx, int game, int screenWidth) {
    if (screenWidth >= 650) return true;
    std::string name;
    if (game >= kFirstCustomGame) {
        const CustomGame custom = customGame(ctx.reg, game);
        if (custom.baseGame < 0) return true;
        game = custom.baseGame;
    } else {
        name = ctx.mainGame.name(game);
    }
    if (!ctx.mainGame.needsWideScreen(game)) return true;
    // choice: the lines of the message are separated by this system's line feed.
    ctx.dialogs->info("Your video card's display is 640x480 pixels.\nYou can't play: " + name +
                      "\nPlease set your screen resolution to 800x600 pixels or higher.");
    return false;
}

int topCardOfPile(const Context& ctx, std::string_view pileName) {
    const auto ref = tessaro::pileByName(pileName);
    return ref ? ctx.piles.top(*ref) : 0;
}

bool cardOnTopOfRow(const Context& ctx, int card) {
    if (card < 1) return false;  // an empty row or a gap is no card
    const int rows = std::clamp(ctx.P.rows(), 0, kRows);
    for (int i = 0; i < rows; ++i)
        if (ctx.piles.top(PileRef{PileKind::Row, i}) == card) return true;
    return false;
}

void MainGame::recordResult(int game, bool won) {
    GameResult& r = results_[game];
    if (r != GameResult::Won) r = won ? GameResult::Won : GameResult::Lost;
}

GameResult MainGame::result(int game) const {
    const auto it = results_.find(game);
    return it == results_.end() ? GameResult::NotPlayed : it->second;
}

void rememberGame(const std::string& settingsPath, int game, std::string_view name, int treePosition) {
    const Profile settings(settingsPath);
    settings.writeInt("Preference", "Game", game);
    settings.writeString("Preference", "Game_Name", name);
    settings.writeInt("Preference", "Game_TreeNum", treePosition);
}

}  // namespace tessaro
