#include "engine/pile_lines.h"

#include <array>

namespace tessaro {

std::optional<std::vector<PileLineCard>> parsePileLine(std::string_view line, std::string* error) {
    auto fail = [&](std::string message) -> std::optional<std::vector<PileLineCard>> {
        if (error) *error = std::move(message);
        return std::nullopt;
    };
    if (line.size() % 4 != 0) return fail("length " + std::to_string(line.size()) + " is not a multiple of 4");
    std::vector<PileLineCard> out;
    out.reserve(line.size() / 4);
    std::array<bool, kCardCount + 1> seen{};
    for (std::size_t i = 0; i < line.size(); i += 4) {
        const std::string_view item = line.substr(i, 4);
        for (std::size_t k = 0; k < 3; ++k)
            if (item[k] < '0' || item[k] > '9') return fail("'" + std::string(item) + "' is not a card number");
        const int card = cardAt(item, 0);
        if (card > kCardCount) return fail("'" + std::string(item) + "': no card " + std::to_string(card));
        const char face = item[3];
        if (face != '0' && face != '1') return fail("'" + std::string(item) + "': face flag must be 0 or 1");
        if (card != 0) {
            if (seen[static_cast<std::size_t>(card)]) return fail("card " + std::to_string(card) + " named twice");
            seen[static_cast<std::size_t>(card)] = true;
        }
        out.push_back({card, face});
    }
    return out;
}

bool setPileFromLine(Piles& piles, CardTable& cards, PileRef p, std::string_view line, std::string* error) {
    if (!validPile(p)) {
        if (error) *error = "no such pile";
        return false;
    }
    const auto parsed = parsePileLine(line, error);
    if (!parsed) return false;
    std::string& text = piles.text(p);
    text.clear();
    for (const PileLineCard& c : *parsed) {
        text += card3(c.card);
        if (c.card != 0) cards.setFace(c.card, c.face);
    }
    return true;
}

}  // namespace tessaro
