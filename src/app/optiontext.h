// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "switch/switchevent.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace wildcrest
{

// The pieces of the options' text forms, as the settings file and the command
// line write them. Numbers are read the same whatever the desktop's locale.

// on, true, yes or 1; off, false, no or 0.
std::optional<bool> parseSwitch(const std::string &value);
// A whole number within the range, written as digits alone.
std::optional<long> parseWhole(const std::string &value, long low, long high);
// A finite number and nothing after it: "2.5".
std::optional<double> parseNumber(const std::string &value);
// A number of seconds within the range, to the millisecond.
std::optional<std::chrono::milliseconds> parseSeconds(const std::string &value, double low, double high);
// "2.5" for 2500 ms, "3" for 3000 ms.
std::string secondsText(std::chrono::milliseconds length);

std::optional<SecondSwitch> parseSecondSwitch(const std::string &value);
std::string secondSwitchText(const SecondSwitch &second);
// any, key:NAME, button:N or right-click.
std::optional<PlayerSwitch> parsePlayerSwitch(const std::string &value);
std::string playerSwitchText(const PlayerSwitch &own);

// "a, b or c", as an error lists what an option takes.
std::string listOf(const std::vector<std::string> &words);
// "a|b|c", as the usage text lists them.
std::string alternatives(const std::vector<std::string> &words);

} // namespace wildcrest
