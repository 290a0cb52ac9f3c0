// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/speeds.h"
#include "switch/switchevent.h"
#include "table/look.h"

#include <chrono>
#include <string>

namespace wildcrest
{

enum class Highlight { Lift, LiftAndFrame };
// With two players at the table: both hands show their backs between turns, or both stay face up.
enum class Hands { Handover, Open };
// A match saved at the last stop: offered on the title, gone on with, or left for a new one.
enum class Resume { Ask, Always, Never };

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
    bool speechPacing = true; // with speech, an offer's time starts once its name has been spoken
    bool timeLeftBar = false; // a bar under the offer empties over its time
    TableLook look; // the table's size, the cards' style and the contrast
    std::string scanMethod = "auto"; // a name of the scanning methods' registry
    int scanLoops = 0; // passes without a press before the scan rests; 0: never
    bool prompts = false; // a plain line says what a press will do when nothing is offered
    bool longPressMenu = false; // holding the switch for menuHold opens the game's menu
    std::chrono::milliseconds menuHold { 3000 };
    std::string language = "auto"; // the words shown and spoken: auto follows the desktop
    std::string computer = "standard"; // how well the computer plays: a level of its strategies
    PlayerSwitch playerSwitch; // which input is this player's switch, when two share the table
    std::string opponent = "computer"; // who plays the top hand: the computer, or a named player
    Hands hands = Hands::Handover; // with two players
    bool narration = false; // a line on the table says what just happened
    bool record = false; // every press and offer kept on this computer, for the therapist's report
    bool restOffer = false; // a rest is offered when the player tires
    Resume resume = Resume::Ask; // what becomes of a match saved at the last stop

    // Which inputs are switches, as these settings say.
    SwitchWiring wiring() const
    {
        return SwitchWiring { mouseSwitch, joystickSwitch, secondSwitch, playerSwitch, {} };
    }
};

} // namespace wildcrest
