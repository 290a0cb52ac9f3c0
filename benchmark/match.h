// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figures.h"
#include "table/look.h"

#include <optional>
#include <string>
#include <vector>

namespace wildcrest::bench
{

// What one launch of the game and one whole match cost.
struct MatchFigures {
    double launchToTitle = 0; // seconds from starting the process to the title screen painted
    double calibration = 0; // seconds of those spent counting clock readings
    double peakMegabytes = 0; // VmHWM at the end of the match
    double matchSeconds = 0;
};

// Starts `self` with --match SCALE in a new process and reads its figures.
std::optional<MatchFigures> measureMatch(const std::string &self, double scale);

// Starts `self` with --start and the look in a new process and reads how long
// it took to its title screen (no memory, no match).
std::optional<MatchFigures> measureStart(const std::string &self, const TableLook &look);

// Start-up to the title in a new process, the default look and the largest
// table scale with large indices and four colours, which draws its pictures
// when it starts: the calibration and the rest, one row each.
void startRows(const std::string &self, std::vector<Row> &rows);

// The --start process: starts the game exactly as main.cpp does, in `look`,
// up to its title screen painted; prints the figures.
int runStart(const TableLook &look);

// The --match process: starts the game exactly as main.cpp does, with the
// table at `scale`, then an eager switch user (a press every 50 ms) plays one
// whole match; prints the figures.
int runMatch(double scale);

} // namespace wildcrest::bench
