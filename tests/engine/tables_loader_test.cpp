#include "engine/tables_loader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/model/state/tables.h"
#include "platform/settings/player_settings.h"
#include "platform/unscrambler.h"
#include "resources/texts/table_texts.h"
#include "support/temp_data_folder.h"

namespace {

std::string StoredLine(const std::string& text) {
    return Misc::ScrambleLine(text) + "\r\n";
}

// The stored tail as the loader reads it: all lines, without the very last byte.
std::string Tail(int lines) {
    std::string tail;
    for (int i = 0; i < lines; ++i) tail += StoredLine("line " + std::to_string(i) + " \"q\" ");
    if (!tail.empty()) tail.pop_back();
    return tail;
}

class TablesLoader : public ::testing::Test {
  protected:
    TablesLoader() {
        tables = {};
        settings = {};
    }
    ~TablesLoader() override {
        tables = {};
        settings = {};
    }
    TempDataFolder folder;
};

}  // namespace

TEST_F(TablesLoader, EveryLineLoadsAtItsIndexAndTheFiveHundredthIsIgnored) {
    KavlorMain::FillTables(Tail(500));
    const std::string media = paths.DataFolder + "/Media/";
    EXPECT_EQ(settings.SoundFiles[1], media + "line 0 \"q\".wav");
    EXPECT_EQ(settings.SoundFiles[1 + kSoundLastApplied], settings.SoundFiles[1]);
    EXPECT_EQ(settings.SoundFiles[32 + kSoundDefaults], media + "line 31 \"q\".wav");
    EXPECT_EQ(settings.MusicFiles[1], media + "line 32 \"q\".mid");
    EXPECT_EQ(settings.MusicFiles[15 + kMusicDefaults], media + "line 46 \"q\".mid");
    EXPECT_EQ(settings.MusicFiles[16], "");
    EXPECT_EQ(tables.MessageTable[0], "line 47 \"q\" ");
    EXPECT_EQ(tables.MessageTable[297], "line 344 \"q\" ");
    EXPECT_EQ(tables.MessageTable2[0], "line 345 \"q\" ");
    EXPECT_EQ(tables.MessageTable2[153], "line 498 \"q\" ");
}

TEST_F(TablesLoader, AShortTailLeavesTheRestEmpty) {
    KavlorMain::FillTables(Tail(50));
    EXPECT_EQ(tables.MessageTable[2], "line 49 \"q\" ");
    EXPECT_EQ(tables.MessageTable[3], "");
    EXPECT_EQ(tables.MessageTable2[0], "");

    tables = {};
    settings = {};
    // A last line without its carriage return is not taken.
    KavlorMain::FillTables(StoredLine("Stick") + Misc::ScrambleLine("Cut"));
    EXPECT_EQ(settings.SoundFiles[1], paths.DataFolder + "/Media/Stick.wav");
    EXPECT_EQ(settings.SoundFiles[2], "");

    tables = {};
    KavlorMain::FillTables("");
    EXPECT_EQ(tables, MessageTables{});
}

TEST_F(TablesLoader, ReadsTheTailOfTheInstalledProgramFileOnly) {
    const ProgramPaths saved = paths;
    paths.ProgramFolder = paths.DataFolder;
    const std::string program = paths.ProgramFolder + "/kavlor";
    { std::ofstream(program, std::ios::binary) << "short"; }
    KavlorMain::LoadTables();
    EXPECT_EQ(tables, MessageTables{});

    std::filesystem::resize_file(program, KavlorMain::kTablesOffset);
    std::ofstream(program, std::ios::binary | std::ios::app) << Tail(499) << '\n';
    KavlorMain::LoadTables();
    EXPECT_EQ(tables.MessageTable2[153], "line 498 \"q\" ");
    paths = saved;
}

TEST(TableTexts, TheTextsFileIsCompleteAndFitsItsRoles) {
    const auto parsed = ParseTableTexts(FileText(KAVLOR_TABLE_TEXTS_FILE));
    ASSERT_TRUE(parsed.errors.empty()) << parsed.errors.front();
    const auto& m = parsed.texts.Messages;

    // Entries the game shows nowhere; every other one must hold a text.
    const auto unused = [](size_t n) {
        return n == 31 || n == 32 || n == 130 || n == 172 || n == 198 || n == 208 || n == 266 ||
               (n >= 268 && n <= 280) || n == 287;
    };
    for (size_t n = 0; n < m.size(); ++n) {
        EXPECT_EQ(m[n].empty(), unused(n)) << "MessageTable " << n;
    }
    for (size_t n = 0; n < parsed.texts.Messages2.size(); ++n) {
        EXPECT_FALSE(parsed.texts.Messages2[n].empty()) << "MessageTable2 " << n;
    }
    for (const auto& name : parsed.texts.Sounds) EXPECT_FALSE(name.empty());
    for (const auto& name : parsed.texts.Music) EXPECT_FALSE(name.empty());

    EXPECT_NE(m[33].find("Order"), std::string::npos);
    const auto onePoint = m[252].find("1 point");
    ASSERT_NE(onePoint, std::string::npos);
    EXPECT_EQ(m[252].find("1 point", onePoint + 1), std::string::npos);
    EXPECT_EQ(m[188], "In The Barn");
    EXPECT_EQ(m[189], "All But Over");
    EXPECT_EQ(m[190], "Fat Lady Sings");
    EXPECT_EQ(m[191], "We're Gonna Win");
    EXPECT_EQ(m[192], "You're Goin' Down");
    EXPECT_EQ(m[22], "Cancel");
    // Keys press these buttons by their captions' first letters.
    const std::pair<size_t, char> keys[] = {{20, 'Y'}, {21, 'N'}, {47, 'R'}, {48, 'P'}, {61, 'K'},
                                            {62, 'R'}, {63, 'P'}, {67, 'T'}, {82, 'S'}};
    for (const auto& [entry, key] : keys) EXPECT_EQ(m[entry].front(), key) << entry;
    // Pieces the game joins keep their blanks at the joint.
    for (size_t n : {17, 27, 44, 45, 46, 56, 86, 99, 108, 109, 110, 111, 141, 184, 291, 295}) {
        EXPECT_TRUE(m[n].front() == ' ' || m[n].back() == ' ') << n;
    }
    for (size_t n = 209; n <= 236; ++n) {
        if (n != 230) {
            EXPECT_EQ(m[n].back(), ' ') << n;
        }
    }
    EXPECT_EQ(m[240].front(), ' ');
    for (size_t n = 0; n < m.size(); ++n) EXPECT_LE(m[n].size(), 120u) << n;
}

TEST(TableTexts, ParserReportsFaults) {
    auto parsed = ParseTableTexts("[MessageTable]\n000 |Both ends |\n001 a\n001 b\nxyz\n[Nope]\n");
    EXPECT_EQ(parsed.texts.Messages[0], "Both ends ");
    EXPECT_EQ(parsed.texts.Messages[1], "a");
    // Duplicate, not an entry, unknown section, then every entry left out.
    ASSERT_GE(parsed.errors.size(), 3u);
    EXPECT_NE(parsed.errors[0].find("line 4"), std::string::npos);
    EXPECT_NE(parsed.errors.back().find("missing"), std::string::npos);

    parsed = ParseTableTexts(
        "[Sounds]\n00 zero\n33 big\n[MessageTable2]\n005 caf\xC3\xA9 \xE2\x80\x94 ok\n"
        "006 \xE4\xB8\xAD\n");
    EXPECT_EQ(parsed.texts.Messages2[5], "caf\xE9 \x97 ok");
    EXPECT_NE(parsed.errors[0].find("out of place"), std::string::npos);
    EXPECT_NE(parsed.errors[1].find("out of place"), std::string::npos);
    EXPECT_NE(parsed.errors[2].find("Windows-1252"), std::string::npos);
}

TEST(TableTexts, TheBuiltProgramCarriesTheTables) {
    const auto parsed = ParseTableTexts(FileText(KAVLOR_TABLE_TEXTS_FILE));
    const std::string program = FileText(KAVLOR_PROGRAM_FILE);
    ASSERT_GT(program.size(), KavlorMain::kTablesOffset);
    std::string expected;
    for (const auto& line : StoredTableLines(parsed.texts)) expected += line + "\r\n";
    EXPECT_EQ(program.substr(KavlorMain::kTablesOffset), expected);

    TempDataFolder folder;
    tables = {};
    KavlorMain::FillTables(std::string_view(program).substr(KavlorMain::kTablesOffset));
    EXPECT_EQ(tables.MessageTable[0], "Hearts");
    EXPECT_EQ(tables.MessageTable[297], parsed.texts.Messages[297]);
    EXPECT_EQ(tables.MessageTable2[152], parsed.texts.Messages2[152]);
    EXPECT_EQ(settings.MusicFiles[15], paths.DataFolder + "/Media/Tune15.mid");
    // Every default names a file of the media the build makes.
    const std::string media = paths.DataFolder + "/Media/";
    auto madeByTheBuild = [&](const std::string& path) {
        return std::filesystem::exists(std::string(KAVLOR_MEDIA_DIR) + "/" +
                                       path.substr(media.size()));
    };
    for (int event = 1; event <= 32; ++event) {
        EXPECT_TRUE(madeByTheBuild(settings.SoundFiles[static_cast<size_t>(event)])) << event;
    }
    for (int slot = 1; slot <= 15; ++slot) {
        EXPECT_TRUE(madeByTheBuild(settings.MusicFiles[static_cast<size_t>(slot)])) << slot;
    }
    tables = {};
    settings = {};
}
