#include "engine/cards.h"

namespace tessaro {

std::string card3(int card) {
    std::string text;
    appendCard3(text, card);
    return text;
}

void CardTable::reset() {
    static constexpr const char* kSuitNames[4] = {"CUORI_", "QUADR_", "FIORI_", "PICCH_"};
    static constexpr const char* kRankNames[13] = {"A", "02", "03", "04", "05", "06", "07",
                                                   "08", "09", "10", "J", "Q", "K"};
    for (int n = 1; n <= kCardCount; ++n) {
        std::string name;
        char suitDigit = '4';
        if (isJoker(n)) {
            name = "JOKER";
        } else {
            name = std::string(kSuitNames[suit(n)]) + kRankNames[rank(n) - 1];
            suitDigit = static_cast<char>('1' + suit(n));
        }
        name.resize(15, ' ');
        r_[static_cast<std::size_t>(n - 1)] = name + suitDigit + card3(n) + "1";
    }
}

void CardTable::setFaces(std::string_view pile, int mode, char flag) {
    const int count = static_cast<int>(pile.size() / 3);
    if (mode >= 1) {
        for (int i = count > mode ? count - mode : 0; i < count; ++i)
            setFace(cardAt(pile, static_cast<std::size_t>(i) * 3), flag);
        return;
    }
    if (mode < -3 || mode == 0) return;  // any other mode changes nothing
    for (int i = 0; i < count; ++i) {
        const int card = cardAt(pile, static_cast<std::size_t>(i) * 3);
        const bool odd = (i % 2) == 0;  // first, third, ... counting from 1
        char f = '0';
        if (mode == -1) f = odd ? '1' : '0';
        else if (mode == -2) f = odd ? '0' : '1';
        else f = i == 0 ? '1' : '0';
        setFace(card, f);
    }
}

}  // namespace tessaro
