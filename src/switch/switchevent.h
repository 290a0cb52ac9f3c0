// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace wildcrest
{

// A moment on the view's clock, counted from an arbitrary start.
using Moment = std::chrono::microseconds;

// Where a switch press came from; every source reaches the game the same way.
enum class SwitchSource { Key, Mouse, Joystick };

// One thing a switch did: which switch (1, or 2 for a second switch), whether
// it went down or came up, and when, on the view's clock.
//
//     handler(SwitchEvent { 1, true, view.now(), SwitchSource::Joystick });
struct SwitchEvent {
    int which = 1;
    bool pressed = true; // false: released
    Moment when {};
    SwitchSource source = SwitchSource::Key;
    bool unplugged = false; // released because its device went away, not by the player
    int seat = 0; // whose switch: 0 the player of the bottom hand, 1 a second player's (the top hand)
};

// "key", "mouse" or "joystick", as the try-out panel names a source.
std::string sourceName(SwitchSource source);

// What the player's second switch is, if any. With none, every switch source
// is switch 1; the key or button named here is switch 2 and no longer switch 1.
struct SecondSwitch {
    enum class Kind { None, Enter, RightClick, Button, Key };
    Kind kind = Kind::None;
    int button = 0; // Button: the joystick or gamepad button, 0 to 31
    std::string key; // Key: the key's name as Qt writes it ("F8", "Tab")

    friend bool operator==(const SecondSwitch &, const SecondSwitch &) = default;
};

// Which input is a player's own switch when players share the table. Any is
// every input the wiring makes switch 1, less those another player names.
struct PlayerSwitch {
    enum class Kind { Any, Key, Button, RightClick };
    Kind kind = Kind::Any;
    std::string key; // Key: the key's name as Qt writes it ("Space", "Return")
    int button = 0; // Button: the joystick or gamepad button, 0 to 31

    friend bool operator==(const PlayerSwitch &, const PlayerSwitch &) = default;
};

// Which of the player's inputs are switches, and which switch each is.
struct SwitchWiring {
    bool mouse = true; // a left click is switch 1
    bool joystick = true; // every joystick or gamepad button is switch 1
    SecondSwitch second;
    PlayerSwitch own; // not Any: this input alone is switch 1
    std::vector<PlayerSwitch> others; // the switches other players at the table name: never this player's

    // The switch a joystick or gamepad button is (1 or 2), or 0 for none.
    int joystickButton(int button) const;
    // The switch a left (or else right) click is, or 0 for none.
    int click(bool left) const;
    bool wantsJoysticks() const;
    // Whether another player at the table names `input` as their switch.
    bool claimedByAnother(const PlayerSwitch &input) const;
};

} // namespace wildcrest
