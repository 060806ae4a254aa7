#include "tunes.h"

#include <cstdio>

#include "composer.h"

namespace MediaGen {
namespace {

using A = Accompaniment;
using B = BassLine;
using G = Groove;

struct Entry {
    const char* title;
    Style style;
};

// General MIDI programs, numbered from 0.
enum Program {
    kPiano = 0,
    kElectricPiano = 4,
    kHarpsichord = 6,
    kCelesta = 8,
    kMusicBox = 10,
    kVibraphone = 11,
    kMarimba = 12,
    kOrgan = 16,
    kChurchOrgan = 19,
    kAccordion = 21,
    kNylonGuitar = 24,
    kSteelGuitar = 25,
    kCleanGuitar = 27,
    kAcousticBass = 32,
    kFingeredBass = 33,
    kViolin = 40,
    kCello = 42,
    kContrabass = 43,
    kPizzicato = 45,
    kHarp = 46,
    kStrings = 48,
    kChoir = 52,
    kTrumpet = 56,
    kTuba = 58,
    kBrass = 61,
    kOboe = 68,
    kFlute = 73,
    kWhistle = 78,
    kSteelDrums = 114,
};

const Entry kTunes[] = {
    {"Parlour Waltz",
     {138, 3, 65, Mode::Major, "I vi IV V7 I IV V7 I", "IV IV I I ii V7 I V7", kPiano, kPiano,
      kAcousticBass, A::Waltz, B::Waltz, G::None, 1, false, 1}},
    {"Fiddler's Road",
     {116, 4, 67, Mode::Major, "I IV I V I IV V7 I", "IV IV I I ii V7 I V7", kViolin, kSteelGuitar,
      kAcousticBass, A::Strum, B::RootFifth, G::Rock, 2, false, 2}},
    {"Evening Nocturne",
     {72, 4, 69, Mode::Minor, "i iv bVII bIII bVI iv V7 i", "bVI bVII i i iv bVII bIII V7", kPiano,
      kPiano, kCello, A::Arpeggio, B::Held, G::None, 1, false, 3}},
    {"Sea Breeze",
     {128, 4, 62, Mode::Dorian, "i7 IV7 i7 IV7 ii7 V7 i7 i7", "bIII7 bVI7 ii7 V7 i7 IV7 bVII V7",
      kFlute, kNylonGuitar, kAcousticBass, A::Offbeat, B::Bossa, G::Bossa, 1, false, 4}},
    {"Highland Reel",
     {168, 3, 74, Mode::Mixolydian, "I bVII I V I bVII IV I", "IV I bVII I IV I V I", kWhistle,
      kHarp, kAcousticBass, A::Arpeggio, B::Waltz, G::None, 2, false, 5}},
    {"Blue Room",
     {140, 4, 70, Mode::Major, "I vi ii V7 I vi ii V7", "IV iv I vi ii V7 iii V7", kVibraphone,
      kPiano, kAcousticBass, A::Block, B::Walking, G::Swing, 1, true, 6}},
    {"Town Square March",
     {112, 4, 70, Mode::Major, "I IV V7 I I IV V7 I", "IV IV I I V7 V7 I V7", kTrumpet, kBrass,
      kTuba, A::Marcato, B::RootFifth, G::March, 1, false, 7}},
    {"Music Box Lullaby",
     {92, 3, 72, Mode::Major, "I IV I V I IV V I", "vi iii IV I ii V I I", kMusicBox, kCelesta,
      kAcousticBass, A::Arpeggio, B::Waltz, G::None, 0, false, 8}},
    {"Lazy River Blues",
     {92, 4, 64, Mode::Mixolydian, "I7 IV7 I7 I7 IV7 IV7 I7 I7 V7 IV7 I7 V7",
      "IV7 IV7 I7 I7 IV7 IV7 I7 I7 V7 IV7 I7 I7", kCleanGuitar, kOrgan, kFingeredBass, A::Pad,
      B::Walking, G::Shuffle, 1, true, 9}},
    {"Baroque Promenade",
     {100, 4, 74, Mode::HarmonicMinor, "i iv V7 i bVI iv V7 i", "bIII bVII bVI V7 i iv V7 i",
      kHarpsichord, kHarpsichord, kCello, A::Alberti, B::RootFifth, G::None, 2, false, 10}},
    {"Island Holiday",
     {118, 4, 72, Mode::Major, "I IV V7 I I IV V7 I", "IV I V7 I IV I V7 I", kSteelDrums, kMarimba,
      kFingeredBass, A::Offbeat, B::Bossa, G::Latin, 2, false, 11}},
    {"Meadow Pastorale",
     {84, 3, 67, Mode::Major, "I V vi iii IV I ii V7", "IV V iii vi ii V7 I I", kOboe, kStrings,
      kContrabass, A::Pad, B::Held, G::None, 0, false, 12}},
    {"Open Road",
     {136, 4, 69, Mode::Mixolydian, "I bVII IV I I bVII IV V", "vi IV I V vi IV bVII V",
      kCleanGuitar, kSteelGuitar, kFingeredBass, A::Strum, B::Octaves, G::Rock, 1, false, 13}},
    {"Midnight Tango",
     {116, 4, 64, Mode::HarmonicMinor, "i i iv iv V7 V7 i i", "bVI bVI iv iv V7 V7 i V7",
      kAccordion, kPizzicato, kAcousticBass, A::Marcato, B::RootFifth, G::None, 1, false, 14}},
    {"Hearthside Chorale",
     {80, 4, 68, Mode::Major, "I IV I V vi IV V7 I", "IV I ii V iii vi ii V7", kChoir, kChurchOrgan,
      kCello, A::Pad, B::RootFifth, G::None, 1, false, 15}},
};

}  // namespace

std::vector<Tune> MakeTunes() {
    std::vector<Tune> tunes;
    int number = 1;
    for (const auto& entry : kTunes) {
        char name[16];
        std::snprintf(name, sizeof name, "Tune%02d", number++);
        tunes.push_back({name, entry.title, Compose(entry.style)});
    }
    return tunes;
}

}  // namespace MediaGen
