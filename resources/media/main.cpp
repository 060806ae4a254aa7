// Writes the game's default event sounds and tunes into the folder it is given.
#include <cstdio>
#include <filesystem>
#include <string>

#include "event_sounds.h"
#include "file_writers.h"
#include "tunes.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);

    bool ok = true;
    for (const auto& sound : MediaGen::MakeEventSounds()) {
        const auto path = (folder / (sound.fileName + ".wav")).string();
        ok = MediaGen::WriteWave(path, sound.samples, MediaGen::kSampleRate) && ok;
    }
    for (const auto& tune : MediaGen::MakeTunes()) {
        ok = MediaGen::WriteBytes((folder / (tune.fileName + ".mid")).string(), tune.bytes) && ok;
    }
    if (!ok) std::fprintf(stderr, "could not write every file into %s\n", argv[1]);
    return ok ? 0 : 1;
}
