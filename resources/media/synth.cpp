#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace MediaGen {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

struct Partial {
    double ratio;
    double level;
    double decay;  // per second; 0 holds
};

std::vector<Partial> PartialsOf(Timbre timbre, double hz) {
    std::vector<Partial> partials;
    const double nyquist = kSampleRate * 0.45;
    auto add = [&](double ratio, double level, double decay) {
        if (ratio * hz < nyquist) partials.push_back({ratio, level, decay});
    };
    switch (timbre) {
        case Timbre::Sine:
            add(1, 1, 0);
            add(2, 0.08, 0);
            break;
        case Timbre::Bell:
            add(1, 1, 2.2);
            add(2.0, 0.55, 3.5);
            add(3.01, 0.3, 5);
            add(4.17, 0.22, 7);
            add(5.43, 0.12, 9);
            add(6.8, 0.06, 12);
            break;
        case Timbre::Brass:
            for (int k = 1; k <= 12; ++k) add(k, 1.0 / std::pow(k, 1.1), 0);
            break;
        case Timbre::Square:
            for (int k = 1; k <= 15; k += 2) add(k, 1.0 / k, 0);
            break;
        case Timbre::Pluck:
            for (int k = 1; k <= 8; ++k) add(k, 1.0 / k, 3.0 + 2.5 * k);
            break;
        case Timbre::Wood:
            add(1, 1, 28);
            add(2.3, 0.4, 45);
            break;
    }
    return partials;
}

// The loudness shape of a note over its length.
double Envelope(Timbre timbre, double t, double length) {
    const double release = std::min(0.06, length * 0.3);
    const double tail = t > length - release ? (length - t) / release : 1.0;
    switch (timbre) {
        case Timbre::Brass:
            return std::min(1.0, t / 0.03) * tail;
        case Timbre::Sine:
        case Timbre::Square:
            return std::min(1.0, t / 0.005) * tail;
        case Timbre::Bell:
        case Timbre::Pluck:
        case Timbre::Wood:
            return std::min(1.0, t / 0.002) * tail;
    }
    return tail;
}

}  // namespace

double Hz(double note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

double Noise::Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return double(state_ >> 8) / double(1 << 23) - 1.0;
}

double& Buffer::At(size_t i) {
    if (i >= samples_.size()) samples_.resize(i + 1, 0.0);
    return samples_[i];
}

void Buffer::Note(double start, double length, double fromHz, double toHz, Timbre timbre,
                  double level, double vibrato) {
    const auto first = size_t(start * kSampleRate);
    const auto count = size_t(length * kSampleRate);
    const auto partials = PartialsOf(timbre, std::max(fromHz, toHz));
    double phase = 0;
    for (size_t i = 0; i < count; ++i) {
        const double t = double(i) / kSampleRate;
        const double along = t / length;
        // Exponential glide, as a voice or a slide would bend.
        double hz = fromHz * std::pow(toHz / fromHz, along);
        if (timbre == Timbre::Wood) hz *= 1.0 + 0.5 * std::exp(-t * 60);
        hz *= 1.0 + vibrato * std::sin(kTwoPi * 5.5 * t);
        phase += hz / kSampleRate;
        double sample = 0;
        for (const auto& p : partials) {
            const double ring = p.decay > 0 ? std::exp(-p.decay * t) : 1.0;
            sample += p.level * ring * std::sin(kTwoPi * p.ratio * phase);
        }
        At(first + i) += level * Envelope(timbre, t, length) * sample;
    }
}

void Buffer::Noise(double start, double length, double low, double high, double decay, double level,
                   uint32_t seed) {
    MediaGen::Noise noise(seed);
    const auto first = size_t(start * kSampleRate);
    const auto count = size_t(length * kSampleRate);
    // A one-pole high-pass after a one-pole low-pass makes the band.
    const double a = std::exp(-kTwoPi * high / kSampleRate);
    const double b = std::exp(-kTwoPi * low / kSampleRate);
    double lowPassed = 0, slow = 0;
    for (size_t i = 0; i < count; ++i) {
        const double t = double(i) / kSampleRate;
        lowPassed = (1 - a) * noise.Next() + a * lowPassed;
        slow = (1 - b) * lowPassed + b * slow;
        const double attack = std::min(1.0, t / 0.001);
        At(first + i) += level * attack * std::exp(-decay * t) * (lowPassed - slow) * 4;
    }
}

void Buffer::Sweep(double start, double length, double fromHz, double toHz, double level,
                   uint32_t seed) {
    MediaGen::Noise noise(seed);
    const auto first = size_t(start * kSampleRate);
    const auto count = size_t(length * kSampleRate);
    double lowPassed = 0, slow = 0;
    for (size_t i = 0; i < count; ++i) {
        const double along = double(i) / double(count);
        const double centre = fromHz * std::pow(toHz / fromHz, along);
        const double a = std::exp(-kTwoPi * centre * 1.5 / kSampleRate);
        const double b = std::exp(-kTwoPi * centre / 1.5 / kSampleRate);
        lowPassed = (1 - a) * noise.Next() + a * lowPassed;
        slow = (1 - b) * lowPassed + b * slow;
        const double shape = std::sin(std::numbers::pi * along);
        At(first + i) += level * shape * (lowPassed - slow) * 4;
    }
}

std::vector<int16_t> Buffer::Finish(double peak) const {
    double loudest = peak;
    for (double s : samples_) loudest = std::max(loudest, std::abs(s));
    const size_t fade = std::min<size_t>(samples_.size() / 2, kSampleRate / 1000);
    std::vector<int16_t> out(samples_.size());
    for (size_t i = 0; i < samples_.size(); ++i) {
        double gain = peak / loudest;
        if (i < fade) gain *= double(i) / double(fade);
        if (samples_.size() - i <= fade) gain *= double(samples_.size() - i - 1) / double(fade);
        out[i] = int16_t(std::lround(std::clamp(samples_[i] * gain, -1.0, 1.0) * 32767));
    }
    return out;
}

}  // namespace MediaGen
