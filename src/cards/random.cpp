// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/random.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace wildcrest
{

namespace
{

    std::uint64_t splitmix(std::uint64_t &x)
    {
        std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

} // namespace

std::int32_t scaleUnit(float u, std::int32_t low, std::int32_t high)
{
    const std::int64_t n = std::int64_t(high) - low + 1;
    if (n <= 0 || n > INT32_MAX)
        throw std::overflow_error("Rand(" + std::to_string(low) + ", " + std::to_string(high) + ") overflows");
    return static_cast<std::int32_t>(std::floor(double(u) * double(n)) + low);
}

ClockFoldedRandom::ClockFoldedRandom(std::uint64_t seed)
{
    state_[0] = splitmix(seed);
    state_[1] = splitmix(seed);
}

float ClockFoldedRandom::unit()
{
    const std::uint64_t s0 = state_[0];
    std::uint64_t s1 = state_[1];
    const std::uint64_t result = s0 + s1;
    s1 ^= s0;
    state_[0] = ((s0 << 24) | (s0 >> 40)) ^ s1 ^ (s1 << 16);
    state_[1] = (s1 << 37) | (s1 >> 27);
    // 24 high bits make a float in [0, 1) exactly.
    return float(result >> 40) * (1.0f / 16777216.0f);
}

std::int32_t ClockFoldedRandom::rand(std::int32_t low, std::int32_t high)
{
    return scaleUnit(unit(), low, high);
}

void ClockFoldedRandom::reseed(std::uint64_t clockReading)
{
    std::uint64_t mix = state_[0] ^ clockReading;
    state_[0] = splitmix(mix);
    state_[1] ^= splitmix(mix);
    if (state_[0] == 0 && state_[1] == 0)
        state_[1] = 1;
}

RandomSource::State ClockFoldedRandom::state() const
{
    return state_;
}

void ClockFoldedRandom::restore(const State &state)
{
    state_ = state;
    if (state_[0] == 0 && state_[1] == 0)
        state_[1] = 1;
}

ListedRandom::ListedRandom(std::deque<std::int32_t> results, std::uint64_t seed)
    : results_(std::move(results))
    , rest_(seed)
{
}

std::int32_t ListedRandom::rand(std::int32_t low, std::int32_t high)
{
    if (results_.empty())
        return rest_.rand(low, high);
    const std::int32_t r = results_.front();
    results_.pop_front();
    if (r < low || r > high)
        throw std::out_of_range("listed Rand result " + std::to_string(r) + " is outside " + std::to_string(low) + " to " + std::to_string(high));
    return r;
}

void ListedRandom::reseed(std::uint64_t clockReading)
{
    rest_.reseed(clockReading);
}

RandomSource::State ListedRandom::state() const
{
    return rest_.state();
}

void ListedRandom::restore(const State &state)
{
    results_.clear();
    rest_.restore(state);
}

} // namespace wildcrest
