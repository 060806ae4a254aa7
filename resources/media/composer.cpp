#include "composer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "midi_writer.h"

namespace MediaGen {
namespace {

constexpr int kMelody = 0, kChords = 1, kBass = 2, kDrums = 9;

class Dice {
  public:
    explicit Dice(uint32_t seed) : state_(seed * 2654435761u + 12345u) {}
    uint32_t Below(uint32_t n) {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) % n;
    }
    bool Chance(int percent) { return int(Below(100)) < percent; }
    int Spread(int width) { return int(Below(uint32_t(2 * width + 1))) - width; }

  private:
    uint32_t state_;
};

struct Chord {
    int root;                    // semitones above the tonic
    std::vector<int> intervals;  // above the root
};

Chord ParseChord(const std::string& token) {
    static constexpr int kDegree[] = {0, 2, 4, 5, 7, 9, 11};
    size_t at = 0;
    int shift = 0;
    if (token[at] == 'b') shift = -1, ++at;
    if (token[at] == '#') shift = 1, ++at;
    const size_t start = at;
    while (at < token.size() && std::string("IViv").find(token[at]) != std::string::npos) ++at;
    std::string numeral = token.substr(start, at - start);
    const bool minor = !numeral.empty() && std::islower(static_cast<unsigned char>(numeral[0]));
    for (char& c : numeral) c = char(std::toupper(static_cast<unsigned char>(c)));
    static const std::vector<std::string> kNumerals{"I", "II", "III", "IV", "V", "VI", "VII"};
    const auto found = std::find(kNumerals.begin(), kNumerals.end(), numeral);
    if (found == kNumerals.end()) throw std::invalid_argument("chord " + token);
    Chord chord{kDegree[found - kNumerals.begin()] + shift, {0, minor ? 3 : 4, 7}};
    if (token.substr(at) == "7") chord.intervals.push_back(10);
    return chord;
}

std::vector<Chord> ParseSection(const std::string& text) {
    std::vector<Chord> chords;
    std::istringstream in(text);
    for (std::string token; in >> token;) chords.push_back(ParseChord(token));
    return chords;
}

std::vector<int> ScaleOf(Mode mode) {
    switch (mode) {
        case Mode::Major:
            return {0, 2, 4, 5, 7, 9, 11};
        case Mode::Minor:
            return {0, 2, 3, 5, 7, 8, 10};
        case Mode::Dorian:
            return {0, 2, 3, 5, 7, 9, 10};
        case Mode::Mixolydian:
            return {0, 2, 4, 5, 7, 9, 10};
        case Mode::HarmonicMinor:
            return {0, 2, 3, 5, 7, 8, 11};
    }
    return {};
}

int PitchClass(int n) {
    return ((n % 12) + 12) % 12;
}

// The note of a pitch class nearest above `floor`.
int Place(int pitchClass, int floor) {
    int n = floor + PitchClass(pitchClass - floor);
    return n;
}

struct MelodyNote {
    double beat;  // from the start of the section
    double length;
    int pitch;  // -1 rests
};

std::vector<std::vector<double>> RhythmsFor(int beatsPerBar, int busyness) {
    if (beatsPerBar == 3) {
        if (busyness == 0) return {{2, 1}, {3}, {1, 1, 1}, {1.5, 0.5, 1}};
        if (busyness == 1) return {{1, 1, 1}, {2, 1}, {1.5, 0.5, 1}, {1, 0.5, 0.5, 1}};
        return {{0.5, 0.5, 1, 1}, {1, 0.5, 0.5, 0.5, 0.5}, {0.5, 0.5, 0.5, 0.5, 1}, {1, 1, 1}};
    }
    if (busyness == 0) return {{2, 2}, {3, 1}, {1, 1, 2}, {4}, {2, 1, 1}};
    if (busyness == 1)
        return {{1, 1, 1, 1}, {1.5, 0.5, 1, 1}, {1, 0.5, 0.5, 2}, {2, 1, 1}, {1, 1, 2}};
    return {{0.5, 0.5, 1, 0.5, 0.5, 1},
            {1, 0.5, 0.5, 1, 1},
            {0.5, 0.5, 0.5, 0.5, 2},
            {1.5, 0.5, 0.5, 0.5, 1},
            {1, 1, 0.5, 0.5, 1}};
}

class MelodyWriter {
  public:
    MelodyWriter(const Style& style, Dice& dice)
        : style_(style), dice_(dice), scale_(ScaleOf(style.mode)), pitch_(style.tonic) {}

    std::vector<MelodyNote> Section(const std::vector<Chord>& chords) {
        const auto rhythms = RhythmsFor(style_.beatsPerBar, style_.busyness);
        std::vector<std::vector<double>> barRhythms;
        std::vector<MelodyNote> notes;
        for (size_t bar = 0; bar < chords.size(); ++bar) {
            const bool last = bar + 1 == chords.size();
            // Bars answer the bars four before them in rhythm, which gives phrases.
            std::vector<double> rhythm = bar >= 4 && dice_.Chance(70)
                                             ? barRhythms[bar - 4]
                                             : rhythms[dice_.Below(uint32_t(rhythms.size()))];
            if (last) rhythm = {1, double(style_.beatsPerBar - 1)};
            barRhythms.push_back(rhythm);
            double beat = 0;
            for (size_t i = 0; i < rhythm.size(); ++i) {
                const bool strong = beat == 0 || (style_.beatsPerBar == 4 && beat == 2);
                int pitch = strong || rhythm[i] >= 1.5 ? ChordTone(chords[bar]) : Step();
                if (last && i + 1 == rhythm.size()) pitch = Nearest(chords[bar].root);
                const bool rest = !strong && !last && dice_.Chance(8);
                notes.push_back(
                    {double(bar) * style_.beatsPerBar + beat, rhythm[i], rest ? -1 : pitch});
                if (!rest) pitch_ = pitch;
                beat += rhythm[i];
            }
        }
        return notes;
    }

  private:
    bool InScale(int n) const {
        return std::find(scale_.begin(), scale_.end(), PitchClass(n - style_.tonic)) !=
               scale_.end();
    }

    int Nearest(int rootAboveTonic) const {
        const int below = Place(style_.tonic + rootAboveTonic, pitch_ - 6);
        return Clamp(below);
    }

    int Clamp(int n) const {
        while (n > style_.tonic + 12) n -= 12;
        while (n < style_.tonic - 7) n += 12;
        return n;
    }

    int ChordTone(const Chord& chord) {
        std::vector<int> candidates;
        for (int n = pitch_ - 7; n <= pitch_ + 7; ++n) {
            for (int interval : chord.intervals) {
                if (PitchClass(n - style_.tonic - chord.root - interval) == 0) {
                    candidates.push_back(n);
                }
            }
        }
        std::sort(candidates.begin(), candidates.end(),
                  [&](int a, int b) { return std::abs(a - pitch_) < std::abs(b - pitch_); });
        const uint32_t roll = dice_.Below(100);
        const size_t pick = roll < 45 ? 0 : roll < 80 ? 1 : 2;
        return Clamp(candidates[std::min(pick, candidates.size() - 1)]);
    }

    int Step() {
        int direction = dice_.Chance(50) ? 1 : -1;
        if (pitch_ > style_.tonic + 7) direction = -1;
        if (pitch_ < style_.tonic - 3) direction = 1;
        int steps = dice_.Chance(80) ? 1 : 2;
        int n = pitch_;
        while (steps > 0) {
            n += direction;
            if (InScale(n)) --steps;
        }
        return Clamp(n);
    }

    const Style& style_;
    Dice& dice_;
    std::vector<int> scale_;
    int pitch_;
};

class Arranger {
  public:
    Arranger(const Style& style, Dice& dice, MidiSong& song)
        : style_(style), dice_(dice), song_(song) {}

    int64_t Tick(double beat) const {
        double whole = std::floor(beat);
        double part = beat - whole;
        if (style_.swing && std::abs(part - 0.5) < 1e-9) part = 2.0 / 3.0;
        return int64_t(std::llround((whole + part) * MidiSong::kTicksPerQuarter));
    }

    void Note(int channel, double beat, double length, int pitch, int velocity) {
        const int64_t start = Tick(beat);
        const int64_t end = Tick(beat + length);
        song_.Note(channel, start, std::max<int64_t>(end - start - 10, 30), pitch,
                   velocity + dice_.Spread(5));
    }

    void Melody(const std::vector<MelodyNote>& notes, double startBeat) {
        for (const auto& n : notes) {
            if (n.pitch >= 0) Note(kMelody, startBeat + n.beat, n.length, n.pitch, 92);
        }
    }

    void Bar(const Chord& chord, const Chord& next, double beat, bool sectionStart) {
        Accompany(chord, beat);
        Bass(chord, next, beat);
        Drums(beat, sectionStart);
    }

    void Ending(const Chord& tonic, double beat) {
        const int bars = style_.beatsPerBar;
        for (int n : Voicing(tonic)) Note(kChords, beat, bars, n, 70);
        Note(kBass, beat, bars, BassNote(tonic.root), 85);
        Note(kMelody, beat, bars, style_.tonic, 90);
        if (style_.groove != Groove::None) Note(kDrums, beat, 2, 49, 90);
    }

  private:
    std::vector<int> Voicing(const Chord& chord) const {
        std::vector<int> notes;
        for (int interval : chord.intervals)
            notes.push_back(Place(style_.tonic + chord.root + interval, 53));
        std::sort(notes.begin(), notes.end());
        return notes;
    }

    int BassNote(int rootAboveTonic, int above = 0) const {
        return Place(style_.tonic + rootAboveTonic + above, 36);
    }

    void Accompany(const Chord& chord, double beat) {
        const auto voicing = Voicing(chord);
        const int bars = style_.beatsPerBar;
        switch (style_.accompaniment) {
            case Accompaniment::Block:
                for (int half = 0; half < (bars == 4 ? 2 : 1); ++half) {
                    for (int n : voicing) Note(kChords, beat + half * 2, bars == 4 ? 2 : 3, n, 62);
                }
                break;
            case Accompaniment::Pad:
                for (int n : voicing) Note(kChords, beat, bars, n, 55);
                break;
            case Accompaniment::Waltz:
                for (int b = 1; b < bars; ++b) {
                    for (int n : voicing) Note(kChords, beat + b, 0.8, n, 58);
                }
                break;
            case Accompaniment::Marcato:
                for (int b = 0; b < bars; ++b) {
                    for (int n : voicing) Note(kChords, beat + b, 0.4, n, b == 0 ? 72 : 60);
                }
                break;
            case Accompaniment::Arpeggio: {
                std::vector<int> up = voicing;
                up.push_back(voicing.front() + 12);
                for (int i = 0; i < bars * 2; ++i) {
                    const int cycle = int(up.size()) * 2 - 2;
                    const int at = i % cycle;
                    const int index = at < int(up.size()) ? at : cycle - at;
                    Note(kChords, beat + i * 0.5, 1.0, up[size_t(index)], 58);
                }
                break;
            }
            case Accompaniment::Alberti: {
                const int pattern[] = {0, 2, 1, 2};
                for (int i = 0; i < bars * 2; ++i) {
                    Note(kChords, beat + i * 0.5, 0.5, voicing[size_t(pattern[i % 4])], 55);
                }
                break;
            }
            case Accompaniment::Strum:
                for (int b = 0; b < bars; ++b) {
                    for (size_t k = 0; k < voicing.size(); ++k) {
                        Note(kChords, beat + b + 0.03 * double(k), 0.9, voicing[k],
                             b == 0 ? 70 : 58);
                    }
                }
                break;
            case Accompaniment::Offbeat:
                for (int b = 0; b < bars; ++b) {
                    for (int n : voicing) Note(kChords, beat + b + 0.5, 0.4, n, 60);
                }
                break;
        }
    }

    void Bass(const Chord& chord, const Chord& next, double beat) {
        const int bars = style_.beatsPerBar;
        const int root = BassNote(chord.root);
        const int fifth = BassNote(chord.root, 7);
        switch (style_.bass) {
            case BassLine::Held:
                Note(kBass, beat, bars, root, 80);
                break;
            case BassLine::RootFifth:
                if (bars == 4) {
                    Note(kBass, beat, 2, root, 85);
                    Note(kBass, beat + 2, 2, fifth, 78);
                } else {
                    Note(kBass, beat, 3, root, 85);
                }
                break;
            case BassLine::Waltz:
                Note(kBass, beat, 1, dice_.Chance(30) ? fifth : root, 85);
                break;
            case BassLine::Walking: {
                const int third = BassNote(chord.root, chord.intervals[1]);
                const int target = BassNote(next.root);
                const int approach = target + (dice_.Chance(50) ? 1 : -1);
                const int line[] = {root, third, fifth, approach};
                for (int b = 0; b < bars; ++b) {
                    Note(kBass, beat + b, 1, line[b == bars - 1 ? 3 : b], 82);
                }
                break;
            }
            case BassLine::Bossa:
                Note(kBass, beat, 1.5, root, 85);
                Note(kBass, beat + 1.5, 0.5, fifth, 75);
                if (bars == 4) {
                    Note(kBass, beat + 2, 1.5, root, 82);
                    Note(kBass, beat + 3.5, 0.5, fifth, 75);
                }
                break;
            case BassLine::Octaves:
                for (int i = 0; i < bars * 2; ++i) {
                    Note(kBass, beat + i * 0.5, 0.5, root + (i % 2 ? 12 : 0), i % 2 ? 70 : 85);
                }
                break;
        }
    }

    void Hit(double beat, int drum, int velocity) { Note(kDrums, beat, 0.25, drum, velocity); }

    void Drums(double beat, bool sectionStart) {
        constexpr int kKick = 36, kSnare = 38, kStick = 37, kClosedHat = 42, kPedalHat = 44,
                      kCrash = 49, kRide = 51, kHighConga = 62, kLowConga = 64, kClaves = 75;
        const int bars = style_.beatsPerBar;
        switch (style_.groove) {
            case Groove::None:
                return;
            case Groove::Rock:
            case Groove::Shuffle:
                for (int i = 0; i < bars * 2; ++i) Hit(beat + i * 0.5, kClosedHat, i % 2 ? 50 : 65);
                for (int b = 0; b < bars; ++b)
                    Hit(beat + b, b % 2 ? kSnare : kKick, b % 2 ? 75 : 85);
                if (style_.groove == Groove::Rock && dice_.Chance(40)) Hit(beat + 2.5, kKick, 70);
                break;
            case Groove::Swing:
                for (double b : {0.0, 1.0, 1.5, 2.0, 3.0, 3.5})
                    Hit(beat + b, kRide, b == 1.5 || b == 3.5 ? 50 : 65);
                Hit(beat + 1, kPedalHat, 55);
                Hit(beat + 3, kPedalHat, 55);
                Hit(beat, kKick, 50);
                break;
            case Groove::Bossa:
                for (int i = 0; i < 8; ++i) Hit(beat + i * 0.5, kClosedHat, 40);
                for (double b : {0.0, 1.5, 2.0, 3.5}) Hit(beat + b, kKick, 60);
                for (double b : {0.0, 1.5, 3.0}) Hit(beat + b, kStick, 65);
                break;
            case Groove::March:
                for (double b : {0.0, 1.0, 2.0, 3.0, 3.5}) Hit(beat + b, kSnare, b == 0 ? 85 : 65);
                for (double b : {3.25, 3.75}) Hit(beat + b, kSnare, 50);
                Hit(beat, kKick, 85);
                Hit(beat + 2, kKick, 75);
                break;
            case Groove::Latin:
                for (double b : {0.0, 1.5, 2.0}) Hit(beat + b, kKick, 70);
                for (double b : {0.5, 1.0, 2.5}) Hit(beat + b, kHighConga, 60);
                for (double b : {1.5, 3.0, 3.5}) Hit(beat + b, kLowConga, 65);
                for (double b : {0.0, 1.5, 3.0}) Hit(beat + b, kClaves, 55);
                break;
        }
        if (sectionStart && (style_.groove == Groove::Rock || style_.groove == Groove::March)) {
            Hit(beat, kCrash, 80);
        }
    }

    const Style& style_;
    Dice& dice_;
    MidiSong& song_;
};

// The order of sections that brings the tune closest to a minute within 32-88 s.
std::vector<char> ChooseForm(const Style& style, size_t barsA, size_t barsB) {
    const std::vector<std::vector<char>> forms{
        {'A', 'B'}, {'A', 'B', 'A'}, {'A', 'A', 'B', 'A'}, {'A', 'A', 'B', 'A', 'B', 'A'}};
    const double secondsPerBar = style.beatsPerBar * 60.0 / style.beatsPerMinute;
    std::vector<char> best;
    double bestDistance = 1e9;
    for (const auto& form : forms) {
        double bars = 1;  // the closing bar
        for (char s : form) bars += double(s == 'A' ? barsA : barsB);
        const double seconds = bars * secondsPerBar;
        if (seconds < 32 || seconds > 88) continue;
        if (std::abs(seconds - 60) < bestDistance) {
            bestDistance = std::abs(seconds - 60);
            best = form;
        }
    }
    if (best.empty()) throw std::invalid_argument("no form fits 32-88 seconds");
    return best;
}

}  // namespace

std::string Compose(const Style& style) {
    Dice dice(style.seed);
    const auto chordsA = ParseSection(style.sectionA);
    const auto chordsB = ParseSection(style.sectionB);
    MelodyWriter melody(style, dice);
    const auto tuneA = melody.Section(chordsA);
    const auto tuneB = melody.Section(chordsB);

    MidiSong song(style.beatsPerMinute, style.beatsPerBar);
    song.Program(kMelody, style.melodyProgram);
    song.Program(kChords, style.chordProgram);
    song.Program(kBass, style.bassProgram);
    song.ChannelVolume(kMelody, 120);
    song.ChannelVolume(kChords, 90);
    song.ChannelVolume(kBass, 110);
    song.ChannelVolume(kDrums, 90);

    Arranger arranger(style, dice, song);
    double beat = 0;
    const auto form = ChooseForm(style, chordsA.size(), chordsB.size());
    for (size_t s = 0; s < form.size(); ++s) {
        const auto& chords = form[s] == 'A' ? chordsA : chordsB;
        const auto& following = s + 1 < form.size() && form[s + 1] == 'B' ? chordsB : chordsA;
        arranger.Melody(form[s] == 'A' ? tuneA : tuneB, beat);
        for (size_t bar = 0; bar < chords.size(); ++bar) {
            const Chord& next = bar + 1 < chords.size() ? chords[bar + 1] : following.front();
            arranger.Bar(chords[bar], next, beat, bar == 0);
            beat += style.beatsPerBar;
        }
    }
    arranger.Ending(chordsA.front(), beat);
    return song.Bytes(MidiSong::kTicksPerQuarter);
}

}  // namespace MediaGen
