#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <random>

// The one source of chance for the whole game: deals, sort pivots, the computer's
// draws, colours. Seedable, so a game can be played again move for move.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A number in [0, 1), as the classic Rnd gives it.
    virtual double Next() = 0;
    virtual void Seed(uint32_t seed) = 0;
    // An independent copy that goes on exactly as this one would.
    virtual std::unique_ptr<RandomSource> Clone() const = 0;
};

class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(uint32_t seed = 5489u) : engine_(seed) {}
    double Next() override;
    void Seed(uint32_t seed) override { engine_.seed(seed); }
    std::unique_ptr<RandomSource> Clone() const override;

private:
    std::mt19937 engine_;
};

// Hands out the queued values first, then goes on from a seeded generator.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::deque<double> values = {}, uint32_t seed = 1)
        : values_(std::move(values)), rest_(seed) {}
    void Push(double value) { values_.push_back(value); }
    double Next() override;
    void Seed(uint32_t seed) override { rest_.Seed(seed); }
    std::unique_ptr<RandomSource> Clone() const override;

private:
    std::deque<double> values_;
    SeededRandom rest_;
};

void InstallRandomSource(RandomSource* source);
RandomSource& CurrentRandomSource();

// Draws from the installed source.
double Rnd();
// The integer part of Rnd() × n: 0 to n − 1.
int RandomBelow(int n);
