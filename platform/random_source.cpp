#include "platform/random_source.h"

#include <cmath>

namespace {
SeededRandom defaultSource;
RandomSource* installedSource = nullptr;
}  // namespace

double SeededRandom::Next() {
    // 24 bits, like a single-precision Rnd: never rounds up to 1.
    return static_cast<double>(engine_() >> 8) / 16777216.0;
}

std::unique_ptr<RandomSource> SeededRandom::Clone() const {
    return std::make_unique<SeededRandom>(*this);
}

double ScriptedRandom::Next() {
    if (values_.empty()) return rest_.Next();
    const double v = values_.front();
    values_.pop_front();
    return v;
}

std::unique_ptr<RandomSource> ScriptedRandom::Clone() const {
    return std::make_unique<ScriptedRandom>(*this);
}

void InstallRandomSource(RandomSource* source) { installedSource = source; }

RandomSource& CurrentRandomSource() {
    return installedSource ? *installedSource : static_cast<RandomSource&>(defaultSource);
}

double Rnd() { return CurrentRandomSource().Next(); }

int RandomBelow(int n) { return static_cast<int>(std::floor(Rnd() * n)); }
