// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

namespace wildcrest
{

using namespace std::chrono_literals;

// One pacing delay: every hold of a card, every suit offer and the computer's
// pause before it plays. Its rounds are spread over this time, so the scan
// runs at the same speed on every machine.
constexpr std::chrono::microseconds kPacingDelay = 2000ms;

// The shortest and longest scan time a player can be given.
constexpr std::chrono::microseconds kShortestScan = 500ms;
constexpr std::chrono::microseconds kLongestScan = 10000ms;

// One card travelling between deck, hand and pile: a fixed number of steps,
// each shown at its own moment.
constexpr int kAnimationSteps = 300;
constexpr std::chrono::microseconds kAnimationLength = 500ms;

// How far a card offered to the switch stands above its place.
constexpr int kLift = 250;

} // namespace wildcrest
