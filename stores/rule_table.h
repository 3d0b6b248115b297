#pragma once
// The rule parameter table of the current game: 490 signed 16-bit values, and
// the save area of the two ranges that may change during play (tableau rows'
// empty-pile codes 131-170, foundations' base codes 51-66).
#include <array>
#include <cstdint>

namespace tessaro {

class RuleTable {
public:
    static constexpr int kCount = 490;

    /// Parameter n; numbers outside 0-489 read as 0.
    int operator[](int n) const { return valid(n) ? p_[static_cast<std::size_t>(n)] : 0; }
    int get(int n) const { return (*this)[n]; }
    /// Stores the low 16 bits of value; numbers outside 0-489 are ignored.
    void set(int n, int value) {
        if (valid(n)) p_[static_cast<std::size_t>(n)] = static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    }
    static bool valid(int n) { return n >= 0 && n < kCount; }

    /// Zeroes entries 0 to last (game setup clears 0-487).
    void clear(int last = kCount - 1) {
        for (int n = 0; n <= last && n < kCount; ++n) p_[static_cast<std::size_t>(n)] = 0;
    }

    void saveChangeable() {
        for (int i = 0; i < 40; ++i) save_[static_cast<std::size_t>(i)] = p_[static_cast<std::size_t>(131 + i)];
        for (int i = 0; i < 16; ++i) save_[static_cast<std::size_t>(40 + i)] = p_[static_cast<std::size_t>(51 + i)];
    }
    void restoreChangeable() {
        for (int i = 0; i < 40; ++i) p_[static_cast<std::size_t>(131 + i)] = save_[static_cast<std::size_t>(i)];
        for (int i = 0; i < 16; ++i) p_[static_cast<std::size_t>(51 + i)] = save_[static_cast<std::size_t>(40 + i)];
    }

    // Named parameters used across the engine.
    int foundations() const { return (*this)[366]; }
    int rows() const { return (*this)[367]; }
    int reserves() const { return (*this)[368]; }
    int cards() const { return (*this)[370]; }
    int family() const { return (*this)[50]; }
    /// True when Dest1 lists the selected cards instead of holding cards of
    /// its own: the pair games (P[50] 3, 4 and 33) and the games with P[39] != 0.
    bool selectionInDest1() const {
        const int kind = family();
        return kind == 3 || kind == 4 || kind == 33 || (*this)[39] != 0;
    }

private:
    std::array<std::int16_t, kCount> p_{};
    std::array<std::int16_t, 56> save_{};
};

}  // namespace tessaro
