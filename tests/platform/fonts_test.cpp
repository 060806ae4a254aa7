#include "platform/fonts.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QTemporaryDir>
#include <fstream>

#include "support/scripted_message_boxes.h"

namespace {
const std::string kGameFont = KAVLOR_FONT_FILE;
}

TEST(Fonts, TheGameFontIsAddedAndRemoved) {
    ScriptedMessageBoxes boxes;
    if (APIs::IsOwnFontInstalled()) GTEST_SKIP() << "Kavlor4 is installed on this system";

    EXPECT_TRUE(APIs::AddFont(kGameFont));
    EXPECT_TRUE(APIs::IsOwnFontInstalled());
    EXPECT_EQ(QFontInfo(QFont("Kavlor4")).family(), "Kavlor4");

    EXPECT_FALSE(APIs::RemoveFont(kGameFont));
    EXPECT_FALSE(APIs::IsOwnFontInstalled());
    EXPECT_TRUE(boxes.shown().empty());
}

TEST(Fonts, RemovingAFontThisRunDidNotAddFails) {
    EXPECT_TRUE(APIs::RemoveFont(kGameFont));
    EXPECT_FALSE(APIs::RemoveFont("/no/such/folder/Kavlor4.ttf"));
}

TEST(Fonts, AFileThatIsNoFontShowsTheMessage) {
    ScriptedMessageBoxes boxes;
    QTemporaryDir dir;
    const std::string path = dir.filePath("Kavlor4.ttf").toStdString();
    std::ofstream(path) << "not a font";

    EXPECT_FALSE(APIs::AddFont(path));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Error Occured Attempting to Add Font Resource.");
    EXPECT_FALSE(APIs::IsOwnFontInstalled());
}

TEST(Fonts, TimesNewRomanIsServedByLiberationSerif) {
    EXPECT_EQ(APIs::FontFamilyFor("Times New Roman"), "Liberation Serif");
    EXPECT_EQ(APIs::FontFamilyFor("times new roman"), "Liberation Serif");
    EXPECT_EQ(APIs::FontFamilyFor("Kavlor4"), "Kavlor4");
    EXPECT_EQ(QFontInfo(QFont(APIs::FontFamilyFor("Times New Roman"))).family(),
              "Liberation Serif");
}
