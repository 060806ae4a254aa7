#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/atomic_file.h"
#include "platform/ini/ini_document.h"
#include "platform/ini/settings_file.h"
#include "support/temp_data_folder.h"

TEST(IniDocument, NamesMatchWithoutCaseAndTheFirstMatchWins) {
    const auto doc = IniDocument::Parse(
        "[General]\nPlayer=Ann\n[guest]\nopts1 = 12 \nOpts1=99\n[GUEST]\nOpts1=7\n");
    EXPECT_EQ(doc.Value("general", "PLAYER"), "Ann");
    EXPECT_EQ(doc.Value("Guest", "Opts1"), "12");
    EXPECT_EQ(doc.Value("Guest", "Missing"), std::nullopt);
    EXPECT_EQ(doc.Value("Nobody", "Opts1"), std::nullopt);
}

TEST(IniDocument, EmptyValueIsNotMissingAndQuotesAreStripped) {
    const auto doc = IniDocument::Parse("[S]\nEmpty=\nQuoted=\" a b \"\r\n; Note=1\nNoEquals\n");
    EXPECT_EQ(doc.Value("S", "Empty"), "");
    EXPECT_EQ(doc.Value("S", "Quoted"), " a b ");
    EXPECT_EQ(doc.Value("S", "; Note"), std::nullopt);
    EXPECT_EQ(doc.Value("S", "NoEquals"), std::nullopt);
}

TEST(IniDocument, LongValuesComeBackWhole) {
    const std::string longValue(5000, 'x');
    const auto doc = IniDocument::Parse("[S]\nK=" + longValue + "\n");
    EXPECT_EQ(doc.Value("S", "K"), longValue);
}

TEST(IniDocument, WritingKeepsEveryOtherLine) {
    auto doc = IniDocument::Parse("; top comment\n[A]\nx=1\n; keep me\ny=2\n\n[B]\nz=3\n");
    doc.SetValue("a", "Y", "20");
    doc.SetValue("A", "w", "4");
    doc.SetValue("C", "v", "5");
    EXPECT_EQ(doc.Text(),
              "; top comment\n[A]\nx=1\n; keep me\ny=20\nw=4\n\n[B]\nz=3\n\n[C]\nv=5\n");
}

TEST(IniDocument, SectionsAreListedRemovedAndRenamed) {
    auto doc = IniDocument::Parse("[General]\nPlayer=Ann\n[Ann]\nx=1\n[Bob]\ny=2\n");
    EXPECT_EQ(doc.SectionNames(), (std::vector<std::string>{"General", "Ann", "Bob"}));
    EXPECT_TRUE(doc.RemoveSection("ann"));
    EXPECT_FALSE(doc.RemoveSection("ann"));
    EXPECT_EQ(doc.Text(), "[General]\nPlayer=Ann\n[Bob]\ny=2\n");
    EXPECT_TRUE(doc.RenameSectionHeader("BOB", "Robert"));
    EXPECT_EQ(doc.Value("Robert", "y"), "2");
}

class SettingsFile : public ::testing::Test {
protected:
    TempDataFolder folder;
};

TEST_F(SettingsFile, MissingFileGivesDefaultsAndIsCreatedByTheFirstWrite) {
    EXPECT_EQ(APIs::ReadIni("General", "Player", "Guest"), "Guest");
    EXPECT_TRUE(APIs::IniSectionNames().empty());
    EXPECT_NE(APIs::WriteIni("General", "Player", "Ann"), 0);
    EXPECT_EQ(FileText(paths.IniPath), "[General]\nPlayer=Ann\n");
    EXPECT_EQ(APIs::ReadIni("GENERAL", "player", "Guest"), "Ann");
}

TEST_F(SettingsFile, EmptyValuesAreWrittenNotDeleted) {
    APIs::WriteIni("Ann", "Faces", "");
    EXPECT_EQ(APIs::ReadIni("Ann", "Faces", "default"), "");
}

TEST_F(SettingsFile, DeletingASectionLeavesTheOthers) {
    WriteText(paths.IniPath, "[General]\nPlayer=Ann\n[Ann]\nx=1\n[Bob]\ny=2\n");
    APIs::DeleteIniSection("Ann");
    EXPECT_EQ(FileText(paths.IniPath), "[General]\nPlayer=Ann\n[Bob]\ny=2\n");
}

TEST_F(SettingsFile, RenameReportsEachRefusal) {
    EXPECT_EQ(Misc::RenameIniSection("Ann", "Bob"), Misc::kRenameNoFile);
    WriteText(paths.IniPath, "[Ann]  \nx=1\n[Cid]\ny=2\n[Dee]\nz=3\n");
    // The header must match as a whole line: trailing blanks do not.
    EXPECT_EQ(Misc::RenameIniSection("Ann", "Bob"), Misc::kRenameNoSection);
    EXPECT_EQ(Misc::RenameIniSection("Eve", "Bob"), Misc::kRenameNoSection);
    const std::string before = FileText(paths.IniPath);
    EXPECT_EQ(Misc::RenameIniSection("Cid", "dee"), Misc::kRenameNameTaken);
    EXPECT_EQ(FileText(paths.IniPath), before);
    EXPECT_EQ(Misc::RenameIniSection("cid", "Cyd"), Misc::kRenameDone);
    EXPECT_EQ(FileText(paths.IniPath), "[Ann]  \nx=1\n[Cyd]\ny=2\n[Dee]\nz=3\n");
    EXPECT_EQ(Misc::RenameIniSection("Cyd", "CYD"), Misc::kRenameDone);
}

TEST_F(SettingsFile, RenameHasNoLineLimit) {
    std::string text = "[Big]\n";
    for (int i = 0; i < 12000; ++i) text += "k" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    WriteText(paths.IniPath, text);
    EXPECT_EQ(Misc::RenameIniSection("Big", "Bigger"), Misc::kRenameDone);
    EXPECT_EQ(APIs::ReadIni("Bigger", "k11999", ""), "11999");
}

TEST_F(SettingsFile, ACrashBeforeTheRenameLeavesTheOldFile) {
    WriteText(paths.IniPath, "[General]\nPlayer=Ann\n");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        WriteFileAtomically(paths.IniPath, "[General]\nPlayer=Half", [] { _exit(3); });
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 3);
    EXPECT_EQ(FileText(paths.IniPath), "[General]\nPlayer=Ann\n");
    EXPECT_EQ(APIs::ReadIni("General", "Player", ""), "Ann");
    // The next write succeeds over the leftover temporary file.
    EXPECT_NE(APIs::WriteIni("General", "Player", "Bob"), 0);
    EXPECT_EQ(APIs::ReadIni("General", "Player", ""), "Bob");
}
