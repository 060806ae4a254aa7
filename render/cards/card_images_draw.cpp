#include <cmath>
#include <string>

#include "platform/settings/player_settings.h"
#include "render/cards/card_graphics_file.h"
#include "render/cards/card_images.h"
#include "render/cards/card_trace.h"
#include "render/gdi/raster_ops.h"

namespace {

template <size_t N>
bool InSet(const std::array<Surface, N>& set, int index, const char* method) {
    if (index >= 0 && index < static_cast<int>(set.size())) return true;
    CardLoads::Trace(std::string("Subscript out of range in ClCards.") + method + ": " +
                     std::to_string(index));
    return false;
}

// The width of a card drawn TargetHeight high.
int FittedWidth(int targetHeight) {
    return static_cast<int>(std::nearbyint(targetHeight / 1.44));
}

bool UsesCustomJoker() {
    return (settings.Opts1 >> 24) & 1;
}

}  // namespace

void ClCards::BlitTransparent(Surface& hDest, const Surface& image, const Surface& mask, int x,
                              int y, int width, int height) const {
    if (width <= 0 || height <= 0 || hDest.IsNull()) return;
    Surface temp(width, height, 0);
    Gdi::BitBlt(temp, 0, 0, width, height, hDest, x, y);
    Gdi::BitBlt(temp, 0, 0, width, height, mask, 0, 0, Gdi::Rop::SrcPaint);
    Gdi::BitBlt(temp, 0, 0, width, height, image, 0, 0, Gdi::Rop::SrcAnd);
    Gdi::BitBlt(hDest, x, y, width, height, temp, 0, 0);
}

void ClCards::DrawFace(Surface& hDest, int x, int y, int Crd) const {
    if (!InSet(FaceImages_, Crd, "DrawFace")) return;
    const bool joker = Crd == 25 && UsesCustomJoker() && !BennyImage_.IsNull();
    BlitTransparent(hDest, joker ? BennyImage_ : FaceImages_[Crd], FaceImages_[0], x, y, CardWidth_,
                    CardHeight_);
}

void ClCards::DrawFacePart(Surface& hDest, int x, int y, int Crd, int WidthPercentage,
                           int HeightPercentage) const {
    if (!InSet(FaceImages_, Crd, "DrawFacePart")) return;
    const bool joker = Crd == 25 && UsesCustomJoker() && !BennyImage_.IsNull();
    const int width = static_cast<int>(std::nearbyint(CardWidth_ * WidthPercentage / 100.0));
    const int height = static_cast<int>(std::nearbyint(CardHeight_ * HeightPercentage / 100.0));
    BlitTransparent(hDest, joker ? BennyImage_ : FaceImages_[Crd], FaceImages_[0], x, y, width,
                    height);
}

void ClCards::DrawBack(Surface& hDest, int x, int y, int Crd) const {
    if (!InSet(CardBacks_, Crd, "DrawBack")) return;
    BlitTransparent(hDest, CardBacks_[Crd], FaceImages_[0], x, y, CardWidth_, CardHeight_);
}

void ClCards::DrawIcon(Surface& hDest, int x, int y, int IconSuit) const {
    if (!InSet(IconImages_, IconSuit, "DrawIcon")) return;
    BlitTransparent(hDest, IconImages_[IconSuit], IconMasks_[IconSuit], x, y, IconWidth_,
                    IconWidth_);
}

void ClCards::DrawScore(Surface& hDest, int x, int y, int Crd, int Rotated) const {
    switch (Rotated) {
        case 0:
            if (!InSet(ScoreImages_, Crd, "DrawScore")) return;
            BlitTransparent(hDest, ScoreImages_[Crd], ScoreImages_[0], x, y, ScoreCardWidth_,
                            ScoreCardHeight_);
            break;
        case 1:
            if (!InSet(TurnedScoreImages_, Crd, "DrawScore")) return;
            BlitTransparent(hDest, TurnedScoreImages_[Crd], TurnedScoreImages_[0], x, y,
                            RotatedScoreCardWidth_, RotatedScoreCardHeight_);
            break;
        case 2:
            if (!InSet(SideScoreImages_, Crd, "DrawScore")) return;
            BlitTransparent(hDest, SideScoreImages_[Crd], SideScoreImages_[0], x, y,
                            ScoreCardHeight_, ScoreCardWidth_);
            break;
        default:
            break;
    }
}

void ClCards::DrawTrick(Surface& hDest, int x, int y, int Crd, int Orient) const {
    if (Orient == 0 || Orient == 2) {
        if (!InSet(TrickBacks_, Crd, "DrawTrick")) return;
        BlitTransparent(hDest, TrickBacks_[Crd], TrickBacks_[0], x, y, TrickCardWidth_,
                        TrickCardHeight_);
    } else {
        if (!InSet(SideTrickBacks_, Crd, "DrawTrick")) return;
        BlitTransparent(hDest, SideTrickBacks_[Crd], SideTrickBacks_[0], x, y, TrickCardHeight_,
                        TrickCardWidth_);
    }
}

void ClCards::DrawDeckPreview(Surface& hDest, int x, int y, int Crd, int Sz) const {
    if (Sz < 0 || Sz >= CardSizes::kPreviewClasses) return;
    const auto& cells = PreviewGrid_[Sz];
    if (!InSet(cells, Crd, "DrawDeckPreview")) return;
    const CardSizes::Size size = CardSizes::PreviewSize(Sz);
    BlitTransparent(hDest, cells[Crd], cells[0], x, y, size.width, size.height);
}

void ClCards::DrawBarn(Surface&, int, int, int32_t) const {}

void ClCards::DrawBennyThumb(Surface& hDest, int x, int y, int TargetHeight,
                             std::string_view AltBennyFile) const {
    const int width = FittedWidth(TargetHeight);
    if (AltBennyFile.size() >= 5) {
        const std::string file = CardGraphics::JokerFile(AltBennyFile);
        const auto strip = CardGraphics::ReadCardGraphicsFile(file);
        const CardSizes::Size first = CardSizes::KindSize(CardSizes::kCard, 1);
        if (strip && strip->Width() >= first.width && strip->Height() >= first.height) {
            Surface image(width, TargetHeight, 0), mask;
            Gdi::StretchBlt(image, 0, 0, width, TargetHeight, *strip, 0, 0, first.width,
                            first.height);
            MakeMask(image, mask);
            BlitTransparent(hDest, image, mask, x, y, width, TargetHeight);
            return;
        }
        CardLoads::Trace("Card file " + file + " is missing or unreadable; built-in joker shown");
    }
    Gdi::StretchBlt(hDest, x, y, width, TargetHeight, FaceImages_[25], 0, 0, CardWidth_,
                    CardHeight_);
}

void ClCards::DrawCardFitOLD(Surface& hDest, int x, int y, int Crd, int TargetHeight) const {
    if (!InSet(FaceImages_, Crd, "DrawCardFitOLD")) return;
    Gdi::StretchBlt(hDest, x, y, FittedWidth(TargetHeight), TargetHeight, FaceImages_[Crd], 0, 0,
                    CardWidth_, CardHeight_);
}

void ClCards::DrawCardFit(Surface& hDest, int x, int y, int Crd, int TargetHeight) const {
    if (!InSet(PlainFaceImages_, Crd, "DrawCardFit")) return;
    const int width = FittedWidth(TargetHeight);
    if (width <= 0 || TargetHeight <= 0) return;
    Surface image(width, TargetHeight, 0), mask;
    Gdi::StretchBlt(image, 0, 0, width, TargetHeight, PlainFaceImages_[Crd], 0, 0, CardWidth_,
                    CardHeight_);
    MakeMask(image, mask);
    BlitTransparent(hDest, image, mask, x, y, width, TargetHeight);
}

void ClCards::DrawDeckThumb(Surface& hDest, int Xstart, int Ystart, int Hspac, int Vspac,
                            std::string_view DeckFile, int DeckToUse) const {
    if (DeckFile.size() <= 4) return;
    const CardSizes::Size size = CardSizes::PreviewSize(DeckToUse);
    if (size.width <= 0) return;
    const std::string resource = "DECK" + std::to_string(DeckToUse);
    std::optional<Surface> strip;
    if (DeckFile != "SHOWDEFAULT") {
        const std::string file = CardGraphics::CompanionFile(DeckFile, DeckToUse);
        strip = CardGraphics::ReadCardGraphicsFile(file);
        if (!strip || strip->Width() < 10 * size.width || strip->Height() < size.height) {
            CardLoads::Trace("Card file " + file +
                             " is missing or unreadable; built-in backs shown");
            strip.reset();
        }
    }
    if (!strip) strip = CardGraphics::ReadBuiltInStrip(resource);
    if (!strip) return;
    const Surface& mask = PreviewGrid_[DeckToUse][0];
    for (int i = 0; i < CardSizes::kBackDesigns; ++i) {
        Surface image(size.width, size.height, 0);
        Gdi::BitBlt(image, 0, 0, size.width, size.height, *strip, i * size.width, 0);
        Surface throwAway;
        MakeMask(image, throwAway);
        const int row = i < 5 ? 0 : 1, k = i < 5 ? 0 : 5;
        BlitTransparent(hDest, image, mask, Xstart + (i - k) * Hspac, Ystart + row * Vspac,
                        size.width, size.height);
    }
}

bool ClCards::GDIMakeDCAndBitmap(bool, Surface& hDC, int lDX, int lDY) {
    hDC = {};
    if (lDX <= 0 || lDY <= 0) return false;
    hDC = Surface(lDX, lDY, 0);  // a monochrome image holds only black and white
    return !hDC.IsNull();
}

void ClCards::GDIClearDCBitmap(Surface& hDC) {
    hDC = {};
}
