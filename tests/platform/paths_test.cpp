#include "platform/paths.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "support/without_write_access.h"

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

TEST(ProgramPlaces, ThePlayersFolderFollowsTheXdgRules) {
    EXPECT_EQ(userDataRoot("/x/data", "/home/p"), "/x/data/tessaro/");
    EXPECT_EQ(userDataRoot("/x/data/", "/home/p"), "/x/data/tessaro/");
    EXPECT_EQ(userDataRoot(nullptr, "/home/p"), "/home/p/.local/share/tessaro/");
    // Empty or relative values of XDG_DATA_HOME do not count.
    EXPECT_EQ(userDataRoot("", "/home/p"), "/home/p/.local/share/tessaro/");
    EXPECT_EQ(userDataRoot("data", "/home/p"), "/home/p/.local/share/tessaro/");
    EXPECT_EQ(userDataRoot(nullptr, nullptr), "");
    EXPECT_EQ(userDataRoot(nullptr, "relative"), "");
}

TEST(ProgramPlaces, InstalledDataIsFoundFromTheProgramAndKeepsNoDataBesideIt) {
    test::TempDir dir;
    const std::string root = dir.path().string();
    const std::string user = root + "/home/.local/share/tessaro/";
    dir.write("prefix/share/tessaro/GAMES.DAT", "");
    dir.write("prefix/bin/tessaro", "");
    ProgramPlaces p = locateProgramPlaces(root + "/prefix/bin", "../share/tessaro", user);
    EXPECT_EQ(p.programFolder, root + "/prefix/share/tessaro/");
    EXPECT_EQ(p.userRoot, user);  // even though this process could write there
    // Rules beside the program (a build folder): everything stays there.
    dir.write("prefix/bin/GAMES.DAT", "");
    p = locateProgramPlaces(root + "/prefix/bin/", "../share/tessaro", user);
    EXPECT_EQ(p.programFolder, root + "/prefix/bin/");
    EXPECT_EQ(p.userRoot, "");
    // No rules anywhere: the program's own folder, where start-up reports them missing.
    p = locateProgramPlaces(root + "/elsewhere", "../share/tessaro", user);
    EXPECT_EQ(p.programFolder, root + "/elsewhere/");
    EXPECT_TRUE(dir.listing() == "prefix");  // nothing was made on the way
}

TEST(ProgramPlaces, AProgramFolderThatCannotBeWrittenSendsTheDataToThePlayer) {
    test::TempDir dir;
    const std::string user = dir.path().string() + "/user/";
    dir.write("game/GAMES.DAT", "");
    {
        test::WithoutWriteAccess readOnly(dir.path("game"));
        if (!readOnly.effective()) GTEST_SKIP() << "cannot drop the right to write";
        EXPECT_EQ(locateProgramPlaces(dir.path("game").string(), "", user).userRoot, user);
    }
    // A data folder that is already there and can be written stays in use.
    dir.write("game/Data/CFG.DAT", "");
    std::filesystem::permissions(dir.path("game/Data"), std::filesystem::perms::all);
    {
        test::WithoutWriteAccess readOnly(dir.path("game"));
        EXPECT_EQ(locateProgramPlaces(dir.path("game").string(), "", user).userRoot, "");
    }
    EXPECT_EQ(dir.listing("game"), "Data GAMES.DAT");
    EXPECT_EQ(dir.listing("game/Data"), "CFG.DAT");  // the scratch files are gone
}

}  // namespace
}  // namespace tessaro
