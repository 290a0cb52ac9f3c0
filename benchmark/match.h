// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

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

// The --match process: starts the game exactly as main.cpp does, with the
// table at `scale`, then an eager switch user (a press every 50 ms) plays one
// whole match; prints the figures.
int runMatch(double scale);

} // namespace wildcrest::bench
