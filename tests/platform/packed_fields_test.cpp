#include "platform/packed_fields.h"

#include <gtest/gtest.h>

#include "support/scripted_message_boxes.h"

TEST(PackedFields, NibbleReadsAndWritesEachField) {
    int32_t word = 0;
    for (int n = 0; n <= 6; ++n) word = Misc::NibSet(word, n + 1, n);
    for (int n = 0; n <= 6; ++n) EXPECT_EQ(APIs::Nib(word, n), n + 1);
    EXPECT_EQ(Misc::NibSet(0, 5, 6), 83886080);
    EXPECT_EQ(APIs::Nib(83886080, 6), 5);
    EXPECT_EQ(APIs::Nib(Misc::NibSet(word, 0, 3), 3), 0);
    EXPECT_EQ(APIs::Nib(Misc::NibSet(word, 0, 3), 4), 5);
}

TEST(PackedFields, NegativeWordsHaveNoNibbles) {
    for (int32_t word : {-1, INT32_MIN, -123456}) {
        for (int n = 0; n <= 6; ++n) EXPECT_EQ(APIs::Nib(word, n), -1);
        EXPECT_EQ(Misc::NibSet(word, 3, 2), 0);
    }
}

TEST(PackedFields, NibSetClearsBit31AndDoesNotMaskTheValue) {
    EXPECT_EQ(Misc::NibSet(0, 17, 0), 17);  // carries into field 1 by OR
    EXPECT_EQ(APIs::Nib(Misc::NibSet(0x30, 17, 0), 1), 3);
}

TEST(PackedFields, OutOfRangeNibbleFieldsSayWhichRoutine) {
    ScriptedMessageBoxes boxes;
    APIs::Nib(5, 7);
    Misc::NibSet(5, 1, 9);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].text, "Value out of range in Function Nib");
    EXPECT_EQ(boxes.shown()[1].text, "Value out of range in Function NibSet");
    EXPECT_EQ(boxes.shown()[0].style, vbOKOnly);
    EXPECT_EQ(Misc::NibSet(5, 1, 9), 5);
}

TEST(PackedFields, ThreeBitSetterKeepsBit30ButNotBit31) {
    constexpr int32_t kBit30 = 1 << 30;
    EXPECT_EQ(Misc::Set3Bits(kBit30 + 8, 7, 0), kBit30 + 15);
    EXPECT_EQ(Misc::Set3Bits(-1, 5, 2), kBit30 + 5 * 64);            // -1 has bit 30 set
    EXPECT_EQ(Misc::Set3Bits(INT32_MIN, 5, 2), 5 * 64);              // bit 30 clear
    EXPECT_EQ(Misc::Set3Bits(INT32_MIN + 0x1FF, 5, 2), 5 * 64);      // other fields dropped
    EXPECT_EQ(Misc::Get3Bits(Misc::Set3Bits(0, 7, 9), 9), 7);
    EXPECT_EQ(Misc::Set3Bits(0, 8, 0), 8);  // carries into field 1
}

TEST(PackedFields, ThreeBitGetterReadsNegativeWordsToo) {
    const int32_t word = Misc::Set3Bits(Misc::Set3Bits(0, 4, 0), 6, 9) | INT32_MIN;
    EXPECT_EQ(Misc::Get3Bits(word, 0), 4);
    EXPECT_EQ(Misc::Get3Bits(word, 9), 6);
}

TEST(PackedFields, BytesKeepTheFlagBitsAbove) {
    EXPECT_EQ(Misc::SetByte(1 << 25, 200, 1), (1 << 25) + 51200);
    EXPECT_EQ(Misc::GetByte((1 << 25) + 51200, 1), 200);
    EXPECT_EQ(Misc::GetByte(-1, 2), 255);
    EXPECT_EQ(Misc::SetByte(-1, 0, 0), -256);
}

TEST(PackedFields, HexFieldCountsFromZeroAndFallsBackToTheLast) {
    EXPECT_EQ(Misc::HexField("A 1F FFFFFFFF", 2, " "), -1);
    EXPECT_EQ(Misc::HexField("A 1F FFFFFFFF", 1, " "), 31);
    EXPECT_EQ(Misc::HexField("A 1F FFFFFFFF", 0, " "), 10);
    EXPECT_EQ(Misc::HexField("A 1F FFFFFFFF", 5, " "), -1);
    EXPECT_EQ(Misc::HexField("", 0, " "), 0);
    EXPECT_EQ(Misc::HexField("12zz 3", 0, " "), 0x12);
    EXPECT_EQ(Misc::HexField("7FFFFFFF", 0, " "), INT32_MAX);
}
