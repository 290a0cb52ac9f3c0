// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <deque>

namespace wildcrest
{

// Where the shuffles get their chances. The game reseeds from the clock before
// every Rand, so a source must fold each reading into its running state rather
// than restart from it: otherwise every reseed within one clock tick would
// repeat the same value and a shuffle would spin until the clock moved on.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A uniform integer from low to high inclusive.
    virtual std::int32_t rand(std::int32_t low, std::int32_t high) = 0;
    virtual void reseed(std::uint64_t clockReading) = 0;
    // The running state, as a saved match keeps it, and that state taken back:
    // a source restored to a state draws on as it drew from there.
    using State = std::array<std::uint64_t, 2>;
    virtual State state() const = 0;
    virtual void restore(const State &state) = 0;
};

// Scales a uniform u in [0, 1) to low..high: floor(u * n) + low, n = high - low + 1.
std::int32_t scaleUnit(float u, std::int32_t low, std::int32_t high);

// A small generator (xoshiro128+ style) whose reseed mixes the reading into its state.
class ClockFoldedRandom : public RandomSource
{
public:
    explicit ClockFoldedRandom(std::uint64_t seed = 0);
    std::int32_t rand(std::int32_t low, std::int32_t high) override;
    void reseed(std::uint64_t clockReading) override;
    State state() const override;
    void restore(const State &state) override;
    float unit();

private:
    State state_;
};

// Gives back a listed sequence of results in call order (a replayed game), then
// goes on with a seeded generator when the list runs out.
class ListedRandom : public RandomSource
{
public:
    explicit ListedRandom(std::deque<std::int32_t> results, std::uint64_t seed = 0);
    std::int32_t rand(std::int32_t low, std::int32_t high) override;
    void reseed(std::uint64_t clockReading) override;
    // The seeded generator's state: the listed results are a replay's, not kept.
    State state() const override;
    void restore(const State &state) override;

private:
    std::deque<std::int32_t> results_;
    ClockFoldedRandom rest_;
};

} // namespace wildcrest
