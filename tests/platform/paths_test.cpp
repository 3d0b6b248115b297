#include "platform/paths.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace tessaro {
namespace {

TEST(Paths, RelativeNamesUseBackslashesAndMatchAnyCase) {
    test::TempDir dir;
    dir.write("Data/cfg.dat", "");
    const std::string root = dir.path().string();
    EXPECT_EQ(resolvePath(dir.folder(), "DATA\\CFG.DAT"), root + "/Data/cfg.dat");
    EXPECT_EQ(resolvePath(root, "data/CFG.dat"), root + "/Data/cfg.dat");
    // Parts that exist in no spelling are kept as written (files to be created).
    EXPECT_EQ(resolvePath(dir.folder(), "DATA\\STAT_SCR.DAT"), root + "/Data/STAT_SCR.DAT");
    EXPECT_EQ(resolvePath(dir.folder(), "IMAGES\\GAME0000.BMP"), root + "/IMAGES/GAME0000.BMP");
    EXPECT_EQ(resolvePath(dir.folder(), "DATA\\"), root + "/Data/");
    EXPECT_EQ(resolvePath(dir.folder(), "GAMES.DAT"), root + "/GAMES.DAT");
}

TEST(Paths, TheExactSpellingWinsOverOtherCases) {
    test::TempDir dir;
    dir.write("data/a", "");
    dir.write("DATA/b", "");
    const std::string root = dir.path().string();
    EXPECT_EQ(resolvePath(dir.folder(), "data\\a"), root + "/data/a");
    EXPECT_EQ(resolvePath(dir.folder(), "DATA\\b"), root + "/DATA/b");
    EXPECT_EQ(resolvePath(dir.folder(), "Data\\x"), root + "/DATA/x");  // first in name order
}

TEST(Paths, WildcardsIgnoreCase) {
    struct Case {
        const char* pattern;
        const char* name;
        bool match;
    };
    const Case cases[] = {
        {"Stat_e*.dat", "Stat_e07.dat", true},  {"Stat_e*.dat", "STAT_E07.DAT", true},
        {"Stat_e*.dat", "Stat_e.dat", true},    {"Stat_e*.dat", "Stat_e07.dat.bak", false},
        {"Stat_e*.dat", "Series_e01.dat", false}, {"?a", "ba", true},
        {"?a", "a", false},                     {"*", "", true},
        {"a*b*c", "axxbyyc", true},             {"a*b", "ac", false},
        {"a*a", "aba", true},                   {"", "x", false},
    };
    for (const auto& c : cases) EXPECT_EQ(wildcardMatch(c.pattern, c.name), c.match) << c.pattern << " " << c.name;
}

TEST(Paths, MatchingFilesListsOnlyFilesSorted) {
    test::TempDir dir;
    dir.write("Stat_e09.dat", "");
    dir.write("stat_e01.DAT", "");
    dir.write("Series_e01.dat", "");
    std::filesystem::create_directory(dir.path("Stat_e00.dat"));
    const auto found = matchingFiles(dir.path().string(), "Stat_e*.dat");
    EXPECT_EQ(found, (std::vector<std::string>{"Stat_e09.dat", "stat_e01.DAT"}));
    EXPECT_TRUE(matchingFiles(dir.path("missing").string(), "*").empty());
    EXPECT_TRUE(fileExists(dir.path("Stat_e09.dat").string()));
    EXPECT_FALSE(fileExists(dir.path("Stat_e00.dat").string()));
}

}  // namespace
}  // namespace tessaro
