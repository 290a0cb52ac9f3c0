// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/speeds.h"
#include "table/look.h"
#include "table/switchevent.h"

#include <chrono>
#include <string>
#include <vector>

namespace wildcrest
{

enum class Highlight { Lift, LiftAndFrame };

// The values of the option scan-method.
enum class ScanMethodName { Auto, Step, StepDwell, Inverse };

// How the switch and the scan are tuned for one player, by the person who sets
// up the computer. The defaults are the game as it always plays.
struct Settings {
    std::chrono::milliseconds scanTime = std::chrono::duration_cast<std::chrono::milliseconds>(kPacingDelay); // every pacing delay
    bool adaptiveScan = false; // learn the scan time from the player's presses
    bool mouseSwitch = true; // a left click is the switch too
    bool joystickSwitch = true; // any joystick or gamepad button is the switch too
    SecondSwitch secondSwitch; // none: every key is the one switch
    std::chrono::milliseconds debounce { 0 }; // presses this soon after the last one are ignored
    std::chrono::milliseconds acceptance { 0 }; // a press counts once held this long
    bool pauseOnFirstOffer = false; // the first offer of a turn lasts twice as long
    Highlight highlight = Highlight::Lift;
    bool soundCue = false; // a short sound at each new offer
    bool speech = false; // offers and plays are spoken
    TableLook look; // the table's size, the cards' style and the contrast
    ScanMethodName scanMethod = ScanMethodName::Auto;
    int scanLoops = 0; // passes without a press before the scan rests; 0: never
    bool prompts = false; // a plain line says what a press will do when nothing is offered
    bool longPressMenu = false; // holding the switch for menuHold opens the game's menu
    std::chrono::milliseconds menuHold { 3000 };
    std::string language = "auto"; // the words shown and spoken: auto follows the desktop

    // Which inputs are switches, as these settings say.
    SwitchWiring wiring() const
    {
        return SwitchWiring { mouseSwitch, joystickSwitch, secondSwitch };
    }
};

// One option as the settings file and the command line name it.
struct OptionInfo {
    std::string name; // "scan-time": key in the file, --scan-time on the command line
    std::string values; // what it takes, for the usage text
    std::string defaultValue;
    std::string help;
};
const std::vector<OptionInfo> &optionTable();

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
