// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "language/wording.h"
#include "settings/settings.h"

#include <string>
#include <vector>

namespace wildcrest
{

// One option as the settings file and the command line name it.
struct OptionInfo {
    std::string name; // "scan-time": key in the file, --scan-time on the command line
    std::string values; // what it takes, for the usage text
    std::string defaultValue;
    std::string help;
};
const std::vector<OptionInfo> &optionTable();
// The option's help in the language of `words`; a help made of several
// pieces ("auto: ...; step: ...") is translated piece by piece.
std::string optionHelp(const OptionInfo &option, const Wording &words);

// Sets one option from its text; returns what is wrong with the value, or "" when it was taken.
std::string applySetting(Settings &settings, const std::string &name, const std::string &value);
// The text form of an option's current value, as applySetting reads it back.
std::string settingText(const Settings &settings, const std::string &name);
// What is wrong with the options taken together (step scanning needs a second
// switch), or "" when nothing is; the option at fault is named in the text.
std::string settingsConflict(const Settings &settings);
// Puts the options at fault back to their defaults.
void settleConflict(Settings &settings);

} // namespace wildcrest
