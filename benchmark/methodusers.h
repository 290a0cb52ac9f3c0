// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cards/random.h"
#include "game/gameform.h"
#include "player/scanroom.h"
#include "table/headless/headlessview.h"

#include <chrono>
#include <cstdint>

namespace wildcrest::simulation
{

// A game on the virtual clock for a simulated switch user; set its scanning
// room before the game loads.
struct SimulatedGame {
    explicit SimulatedGame(std::uint64_t seed)
        : random(seed)
    {
        view.setReadingCost(std::chrono::milliseconds(1));
    }
    HeadlessView view;
    ClockFoldedRandom random;
    ScanRoom scan { view };
    GameForm game { view, random, scan };
};

// Prints the rows of the scanning methods (step, step-dwell, inverse, and auto
// for the player with involuntary presses) against simulated switch users;
// returns how many rows stopped before their turns.
long printMethodRows(long turns);

} // namespace wildcrest::simulation
