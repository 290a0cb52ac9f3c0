// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "switchuser.h"

#include "settings/settings.h"

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
// (scan time, loops, debounce, acceptance, the long-press menu, the aids).
struct WayToPlay {
    Method method = Method::Default;
    Settings settings;
    std::string computer = "standard"; // the computer's level
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

// A switch user who plays by the match's scanning method: taps for auto and
// step-dwell, the second switch to take with step, holds for inverse; long
// holds open the menu, where it changes the speed and goes back, reading the
// item on offer so that it never takes "New match" or "End the game".
class WayUser
{
public:
    WayUser(std::uint64_t seed, const WayToPlay &way, const Scanning &scan);

    // Called by the SwitchUser at every fresh wait; schedules its presses on the view itself.
    void look(const Situation &s, HeadlessView &view);

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
    void hold(HeadlessView &view, Moment at, Moment length, int which = 1);
    void storm(HeadlessView &view);
    void longHold(HeadlessView &view);
    void inMenu(const Situation &s, HeadlessView &view);
    void inverse(const Situation &s, HeadlessView &view);
    // The earliest moment the next press of the user's own can come.
    Moment ready(const HeadlessView &view, Moment delay) const;

    std::mt19937_64 rng_;
    const WayToPlay &way_;
    const Scanning &scan_;
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
