#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/settings/player_settings.h"
#include "render/cards/card_graphics_file.h"
#include "render/cards/card_images.h"
#include "render/cards/card_loads.h"
#include "render/cards/card_trace.h"
#include "render/cards/file_time.h"
#include "support/scripted_message_boxes.h"
#include "support/temp_data_folder.h"

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A card graphics file made from a built-in strip: the bitmap with "MB" in front.
void WriteKdf(const std::string& path, const std::string& resource) {
    QFile in(QString::fromStdString(":/cards/" + resource));
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    std::string bytes = in.readAll().toStdString();
    ASSERT_EQ(bytes.substr(0, 2), "BM");
    bytes[0] = 'M', bytes[1] = 'B';
    WriteAll(path, bytes);
}

class CardFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        settings = {};
        cardFiles = {};
        CardImages = {};
        CardLoads::SetTraceSink([this](std::string_view line) { traces.emplace_back(line); });
    }
    void TearDown() override {
        CardLoads::SetTraceSink(nullptr);
        settings = {};
        cardFiles = {};
        CardImages = {};
    }
    static Surface Drawn(const ClCards& store, int face, bool back) {
        Surface s(200, 300, 0x123456);
        back ? store.DrawBack(s, 0, 0, face) : store.DrawFace(s, 0, 0, face);
        return s;
    }
    TempDataFolder folder;
    ScriptedMessageBoxes boxes;
    std::vector<std::string> traces;
};

}  // namespace

TEST_F(CardFiles, SwappedFacesLoadAndLookTheSameAndStayUntouched) {
    const std::string kdf = folder.File("mine2.kdf");
    WriteKdf(kdf, "FACES2");
    const std::string before = ReadAll(kdf);
    const auto stamp =
        fs::last_write_time(kdf) - std::chrono::hours(30) + std::chrono::nanoseconds(123456789);
    fs::last_write_time(kdf, stamp);

    ClCards builtIn, custom;
    builtIn.SetResolution(2);
    custom.SetResolution(2);
    custom.SetFaceFile(folder.File("mine.fac"));
    builtIn.LoadAll();
    custom.LoadAll();
    for (int face : {1, 12, 25})
        EXPECT_EQ(Drawn(custom, face, false).Image(), Drawn(builtIn, face, false).Image());
    EXPECT_TRUE(traces.empty());
    EXPECT_EQ(ReadAll(kdf), before);
    EXPECT_EQ(fs::last_write_time(kdf), stamp);
}

TEST_F(CardFiles, DeckCompanionsAreFoundIgnoringCase) {
    for (int c = 0; c < 7; ++c)
        WriteKdf(folder.File("Deck" + std::to_string(c) + ".KDF"), "DECK" + std::to_string(c));
    ClCards store;
    store.SetDeckFile(folder.File("deck.dek"));
    store.LoadAll();
    EXPECT_TRUE(traces.empty()) << traces.front();
}

TEST_F(CardFiles, BrokenFilesFallBackToTheBuiltInPictures) {
    ClCards builtIn;
    builtIn.LoadAll();
    WriteAll(folder.File("bad1.kdf"), "MB this is no bitmap");
    WriteKdf(folder.File("small3.kdf"), "DECK0");  // a 480 x 69 strip where 960 x 138 is due

    ClCards corrupt, small, missing;
    corrupt.SetFaceFile(folder.File("bad.fac"));
    small.SetDeckFile(folder.File("small.dek"));
    missing.SetFaceFile(folder.File("none.fac"));
    corrupt.LoadAll();
    small.LoadAll();
    missing.LoadAll();
    EXPECT_EQ(Drawn(corrupt, 7, false).Image(), Drawn(builtIn, 7, false).Image());
    EXPECT_EQ(Drawn(missing, 7, false).Image(), Drawn(builtIn, 7, false).Image());
    EXPECT_EQ(Drawn(small, 4, true).Image(), Drawn(builtIn, 4, true).Image());
    ASSERT_GE(traces.size(), 3u);
    EXPECT_NE(traces[0].find("bad1.kdf"), std::string::npos);
}

TEST_F(CardFiles, JokerFileAndItsFallback) {
    // A joker strip: the built-in joker of each resolution side by side.
    QImage strip(539, 261, QImage::Format_RGB32);
    strip.fill(QColor(0, 255, 0));
    for (int r = 1; r <= 4; ++r) {
        ClCards store;
        store.SetResolution(r);
        store.LoadAll();
        Surface face(store.CardWidth(), store.CardHeight(), 65280);
        store.DrawFace(face, 0, 0, 7);  // a recognisable face instead of the joker
        QPainter(&strip).drawImage(CardSizes::BennyOffset(r), 0, face.Image());
    }
    ASSERT_TRUE(strip.save(QString::fromStdString(folder.File("benny.bmp")), "BMP"));
    std::string bytes = ReadAll(folder.File("benny.bmp"));
    bytes[0] = 'M', bytes[1] = 'B';
    WriteAll(folder.File("benny.kdf"), bytes);

    ClCards store;
    store.SetBennyFile(folder.File("benny.bny"));
    store.LoadAll();
    settings.Opts1 |= 1 << 24;
    EXPECT_EQ(Drawn(store, 25, false).Image(), Drawn(store, 7, false).Image());

    store.SetBennyFile("");
    store.ReLoadBenny();  // keeps the joker loaded before
    EXPECT_EQ(Drawn(store, 25, false).Image(), Drawn(store, 7, false).Image());

    store.SetBennyFile(folder.File("gone.bny"));
    store.ReLoadBenny();
    settings.Opts1 = 0;
    const Surface builtIn = Drawn(store, 25, false);
    settings.Opts1 |= 1 << 24;
    EXPECT_EQ(Drawn(store, 25, false).Image(), builtIn.Image());
    EXPECT_FALSE(traces.empty());
}

TEST_F(CardFiles, ToggleSwapsOneWayAndKeepsTheFileTime) {
    const std::string path = folder.File("t.kdf");
    WriteAll(path, "MBrest");
    const auto stamp =
        fs::last_write_time(path) - std::chrono::hours(5) + std::chrono::nanoseconds(987654321);
    fs::last_write_time(path, stamp);
    EXPECT_TRUE(ClCards::ToggleBitmapSignature(path, true));
    EXPECT_EQ(ReadAll(path), "BMrest");
    EXPECT_EQ(fs::last_write_time(path), stamp);
    EXPECT_TRUE(ClCards::ToggleBitmapSignature(path, true));  // already loadable
    EXPECT_EQ(ReadAll(path), "BMrest");
    EXPECT_TRUE(ClCards::ToggleBitmapSignature(path, false));
    EXPECT_EQ(ReadAll(path), "MBrest");
    EXPECT_EQ(fs::last_write_time(path), stamp);
    EXPECT_FALSE(ClCards::ToggleBitmapSignature(folder.File("none.kdf"), true));
    EXPECT_FALSE(FileTime::FileTouch(folder.File("none.kdf"), stamp));
}

TEST_F(CardFiles, DeckCheckNamesTheFirstMissingCompanion) {
    WriteAll(folder.File("deck.dek"), "x");
    for (int c : {0, 1, 2}) WriteAll(folder.File("deck" + std::to_string(c) + ".kdf"), "x");
    settings.Deck = folder.File("deck.dek");
    settings.Opts1 = 1 << 26;
    EXPECT_EQ(CardLoads::LoadDeckFile(), "");
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Deck Graphics File Missing: " + folder.File("deck3.kdf") +
                                         "\r\nBuilt-in Defaults will be used.");
    EXPECT_EQ(boxes.shown()[0].style, vbExclamation);
    EXPECT_EQ(settings.Opts1 & (1 << 26), 0);
    EXPECT_EQ(cardFiles.DeckFileInUse, "");
    EXPECT_EQ(CardImages.DeckFile(), "");
}

TEST_F(CardFiles, FaceAndJokerChecks) {
    WriteAll(folder.File("f.fac"), "x");
    settings.Faces = folder.File("f.fac");
    settings.Benny = "a.b";
    settings.Opts1 = (1 << 23) | (1 << 24);
    EXPECT_EQ(CardLoads::LoadFaceFile(), settings.Faces);
    EXPECT_EQ(cardFiles.FaceFileInUse, settings.Faces);
    EXPECT_EQ(CardLoads::LoadBennyFile(), "");
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text.rfind("Alternate Benny Graphics File Missing: a.b", 0), 0u);
    EXPECT_EQ(settings.Opts1, 1 << 23);
}
