#include "platform/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "platform/numbers.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "support/temp_data_folder.h"

namespace fs = std::filesystem;

class Files : public ::testing::Test {
  protected:
    void Touch(const std::string& path) { std::ofstream(path) << "x"; }
    TempDataFolder folder;
};

TEST_F(Files, ExistenceTests) {
    Touch(folder.File("a.txt"));
    EXPECT_TRUE(APIs::FileExists(folder.File("a.txt")));
    EXPECT_FALSE(APIs::FileExists(paths.DataFolder));
    EXPECT_TRUE(APIs::FolderExists(paths.DataFolder));
    EXPECT_FALSE(APIs::FolderExists(paths.DataFolder + "//"));
    EXPECT_FALSE(APIs::FolderExists("/tmp//x"));
    EXPECT_FALSE(APIs::FileExists(""));
    EXPECT_EQ(APIs::ShortPath(folder.File("a.txt")), folder.File("a.txt"));
    EXPECT_EQ(APIs::ShortPath(folder.File("none")), "");
}

TEST_F(Files, ClearReadOnlyMakesTheFileWritable) {
    const auto path = folder.File("ro.txt");
    Touch(path);
    fs::permissions(path, fs::perms::owner_read);
    EXPECT_NE(APIs::ClearReadOnly(path), 0);
    EXPECT_TRUE((fs::status(path).permissions() & fs::perms::owner_write) != fs::perms::none);
    EXPECT_EQ(APIs::ClearReadOnly(folder.File("missing")), 0);
}

TEST_F(Files, FindIgnoringCaseFindsEachName) {
    fs::create_directories(folder.File("Graphics"));
    Touch(folder.File("Graphics/Deck One.DEK"));
    EXPECT_EQ(APIs::FindIgnoringCase(folder.File("graphics/deck one.dek")),
              folder.File("Graphics/Deck One.DEK"));
    EXPECT_EQ(APIs::FindIgnoringCase(folder.File("Graphics/Deck One.DEK")),
              folder.File("Graphics/Deck One.DEK"));
    EXPECT_EQ(APIs::FindIgnoringCase(folder.File("graphics/none.dek")),
              folder.File("graphics/none.dek"));
}

TEST(PathText, FolderAndFileName) {
    EXPECT_EQ(APIs::FolderOf("/a/b/c.txt"), "/a/b/");
    EXPECT_EQ(APIs::FolderOf("c.txt"), "");
    EXPECT_EQ(APIs::FolderOf(""), "");
    EXPECT_EQ(APIs::FileNameOf("/a/b/c.txt"), "c.txt");
    EXPECT_EQ(APIs::FileNameOf("c.txt"), "c.txt");
    EXPECT_EQ(APIs::FileNameOf("/a/"), "");
}

TEST(PathText, CountOccurrencesCountsOverlaps) {
    EXPECT_EQ(APIs::CountOccurrences("aaa", "aa"), 2);
    EXPECT_EQ(APIs::CountOccurrences("", " "), 0);
    EXPECT_EQ(APIs::CountOccurrences("a b c", " "), 2);
    EXPECT_EQ(APIs::CountOccurrences("ABA", "a"), 0);
}

TEST(PathText, PipeFields) {
    const std::tuple<const char*, int, const char*> cases[] = {
        {"a|b|c", 1, "a"}, {"a|b|c", 3, "c"}, {"a|b|c|d", 3, "c|d"}, {"a|b", 2, ""},
        {"a|b", 3, "b"},   {"x", 1, ""},      {"x", 3, "x"},         {"a|b|c", 4, ""}};
    for (const auto& [text, field, part] : cases)
        EXPECT_EQ(Misc::PipeField(text, field), part) << text << " " << field;
}

TEST(DataFolderPaths, RelativeOnlyWhenInsideTheFolder) {
    TempDataFolder folder;
    const std::string data = paths.DataFolder;
    EXPECT_EQ(Misc::RelativeToDataFolder(data + "/graphics/x.fac"), "graphics/x.fac");
    EXPECT_EQ(Misc::RelativeToDataFolder("/elsewhere/x.fac"), "/elsewhere/x.fac");
    // A sibling whose name starts with the data folder's stays absolute.
    EXPECT_EQ(Misc::RelativeToDataFolder(data + "Cards/x.fac"), data + "Cards/x.fac");
    EXPECT_EQ(Misc::RelativeToDataFolder(data), data);
    EXPECT_EQ(Misc::RelativeToDataFolder(ToUpper(data) + "/x.dek"), "x.dek");
}

TEST(DataFolderPaths, AbsoluteFromRelative) {
    TempDataFolder folder;
    const std::string data = paths.DataFolder;
    EXPECT_EQ(Misc::AbsoluteFromDataFolder("graphics/x.dek"), data + "/graphics/x.dek");
    EXPECT_EQ(Misc::AbsoluteFromDataFolder("/home/x.dek"), "/home/x.dek");
    EXPECT_EQ(Misc::AbsoluteFromDataFolder(""), "");
    EXPECT_EQ(Misc::AbsoluteFromDataFolder("x"), "x");
    EXPECT_EQ(Misc::AbsoluteFromDataFolder(Misc::RelativeToDataFolder(data + "/g/y.fac")),
              data + "/g/y.fac");
}

TEST(DataFolderPaths, SpecialFolderIsTheUsersDataHome) {
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(APIs::SpecialFolder(kCommonAppData), "/srv/data");
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(APIs::SpecialFolder(kCommonAppData), std::string(qgetenv("HOME")) + "/.local/share");
    EXPECT_EQ(APIs::SpecialFolder(5), "");
    if (!saved.isEmpty()) qputenv("XDG_DATA_HOME", saved);
}

TEST(Numbers, CLocaleParsing) {
    EXPECT_EQ(ParseNumber(" 0.25 "), 0.25);
    EXPECT_EQ(ParseNumber("0,25"), std::nullopt);
    EXPECT_EQ(ParseNumber(""), std::nullopt);
    EXPECT_EQ(ParseNumber("abc"), std::nullopt);
    EXPECT_EQ(ParseInt32("-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseInt32("2147483648"), std::nullopt);
    EXPECT_EQ(ParseInt32("99999999999"), std::nullopt);
    EXPECT_EQ(ParseInt32("2.5"), 2);
    EXPECT_EQ(ParseInt32("+7"), 7);
    EXPECT_EQ(FormatNumber(0.25f), "0.25");
    EXPECT_EQ(FormatNumber(0.038f), "0.038");
}
