#pragma once
// Every pile of every family, for tests that look at all cards on the table.
#include <utility>

#include "engine/piles.h"

namespace tessaro::test {

inline constexpr std::pair<PileKind, int> kEveryPileFamily[] = {{PileKind::Stock, kStockPiles},
                                                                {PileKind::Foundation, kFoundations},
                                                                {PileKind::Row, kRows},
                                                                {PileKind::Reserve, kReserves}};

}  // namespace tessaro::test
