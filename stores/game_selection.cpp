#include "stores/game_selection.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

#include "engine/context.h"
#include "platform/text_file.h"
#include "stores/rules_file.h"

namespace tessaro {

namespace {

std::string padded(std::string_view s, std::size_t width) {
    std::string out(s.substr(0, std::min(s.size(), width)));
    out.resize(width, ' ');
    return out;
}

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

int number(std::string_view s, int fallback) {
    s = trimmed(s);
    int v = 0;
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return !s.empty() && ec == std::errc{} && ptr == s.data() + s.size() ? v : fallback;
}

bool lessNoCase(const std::string& a, const std::string& b) {
    const auto lower = [](unsigned char c) { return std::tolower(c); };
    const bool less = std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                                   [&](char x, char y) { return lower(x) < lower(y); });
    const bool greater = std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                                      [&](char x, char y) { return lower(x) < lower(y); });
    // Names that differ only in case keep a fixed order.
    return less || (!greater && a < b);
}

// A value with its text and picture, or nothing when it is out of range.
template <std::size_t N>
DescribedValue pick(int value, const std::array<DescribedValue, N>& table) {
    if (value < 0 || static_cast<std::size_t>(value) >= N) return {};
    return table[static_cast<std::size_t>(value)];
}

const std::array<DescribedValue, 3> kTimes{{{"Long", "PROG_TIME_LONG"},
                                            {"Medium", "PROG_TIME_MEDIUM"},
                                            {"Quick", "PROG_TIME_QUICK"}}};
const std::array<DescribedValue, 3> kDifficulties{{{"Easy", "PROG_DIFF_EASY"},
                                                   {"Medium", "PROG_DIFF_MEDIUM"},
                                                   {"Hard", "PROG_DIFF_HARD"}}};
const std::array<DescribedValue, 5> kChances{{{"Very high", "PROG_CHAN_VERYHIGH"},
                                              {"High", "PROG_CHAN_HIGH"},
                                              {"Medium", "PROG_CHAN_MEDIUM"},
                                              {"Low", "PROG_CHAN_LOW"},
                                              {"Very low", "PROG_CHAN_VERYLOW"}}};
const std::array<DescribedValue, 5> kSkills{{{"Difficult", "PROG_SKILL_DIFFICULT"},
                                             {"Mostly skill", "PROG_SKILL_MOSTLYSKILL"},
                                             {"Moderate", "PROG_SKILL_MODERATE"},
                                             {"Mostly chance", "PROG_SKILL_MOSTLYCHANCE"},
                                             {"Chance only", "PROG_SKILL_CHANCEONLY"}}};

}  // namespace

std::vector<std::string> selectionGameList(const MainGame& catalogue) {
    std::vector<std::string> list;
    list.reserve(catalogue.lines().size());
    for (const std::string& line : catalogue.lines()) {
        const std::string name(trimmed(textColumn(line, 11, 50)));
        list.push_back(padded(name, 50) + padded(textColumn(line, 1, 3), 3) + padded(textColumn(line, 5, 3), 3));
    }
    std::sort(list.begin(), list.end(), lessNoCase);
    return list;
}

GameListEntry parseGameListLine(std::string_view line) {
    GameListEntry e;
    e.name = std::string(trimmed(textColumn(line, 1, 50)));
    e.category = number(textColumn(line, 51, 3), -1);
    e.game = number(textColumn(line, 54, 3), -1);
    if (e.game < 0) e.game = -1;
    return e;
}

std::string treeIconName(int category, GameResult result, bool showWonLost) {
    const std::string base = MainGame::categoryPictureName(category);
    if (base.empty() || !showWonLost) return base;
    switch (result) {
    case GameResult::Won: return base + "_WIN";
    case GameResult::Lost: return base + "_NOWIN";
    case GameResult::NotPlayed: break;
    }
    return base;
}

std::string redealText(int value) {
    if (value == -1) return "Unlimited";
    if (value == 0) return "0";
    return std::to_string(value - 1);
}

GameDescription describeGame(int game, const GameDescriptors& d) {
    GameDescription out;
    // choice: the rules file has no objective of its own; the Memory families
    // match cards, games with foundations fill them, the others clear the
    // table onto the put-away pile.
    if (d.family >= 36 && d.family <= 39)
        out.objective = "To match up all the cards in the deck";
    else if (d.foundations > 0)
        out.objective = "To move all the cards to the foundations";
    else
        out.objective = "To move all the cards to the waste pile";
    if (game >= kFirstCustomGame) {
        const DescribedValue custom{"Customized game", "PROG_DISABLED"};
        out.time = out.difficulty = out.chance = custom;
    } else {
        out.time = pick(d.time, kTimes);
        out.difficulty = pick(d.difficulty, kDifficulties);
        out.chance = pick(d.chance, kChances);
        if (!out.chance.text.empty() && d.oddsOf != 0)
            out.chance.text +=
                " (about " + std::to_string(d.oddsWon) + " in " + std::to_string(d.oddsOf) + ")";
    }
    out.skill = pick(d.skill, kSkills);
    out.redeals = redealText(d.redeals);
    out.decks = std::to_string(d.cards / 52);
    return out;
}

GameDescription describeGame(const Context& ctx, int game) {
    const std::vector<int> v = readGameParameters(ctx, game, {50, 366, 370, 15, 482, 483, 484, 485, 486, 487});
    GameDescriptors d;
    d.family = v[0];
    d.foundations = v[1];
    d.cards = v[2];
    d.redeals = v[3];
    d.time = v[4];
    d.difficulty = v[5];
    d.skill = v[6];
    d.chance = v[7];
    d.oddsWon = v[8];
    d.oddsOf = v[9];
    return describeGame(game, d);
}

}  // namespace tessaro
