#pragma once
// The program's one random generator: a 32-bit linear congruential generator.
#include <cstdint>

namespace tessaro {

class Random {
public:
    explicit Random(std::uint32_t seed = 0) : seed_(seed) {}

    void setSeed(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t seed() const { return seed_; }

    /// Advances the seed (seed * 134775813 + 1 modulo 2^32) and returns an
    /// integer in [0, n): the high 32 bits of n * seed. n <= 0 gives 0.
    int next(int n) {
        seed_ = seed_ * 134775813u + 1u;
        if (n <= 0) return 0;
        return static_cast<int>((static_cast<std::uint64_t>(static_cast<std::uint32_t>(n)) * seed_) >> 32);
    }

    /// Seed from a time of day: ((hour * 60 + minute) * 60 + second) * 1000 + ms.
    static std::uint32_t seedFromTime(int hour, int minute, int second, int millisecond) {
        return static_cast<std::uint32_t>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond);
    }

private:
    std::uint32_t seed_;
};

}  // namespace tessaro
