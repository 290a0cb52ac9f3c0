// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "switchuser.h"

#include "settings/settings.h"

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace wildcrest::simulation
{

// The scanning methods a soaked match is played with; Default sets nothing at all.
enum class Method { Default, Auto, Step, StepDwell, Inverse };
constexpr int kMethods = 5;
const char *methodName(Method method);

// How one soaked match is played: a scanning method and the settings around it
// (scan time, loops, debounce, acceptance, the long-press menu, the aids); at
// some tables a second player with a switch plays the top hand, drawn the same way.
struct WayToPlay {
    Method method = Method::Default;
    Settings settings;
    std::string computer = "standard"; // the computer's level
    struct Second {
        Method method = Method::Default;
        Settings settings;
        bool handover = false; // else both hands lie open
    };
    std::optional<Second> second;
    enum class Names { None, Both, TopOnly };
    Names names = Names::None;
    bool narration = false;
    std::string describe() const;
};

// A way to play drawn from the match's own random numbers, so a seed replays it.
WayToPlay drawWay(std::mt19937_64 &rng);

enum class Mood {
    Calm, // one press at a time, timed to what is on offer
    Idle, // long silences
    Storm, // bursts of presses, as an impatient hand or a bouncing switch makes them
    Bouncy, // each press followed by a few short bounces
    Holding, // long holds, which open the menu when it is on
};

// A switch user at seat `seat` who plays by their scanning method: taps for
// auto and step-dwell, the second switch to take with step, holds for inverse;
// long holds open the menu, where it changes the speed and goes back, reading
// the item on offer so that it never takes "New match" or "End the game".
class WayUser
{
public:
    WayUser(std::uint64_t seed, Method method, const Settings &settings, const Scanning &scan, int seat = 0);

    // Called by the SwitchUser at every fresh wait of its own; schedules its presses on the view itself.
    void look(const Situation &s, HeadlessView &view);
    // A plain press where either player may go on (the title, between rounds).
    void goOn(HeadlessView &view);
    // Now and then a press or a burst during the other player's turn.
    void outOfTurn(HeadlessView &view);
    // Whether one of its presses goes down within [from, to].
    bool pressedWithin(Moment from, Moment to) const;
    long outOfTurnPresses() const
    {
        return outOfTurn_;
    }

    long presses() const
    {
        return presses_;
    }
    long menusOpened() const
    {
        return menusOpened_;
    }

private:
    bool chance(int percent);
    Moment between(Moment low, Moment high);
    Moment keyDelay();
    // A press that counts when the filters let it: held past the acceptance time, never as long as the menu's hold.
    void tap(HeadlessView &view, Moment at, int which = 1);
    // Its own switch `which`, down and up, as seat `seat_`'s.
    void pressDown(HeadlessView &view, Moment at, int which = 1);
    void release(HeadlessView &view, Moment at, int which = 1);
    void press(HeadlessView &view, Moment at, Moment length, int which);
    void hold(HeadlessView &view, Moment at, Moment length, int which = 1);
    void storm(HeadlessView &view);
    void longHold(HeadlessView &view);
    void inMenu(const Situation &s, HeadlessView &view);
    void inverse(const Situation &s, HeadlessView &view);
    // The earliest moment the next press of the user's own can come.
    Moment ready(const HeadlessView &view, Moment delay) const;

    std::mt19937_64 rng_;
    Method method_;
    const Settings &settings_;
    const Scanning &scan_;
    int seat_;
    std::vector<Moment> downs_;
    long outOfTurn_ = 0;
    Mood mood_ = Mood::Calm;
    Moment freeAt_ {}; // the last press is up and past the debounce time
    Moment nextOwn_ {}; // when the last press of its own (not a storm's) goes down
    bool holding_ = false; // an inverse hold in the menu, let go when the item wanted is on show
    std::vector<int> menuPlan_; // the menu items still to take, last first
    bool inMenu_ = false;
    long presses_ = 0;
    long menusOpened_ = 0;
};

} // namespace wildcrest::simulation
