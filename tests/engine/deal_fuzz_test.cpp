#include <gtest/gtest.h>

#include <vector>

#include "engine/deal.h"
#include "engine/dump.h"
#include "support/context_builder.h"

namespace tessaro {
namespace {

// Random rule parameters of the deal, fixed seeds: every deal ends (complete
// or stopped with a message) and no card lies in two places.
TEST(DealFuzz, RandomRulesNeverDuplicateACard) {
    Random pick(20261207);
    auto any = [&](std::initializer_list<int> values) {
        return *(values.begin() + pick.next(static_cast<int>(values.size())));
    };
    int complete = 0;
    for (int round = 0; round < 3000; ++round) {
        Context ctx;
        ctx.P.set(370, any({0, 24, 52, 52, 104, 104, 60}));
        ctx.P.set(1, pick.next(7));
        ctx.P.set(7, pick.next(2));
        ctx.P.set(12, pick.next(2));
        ctx.P.set(24, pick.next(2));
        ctx.P.set(34, pick.next(17));
        ctx.P.set(44, pick.next(3));
        ctx.P.set(373, pick.next(6) - 1);
        ctx.P.set(47, pick.next(3));
        ctx.P.set(50, any({0, 11, 22, 37}));
        ctx.P.set(351, any({0, 0, 0, 5, 147, 300, -3}));
        ctx.P.set(366, pick.next(18) - 1);
        ctx.P.set(367, pick.next(42) - 1);
        for (int t = 0; t < 16; ++t) {
            ctx.P.set(51 + t, pick.next(15) - 1);
            ctx.P.set(67 + t, pick.next(3));
            ctx.P.set(83 + t, any({0, 1, 2, 3, 11}));
            ctx.P.set(99 + t, any({0, 0, 20, 21, 51, 57, 91, 92, 93, 94, 95, 96, 97, 7, 99, 140, 250}));
        }
        for (int r = 131; r <= 170; ++r) ctx.P.set(r, any({-1, 13, 91}));
        ctx.P.set(371, pick.next(30));
        ctx.P.set(372, pick.next(5));
        ctx.P.set(454, pick.next(3));
        for (int k = 0; k < 40; ++k) {
            ctx.P.set(374 + k, any({0, 0, 0, 1, 2, 5, 1001, 1013, 1501, 1503, 1500}));
            ctx.P.set(414 + k, pick.next(6) - 3);
        }
        for (int k = 0; k < 10; ++k) {
            ctx.P.set(455 + k, any({0, 0, 1, 3, 1005}));
            ctx.P.set(465 + k, pick.next(5) - 3);
        }
        ctx.reg.write(reg::DealNumber, std::to_string(1000000000000LL + round * 7919LL));
        if (deal(ctx)) ++complete;

        std::vector<int> seen(kCardCount + 1);
        const std::string dump = pileDump(ctx);
        for (std::size_t at = 0; (at = dump.find('=', at)) != std::string::npos; ++at)
            for (std::size_t i = at + 1; i + 4 <= dump.size() && dump[i] != '\n'; i += 4) {
                const int card = cardAt(dump, i);
                ASSERT_LE(card, kCardCount) << "round " << round;
                if (card == 0) continue;
                ASSERT_EQ(++seen[static_cast<std::size_t>(card)], 1) << "round " << round << " card " << card;
            }
    }
    // Both ends occur: complete deals and deals stopped by an impossible count.
    EXPECT_GT(complete, 300) << complete;
    EXPECT_LT(complete, 2700) << complete;
}

}  // namespace
}  // namespace tessaro
