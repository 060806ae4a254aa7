#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <string>

#include "render/cards/card_size_table.h"

namespace {

using CardSizes::KindSize;
using CardSizes::PreviewSize;

struct StripRule {
    std::string name;
    int count, width, height;
    bool sharedShape;
};

std::vector<StripRule> Rules() {
    std::vector<StripRule> rules;
    for (int r = 1; r <= 4; ++r) {
        const auto s = KindSize(CardSizes::kCard, r);
        rules.push_back({"FACES" + std::to_string(r), 25, s.width, s.height, true});
    }
    for (int c = 0; c < 7; ++c)
        rules.push_back(
            {"DECK" + std::to_string(c), 10, PreviewSize(c).width, PreviewSize(c).height, true});
    for (int r = 1; r <= 4; ++r) {
        const auto s = KindSize(CardSizes::kScore, r);
        rules.push_back({"DECK" + std::to_string(r + 6), 12, s.width, s.height, true});
    }
    for (int r = 1; r <= 4; ++r) {
        const int side = KindSize(CardSizes::kIcon, r).width;
        rules.push_back({"ICONS" + std::to_string(r), 6, side, side, false});
    }
    return rules;
}

bool IsGreen(QRgb c) {
    return (c & 0xFFFFFF) == 0x00FF00;
}

// A pixel whose colour leans to the transparent green: a smoothing fringe.
bool Greenish(QRgb c) {
    return qGreen(c) > 200 && qGreen(c) - std::max(qRed(c), qBlue(c)) > 120;
}

}  // namespace

TEST(CardArt, StripsFollowTheLayoutRules) {
    for (const StripRule& rule : Rules()) {
        SCOPED_TRACE(rule.name);
        const QImage strip(QString::fromStdString(":/cards/" + rule.name), "BMP");
        ASSERT_EQ(strip.width(), rule.count * rule.width);
        ASSERT_EQ(strip.height(), rule.height);
        ASSERT_EQ(strip.depth(), 32);
        EXPECT_TRUE(IsGreen(strip.pixel(0, 0)));
        for (int i = 0; i < rule.count; ++i) {
            const int left = i * rule.width;
            EXPECT_TRUE(IsGreen(strip.pixel(left, 0)));
            EXPECT_TRUE(IsGreen(strip.pixel(left + rule.width - 1, rule.height - 1)));
            int opaque = 0;
            for (int y = 0; y < rule.height; ++y)
                for (int x = 0; x < rule.width; ++x) {
                    const QRgb c = strip.pixel(left + x, y);
                    const bool clear = IsGreen(c);
                    opaque += !clear;
                    if (rule.sharedShape) {
                        // Same shape as the first picture, and the same turned half way.
                        ASSERT_EQ(clear, IsGreen(strip.pixel(x, y))) << i << " " << x << "," << y;
                        ASSERT_EQ(clear, IsGreen(strip.pixel(left + rule.width - 1 - x,
                                                             rule.height - 1 - y)));
                    }
                    ASSERT_FALSE(!clear && Greenish(c)) << i << " " << x << "," << y;
                }
            EXPECT_GT(opaque, rule.width * rule.height / 5) << i;
        }
    }
}

TEST(CardArt, GeneratorWritesTheSameBytesEveryTime) {
    QTemporaryDir first, second;
    for (const QTemporaryDir* dir : {&first, &second})
        ASSERT_EQ(QProcess::execute(KAVLOR_CARD_GENERATOR, {dir->path()}), 0);
    for (const StripRule& rule : Rules()) {
        const QString file = QString::fromStdString(rule.name) + ".bmp";
        QFile a(QDir(first.path()).filePath(file)), b(QDir(second.path()).filePath(file));
        QFile built(QString::fromStdString(":/cards/" + rule.name));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly) &&
                    built.open(QIODevice::ReadOnly));
        const QByteArray bytes = a.readAll();
        EXPECT_EQ(bytes, b.readAll()) << rule.name;
        EXPECT_EQ(bytes, built.readAll()) << rule.name;
    }
}
