#include "stores/games_dat_format.h"

namespace tessaro::gamesdat {

std::vector<NumberedLine> sectionLines(const std::vector<std::string>& lines, std::string_view header) {
    std::vector<NumberedLine> out;
    bool inside = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (!line.empty() && line.front() == '[') {
            inside = line.compare(0, header.size(), header) == 0;
            continue;
        }
        if (inside) out.push_back({static_cast<int>(i) + 1, line});
    }
    return out;
}

}  // namespace tessaro::gamesdat
