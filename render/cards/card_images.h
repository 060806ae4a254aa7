#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "render/cards/card_size_table.h"
#include "render/gdi/surface.h"

// The card-image store: every picture the table draws, cut, masked and turned once at
// load time at one of four resolutions. A mask is black where its picture is
// transparent and white where it is opaque; the pictures drawn through masks are
// "whitened" (white where transparent).
class ClCards {
  public:
    ClCards();

    // Current sizes; 0 until their set has loaded.
    int CardWidth() const { return CardWidth_; }
    int CardHeight() const { return CardHeight_; }
    int ScoreCardWidth() const { return ScoreCardWidth_; }
    int ScoreCardHeight() const { return ScoreCardHeight_; }
    int RotatedScoreCardWidth() const { return RotatedScoreCardWidth_; }
    int RotatedScoreCardHeight() const { return RotatedScoreCardHeight_; }
    int TrickCardWidth() const { return TrickCardWidth_; }
    int TrickCardHeight() const { return TrickCardHeight_; }
    int IconWidth() const { return IconWidth_; }

    int Resolution() const { return Resolution_; }
    // Nothing reloads; outside 1-4 the old resolution stays and false is returned.
    bool SetResolution(int ResolutionCode);
    int32_t TransparentColor() const { return TransparentColor_; }
    void SetTransparentColor(int32_t InvisibleColor) { TransparentColor_ = InvisibleColor; }
    const std::string& FaceFile() const { return FaceFile_; }
    void SetFaceFile(std::string FilePathName) { FaceFile_ = std::move(FilePathName); }
    const std::string& DeckFile() const { return DeckFile_; }
    void SetDeckFile(std::string FilePathName) { DeckFile_ = std::move(FilePathName); }
    const std::string& BennyFile() const { return BennyFile_; }
    void SetBennyFile(std::string FilePathName) { BennyFile_ = std::move(FilePathName); }
    const std::string& GraphicsSubFolder() const { return GraphicsSubFolder_; }
    void SetGraphicsSubFolder(std::string SubFolderName);

    void LoadAll();
    void ReLoadFaces();
    void ReLoadDeckGroup();
    void ReLoadBenny();

    // Drawing. An index outside its set draws nothing and writes a trace line.
    void DrawFace(Surface& hDest, int x, int y, int Crd) const;
    void DrawFacePart(Surface& hDest, int x, int y, int Crd, int WidthPercentage,
                      int HeightPercentage) const;
    void DrawBack(Surface& hDest, int x, int y, int Crd) const;
    void DrawIcon(Surface& hDest, int x, int y, int IconSuit) const;
    void DrawScore(Surface& hDest, int x, int y, int Crd, int Rotated) const;
    void DrawTrick(Surface& hDest, int x, int y, int Crd, int Orient) const;
    void DrawDeckPreview(Surface& hDest, int x, int y, int Crd, int Sz) const;
    void DrawBarn(Surface& hDest, int x, int y, int32_t BarnColor) const;
    void DrawBennyThumb(Surface& hDest, int x, int y, int TargetHeight,
                        std::string_view AltBennyFile) const;
    void DrawCardFitOLD(Surface& hDest, int x, int y, int Crd, int TargetHeight) const;
    void DrawCardFit(Surface& hDest, int x, int y, int Crd, int TargetHeight) const;
    void DrawDeckThumb(Surface& hDest, int Xstart, int Ystart, int Hspac, int Vspac,
                       std::string_view DeckFile, int DeckToUse) const;

    // Memory images for the windows: true when one of lDX x lDY was made.
    static bool GDIMakeDCAndBitmap(bool bMono, Surface& hDC, int lDX, int lDY);
    static void GDIClearDCBitmap(Surface& hDC);

    // Swaps the signature of a card graphics file one way, keeping its modification
    // time; false when the file is missing or cannot be made writable.
    static bool ToggleBitmapSignature(std::string_view fileName, bool makeLoadable);

    static constexpr int kPreviewRows = 11;

  private:
    void FreeFaces();
    void FreeDeckGroup();
    void FreeScoreCards();
    void FreeTrickCards();
    void FreeIcons();
    void FreeBenny();
    void LoadFaces();
    void LoadDeckGroup();
    void LoadDeckPreviews();
    void LoadIcons();
    void LoadBenny();
    void LoadTrickBacks(int sizeClass, bool fromFile);
    void LoadScoreCards();
    void LoadScoreBacks(bool fromFile);
    void MakeMask(Surface& image, Surface& mask) const;
    void BlitTransparent(Surface& hDest, const Surface& image, const Surface& mask, int x, int y,
                         int width, int height) const;
    void FillSizeTable();

    std::array<int, 40> CardSizeTable_{};
    int Resolution_ = 1;
    std::string ResolutionText_ = "1";
    int32_t TransparentColor_ = 65280;
    std::string FaceFile_, DeckFile_, BennyFile_;
    std::string GraphicsSubFolder_ = "/graphics";

    int CardWidth_ = 0, CardHeight_ = 0;
    int ScoreCardWidth_ = 0, ScoreCardHeight_ = 0;
    int RotatedScoreCardWidth_ = 0, RotatedScoreCardHeight_ = 0;
    int TrickCardWidth_ = 0, TrickCardHeight_ = 0;
    int IconWidth_ = 0;

    std::array<Surface, 26> FaceImages_{};
    std::array<Surface, 26> PlainFaceImages_{};
    std::array<Surface, 10> CardBacks_{};
    std::array<Surface, 21> TrickBacks_{};
    std::array<Surface, 21> SideTrickBacks_{};
    std::array<Surface, 23> ScoreImages_{};
    std::array<Surface, 15> TurnedScoreImages_{};
    std::array<Surface, 13> SideScoreImages_{};
    std::array<Surface, 6> IconImages_{};
    std::array<Surface, 6> IconMasks_{};
    Surface BennyImage_;
    std::array<std::array<Surface, kPreviewRows>, CardSizes::kPreviewClasses> PreviewGrid_{};
};

// The one store, which every drawing goes through.
inline ClCards CardImages;
