#include <cmath>
#include <string>

#include "platform/rounding.h"
#include "render/cards/card_graphics_file.h"
#include "render/cards/card_images.h"
#include "render/cards/card_trace.h"
#include "render/gdi/plg_blt.h"
#include "render/gdi/raster_ops.h"

using CardSizes::KindSize;
using CardSizes::Size;

namespace {

Surface Cut(const Surface& strip, int x, Size size) {
    Surface picture(size.width, size.height, 0);
    Gdi::BitBlt(picture, 0, 0, size.width, size.height, strip, x, 0);
    return picture;
}

struct StripSource {
    Surface strip;
    bool fromFile = false;
};

bool Holds(const Surface& strip, int width, int height) {
    return strip.Width() >= width && strip.Height() >= height;
}

// A set's strip: from its card graphics file when one is named and usable, else the
// built-in one. A file that is missing, undecodable or too small is reported.
StripSource LoadSetStrip(const std::string& resource, const std::string& companion, int count,
                         Size size) {
    if (!companion.empty()) {
        auto read = CardGraphics::ReadCardGraphicsFile(companion);
        if (read && Holds(*read, count * size.width, size.height)) return {std::move(*read), true};
        CardLoads::Trace("Card file " + companion +
                         (read ? " is too small" : " is missing or unreadable") +
                         "; built-in pictures used");
    }
    auto builtIn = CardGraphics::ReadBuiltInStrip(resource);
    if (!builtIn) {
        CardLoads::Trace("Built-in pictures " + resource + " are missing");
        return {};
    }
    return {std::move(*builtIn), false};
}

std::string DeckName(int number) {
    return "DECK" + std::to_string(number);
}

}  // namespace

ClCards::ClCards() {
    FillSizeTable();
}

void ClCards::FillSizeTable() {
    CardSizeTable_ = CardSizes::kCardSizeTable;
}

bool ClCards::SetResolution(int ResolutionCode) {
    if (ResolutionCode < 1 || ResolutionCode > 4) {
        CardLoads::Trace("Resolution Out of Range (1-4)");
        return false;
    }
    Resolution_ = ResolutionCode;
    ResolutionText_ = std::to_string(ResolutionCode);
    return true;
}

void ClCards::SetGraphicsSubFolder(std::string SubFolderName) {
    if (SubFolderName.empty() || SubFolderName.front() != '/') SubFolderName.insert(0, "/");
    if (SubFolderName.back() != '/') SubFolderName += '/';
    GraphicsSubFolder_ = std::move(SubFolderName);
}

void ClCards::LoadAll() {
    LoadFaces();
    LoadDeckGroup();
    LoadDeckPreviews();
    LoadIcons();
    LoadBenny();
}

void ClCards::ReLoadFaces() {
    LoadFaces();
}

void ClCards::ReLoadDeckGroup() {
    LoadDeckGroup();
    LoadDeckPreviews();
}

void ClCards::ReLoadBenny() {
    LoadBenny();
}

void ClCards::MakeMask(Surface& image, Surface& mask) const {
    if (image.IsNull()) {
        mask = {};
        return;
    }
    if (TransparentColor_ == 16777215) {
        mask = Gdi::MonochromeFrom(image, 16777215);
        Gdi::InvertRect(mask, 0, 0, mask.Width(), mask.Height());
        return;
    }
    const Surface transparent = Gdi::MonochromeFrom(image, TransparentColor_);
    Gdi::BitBlt(image, 0, 0, image.Width(), image.Height(), transparent, 0, 0, Gdi::Rop::SrcPaint);
    mask = Surface(image.Width(), image.Height(), 16777215);
    Gdi::BitBlt(mask, 0, 0, mask.Width(), mask.Height(), transparent, 0, 0, Gdi::Rop::SrcInvert);
}

void ClCards::FreeFaces() {
    FaceImages_ = {};
    PlainFaceImages_ = {};
}

void ClCards::FreeDeckGroup() {
    CardBacks_ = {};
    PreviewGrid_ = {};
    FreeScoreCards();
    FreeTrickCards();
}

void ClCards::FreeScoreCards() {
    ScoreImages_ = {};
    TurnedScoreImages_ = {};
    SideScoreImages_ = {};
}

void ClCards::FreeTrickCards() {
    TrickBacks_ = {};
    SideTrickBacks_ = {};
}

void ClCards::FreeIcons() {
    IconImages_ = {};
    IconMasks_ = {};
}

void ClCards::FreeBenny() {
    BennyImage_ = {};
}

void ClCards::LoadFaces() {
    FreeFaces();
    const Size size = KindSize(CardSizes::kCard, Resolution_);
    const std::string companion =
        FaceFile_.size() >= 5 ? CardGraphics::CompanionFile(FaceFile_, Resolution_) : "";
    const StripSource source = LoadSetStrip("FACES" + ResolutionText_, companion, 25, size);
    CardWidth_ = size.width;
    CardHeight_ = size.height;
    for (int n = 1; n <= CardSizes::kFaceCount; ++n) {
        FaceImages_[n] = Cut(source.strip, (n - 1) * size.width, size);
        MakeMask(FaceImages_[n], FaceImages_[0]);
        PlainFaceImages_[n] = Cut(source.strip, (n - 1) * size.width, size);
    }
}

void ClCards::LoadDeckGroup() {
    FreeDeckGroup();
    const int cardClass = Resolution_ + 2;
    const Size size = KindSize(CardSizes::kCard, Resolution_);
    const std::string companion =
        DeckFile_.size() >= 5 ? CardGraphics::CompanionFile(DeckFile_, cardClass) : "";
    const StripSource backs = LoadSetStrip(DeckName(cardClass), companion, 10, size);
    for (int d = 0; d < CardSizes::kBackDesigns; ++d) {
        CardBacks_[d] = Cut(backs.strip, d * size.width, size);
        Surface throwAway;
        MakeMask(CardBacks_[d], throwAway);
        PreviewGrid_[cardClass][d + 1] = CardBacks_[d];
    }
    LoadTrickBacks(Resolution_ >= 3 ? 1 : 0, backs.fromFile);
    LoadScoreBacks(backs.fromFile);
}

void ClCards::LoadTrickBacks(int sizeClass, bool fromFile) {
    const Size size = KindSize(CardSizes::kTrick, Resolution_);
    const std::string companion = fromFile ? CardGraphics::CompanionFile(DeckFile_, sizeClass) : "";
    const StripSource source = LoadSetStrip(DeckName(sizeClass), companion, 10, size);
    TrickCardWidth_ = size.width;
    TrickCardHeight_ = size.height;
    for (int d = 1; d <= 10; ++d) {
        const Surface design = Cut(source.strip, (d - 1) * size.width, size);
        TrickBacks_[d] = design;
        Surface throwAway;
        MakeMask(TrickBacks_[d], throwAway);
        PreviewGrid_[sizeClass][d] = TrickBacks_[d];

        TrickBacks_[d + 10] = Gdi::TurnHalf(design);
        MakeMask(TrickBacks_[d + 10], TrickBacks_[0]);

        SideTrickBacks_[d] = Gdi::TurnClockwise(design);
        MakeMask(SideTrickBacks_[d], throwAway);
        SideTrickBacks_[d + 10] = Gdi::TurnCounterClockwise(design);
        MakeMask(SideTrickBacks_[d + 10], SideTrickBacks_[0]);
    }
    PreviewGrid_[sizeClass][0] = TrickBacks_[0];
}

void ClCards::LoadScoreBacks(bool fromFile) {
    const Size size = KindSize(CardSizes::kScore, Resolution_);
    const StripSource cards = LoadSetStrip(DeckName(Resolution_ + 6), "", 12, size);
    ScoreCardWidth_ = size.width;
    ScoreCardHeight_ = size.height;
    for (int m = 1; m <= CardSizes::kScoreCards; ++m) {
        ScoreImages_[m] = Cut(cards.strip, (m - 1) * size.width, size);
        Surface throwAway;
        MakeMask(ScoreImages_[m], throwAway);
    }

    const std::string companion =
        fromFile ? CardGraphics::CompanionFile(DeckFile_, Resolution_) : "";
    const StripSource backs = LoadSetStrip(DeckName(Resolution_), companion, 10, size);
    for (int b = 13; b <= 22; ++b) {
        ScoreImages_[b] = Cut(backs.strip, (b - 13) * size.width, size);
        MakeMask(ScoreImages_[b], ScoreImages_[0]);
        PreviewGrid_[Resolution_][b - 12] = ScoreImages_[b];
    }
    PreviewGrid_[Resolution_][0] = ScoreImages_[0];

    // Turned 25 degrees onto a ground of the strip's transparent colour.
    const Size turned = KindSize(CardSizes::kTurnedScore, Resolution_);
    RotatedScoreCardWidth_ = turned.width;
    RotatedScoreCardHeight_ = turned.height;
    const int w = size.width, h = size.height;
    const std::array<QPointF, 3> corners = {
        QPointF(RoundHalfEven(0.6108 * w), 0),
        QPointF(RoundHalfEven(1.5171 * w), RoundHalfEven(0.2924 * h)),
        QPointF(0, RoundHalfEven(0.9063 * h))};
    const auto turn = [&](const Surface& strip, int index) {
        Surface out(turned.width, turned.height, strip.Pixel(0, 0));
        Gdi::PlgBlt(out, corners, strip, index * w, 0, w, h);
        return out;
    };
    constexpr int kTurnedCards[] = {0, 1, 2, 4};
    for (int i = 0; i < 4; ++i) {
        TurnedScoreImages_[i + 1] = turn(cards.strip, kTurnedCards[i]);
        Surface throwAway;
        MakeMask(TurnedScoreImages_[i + 1], throwAway);
    }
    for (int d = 0; d < 10; ++d) {
        TurnedScoreImages_[d + 5] = turn(backs.strip, d);
        MakeMask(TurnedScoreImages_[d + 5], TurnedScoreImages_[0]);
    }

    for (int i = 0; i < 2; ++i) {
        SideScoreImages_[i + 1] = Gdi::TurnClockwise(Cut(cards.strip, (8 + i) * w, size));
        Surface throwAway;
        MakeMask(SideScoreImages_[i + 1], throwAway);
    }
    for (int d = 0; d < 10; ++d) {
        SideScoreImages_[d + 3] = Gdi::TurnClockwise(Cut(backs.strip, d * w, size));
        MakeMask(SideScoreImages_[d + 3], SideScoreImages_[0]);
    }
}

void ClCards::LoadDeckPreviews() {
    for (int c = 0; c < CardSizes::kPreviewClasses; ++c) {
        auto& cells = PreviewGrid_[c];
        if (!cells[0].IsNull()) continue;
        const Size size = CardSizes::PreviewSize(c);
        const std::string companion =
            DeckFile_.size() >= 5 ? CardGraphics::CompanionFile(DeckFile_, c) : "";
        const StripSource source = LoadSetStrip(DeckName(c), companion, 10, size);
        for (int row = 1; row < kPreviewRows; ++row) {
            cells[row] = Cut(source.strip, (row - 1) * size.width, size);
            MakeMask(cells[row], cells[0]);
        }
    }
}

void ClCards::LoadIcons() {
    FreeIcons();
    const Size size = KindSize(CardSizes::kIcon, Resolution_);
    const StripSource source = LoadSetStrip("ICONS" + ResolutionText_, "", 6, size);
    IconWidth_ = size.width;
    for (int i = 0; i < CardSizes::kIcons; ++i) {
        IconImages_[i] = Cut(source.strip, i * size.width, size);
        MakeMask(IconImages_[i], IconMasks_[i]);
    }
}

void ClCards::LoadBenny() {
    if (BennyFile_.empty()) return;
    FreeBenny();
    if (BennyFile_.size() <= 4) {
        CardLoads::Trace("Joker file " + BennyFile_ + " has no usable name; built-in joker used");
        return;
    }
    const std::string file = CardGraphics::JokerFile(BennyFile_);
    const Size size = KindSize(CardSizes::kCard, Resolution_);
    const int x = CardSizes::BennyOffset(Resolution_);
    const auto strip = CardGraphics::ReadCardGraphicsFile(file);
    if (!strip || !Holds(*strip, x + size.width, size.height)) {
        CardLoads::Trace("Card file " + file +
                         (strip ? " is too small" : " is missing or unreadable") +
                         "; built-in joker used");
        return;
    }
    BennyImage_ = Cut(*strip, x, size);
    Surface throwAway;
    MakeMask(BennyImage_, throwAway);
}
