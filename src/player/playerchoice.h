// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "player/scanning.h"
#include "switch/switchwaits.h"
#include "table/tableview.h"

#include <cstddef>
#include <string>
#include <vector>

namespace wildcrest
{

// On the title screen, where it says "[Press any key to start]", the players'
// names (or any other choices: the saved match's "Go on" and "New match") are
// offered one by one with `scan`; returns the index of the name taken, which
// stays on the title until the game deals.
//
//     SwitchWaits waits(view);
//     ScanRoom scan(view, firstPlayersSettings);
//     const std::size_t who = chooseplayer(view, scan, waits, { "Sam", "Alex" });
std::size_t chooseplayer(TableView &view, Scanning &scan, SwitchWaits &waits, const std::vector<std::string> &names);

} // namespace wildcrest
