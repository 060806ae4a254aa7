#pragma once

#include <string>
#include <string_view>

// The checks that run before the store is told to use the player's card files.
struct CardFilesInUse {
    // The file names handed to CardImages; empty = built-in pictures.
    std::string FaceFileInUse;
    std::string DeckFileInUse;
    std::string BennyFileInUse;

    bool operator==(const CardFilesInUse&) const = default;
};

inline CardFilesInUse cardFiles;

namespace CardLoads {

// Each checks its set file (settings.Faces, Deck, Benny with Opts1 bits 23, 26, 24),
// warns and switches the option off when a file is missing, and hands the result to
// CardImages. Returns the file handed over (empty = built-in).
std::string LoadFaceFile();
std::string LoadDeckFile();
std::string LoadBennyFile();
// All three, as the main window does before the store's first load, so that a chosen
// joker shows from the start.
void LoadCardFiles();

void ShowGraphicsMissing(int kind, std::string_view file);

}  // namespace CardLoads
