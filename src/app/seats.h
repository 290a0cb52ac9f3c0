// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings.h"

#include <vector>

namespace wildcrest
{

// Whether two players name the one same input as their own switch. Any names
// none: it is every input the other player leaves.
bool sameSwitch(const PlayerSwitch &a, const PlayerSwitch &b);

// The switch wiring of each seat at the table, the player of the bottom hand
// first; `second` is the player of the top hand, or null when the computer
// plays it. Each seat leaves the input the other seat names to that seat.
//
//     const std::vector<SwitchWiring> seats = seatWiring(line.settings, line.opponent.empty() ? nullptr : &line.opponentSettings);
std::vector<SwitchWiring> seatWiring(const Settings &first, const Settings *second);

} // namespace wildcrest
