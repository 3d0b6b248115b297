#pragma once
// Rules pages of the patience games, in the order of their game numbers.
#include <vector>

namespace tessaro::shell {

struct PatiencePage {
    int context;        ///< game number + 3000
    const char* title;
    const char* body;
    const char* more = nullptr;  ///< a section the page shares with others
    const char* last = nullptr;
};

const std::vector<PatiencePage>& patiencePages();

}  // namespace tessaro::shell
