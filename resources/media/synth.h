#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A mono sample buffer that event sounds are drawn into, note by note.
namespace MediaGen {

constexpr int kSampleRate = 22050;

// Frequency of a MIDI note number.
double Hz(double note);

enum class Timbre {
    Sine,    // plain, soft
    Bell,    // struck metal: inharmonic partials that ring away
    Brass,   // full harmonics with a swelling attack
    Square,  // hollow and buzzy, for blips and zaps
    Pluck,   // bright attack, upper partials die first
    Wood,    // a short knock that drops in pitch
};

// A deterministic noise source, so every build makes the same files.
class Noise {
  public:
    explicit Noise(uint32_t seed) : state_(seed) {}
    double Next();  // -1..1

  private:
    uint32_t state_;
};

class Buffer {
  public:
    // A note from `start` for `length` seconds, gliding from one pitch to another.
    void Note(double start, double length, double fromHz, double toHz, Timbre timbre, double level,
              double vibrato = 0);
    void Note(double start, double length, double hz, Timbre timbre, double level) {
        Note(start, length, hz, hz, timbre, level);
    }
    // Filtered noise: `low`..`high` Hz band, dying at `decay` per second.
    void Noise(double start, double length, double low, double high, double decay, double level,
               uint32_t seed);
    // Noise whose band sweeps from one centre to another (a whoosh).
    void Sweep(double start, double length, double fromHz, double toHz, double level,
               uint32_t seed);

    // As drawn, brought down only where it would pass `peak`; the ends are faded so
    // nothing clicks.
    std::vector<int16_t> Finish(double peak = 0.8) const;

  private:
    double& At(size_t i);
    std::vector<double> samples_;
};

}  // namespace MediaGen
