#include "render/cards/card_loads.h"

#include <array>

#include "platform/files.h"
#include "platform/message_boxes.h"
#include "platform/settings/player_settings.h"
#include "render/cards/card_graphics_file.h"
#include "render/cards/card_images.h"

namespace CardLoads {
namespace {

constexpr int kUseFaceFile = 1 << 23;
constexpr int kUseBennyFile = 1 << 24;
constexpr int kUseDeckFile = 1 << 26;

bool Exists(std::string_view file) {
    return APIs::FileExists(APIs::FindIgnoringCase(file));
}

}  // namespace

std::string LoadFaceFile() {
    std::string result;
    if (!settings.Faces.empty() && (settings.Opts1 & kUseFaceFile)) {
        if (Exists(settings.Faces)) {
            result = settings.Faces;
        } else {
            ShowGraphicsMissing(0, settings.Faces);
            settings.Opts1 &= ~kUseFaceFile;
        }
    }
    CardImages.SetFaceFile(result);
    cardFiles.FaceFileInUse = result;
    return result;
}

std::string LoadDeckFile() {
    std::string result;
    if (!settings.Deck.empty() && (settings.Opts1 & kUseDeckFile)) {
        if (Exists(settings.Deck)) {
            result = settings.Deck;
            for (int c = 0; c < 7; ++c) {
                const std::string companion = CardGraphics::CompanionFile(settings.Deck, c);
                if (!APIs::FileExists(companion)) {
                    ShowGraphicsMissing(1, companion);
                    settings.Opts1 &= ~kUseDeckFile;
                    result.clear();
                    break;
                }
            }
        } else {
            ShowGraphicsMissing(1, settings.Deck);
            settings.Opts1 &= ~kUseDeckFile;
        }
    }
    CardImages.SetDeckFile(result);
    cardFiles.DeckFileInUse = result;
    return result;
}

std::string LoadBennyFile() {
    std::string result;
    if (!settings.Benny.empty() && (settings.Opts1 & kUseBennyFile)) {
        if (settings.Benny.size() < 5 || !Exists(settings.Benny)) {
            ShowGraphicsMissing(8, settings.Benny);
            settings.Opts1 &= ~kUseBennyFile;
        } else {
            const std::string companion = CardGraphics::JokerFile(settings.Benny);
            if (APIs::FileExists(companion)) {
                result = settings.Benny;
            } else {
                ShowGraphicsMissing(8, companion);
                settings.Opts1 &= ~kUseBennyFile;
            }
        }
    }
    CardImages.SetBennyFile(result);
    cardFiles.BennyFileInUse = result;
    return result;
}

void LoadCardFiles() {
    LoadFaceFile();
    LoadDeckFile();
    LoadBennyFile();
}

void ShowGraphicsMissing(int kind, std::string_view file) {
    static constexpr std::array<const char*, 10> kKindNames = {"Card Faces",
                                                               "Deck",
                                                               "Vertical Score Cards",
                                                               "Rotated Score Cards",
                                                               "Vertical Trick Counters",
                                                               "Horizontal Trick Counters",
                                                               "In The Barn",
                                                               "Trump Icons",
                                                               "Alternate Benny",
                                                               "Small Deck Cards"};
    const std::string name = kind >= 0 && kind < 10 ? kKindNames[kind] : "";
    MsgBox(name + " Graphics File Missing: " + std::string(file) +
               "\r\nBuilt-in Defaults will be used.",
           vbOKOnly | vbExclamation);
}

}  // namespace CardLoads
