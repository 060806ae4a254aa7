#pragma once

#include <cstdint>
#include <string>

// Background tunes written by rule: a chord progression per section, a melody drawn
// over it from a seeded random walk that favours chord tones and small steps, and an
// accompaniment, bass line and drum groove chosen by style.
namespace MediaGen {

enum class Mode { Major, Minor, Dorian, Mixolydian, HarmonicMinor };
enum class Accompaniment { Block, Pad, Waltz, Arpeggio, Alberti, Strum, Offbeat, Marcato };
enum class BassLine { Held, RootFifth, Walking, Waltz, Bossa, Octaves };
enum class Groove { None, Rock, Swing, Bossa, March, Shuffle, Latin };

struct Style {
    int beatsPerMinute;
    int beatsPerBar;
    int tonic;  // MIDI note the melody centres on
    Mode mode;
    // One chord a bar, in Roman numerals ("I vi IV V7", "i bVII bVI V7").
    std::string sectionA;
    std::string sectionB;
    int melodyProgram;
    int chordProgram;
    int bassProgram;
    Accompaniment accompaniment;
    BassLine bass;
    Groove groove;
    int busyness;  // 0 calm, 1 moving, 2 lively
    bool swing;
    uint32_t seed;
};

// A standard MIDI file of 30-90 seconds.
std::string Compose(const Style& style);

}  // namespace MediaGen
