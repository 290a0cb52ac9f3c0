// SPDX-License-Identifier: GPL-3.0-or-later
#include "waystoplay.h"

#include "app/options.h"
#include "computer/strategy.h"

#include "settings/speeds.h"

#include <algorithm>

namespace wildcrest::simulation
{

const char *methodName(Method method)
{
    switch (method) {
    case Method::Default:
        return "default";
    case Method::Auto:
        return "auto";
    case Method::Step:
        return "step";
    case Method::StepDwell:
        return "step-dwell";
    case Method::Inverse:
        return "inverse";
    }
    return "?";
}

namespace
{

    template <typename Rng> int upTo(Rng &rng, int high)
    {
        return std::uniform_int_distribution<int>(0, high)(rng);
    }

    std::chrono::milliseconds millis(std::mt19937_64 &rng, int low, int high)
    {
        return std::chrono::milliseconds(low + upTo(rng, high - low));
    }

} // namespace

namespace
{

    // A scanning method and the settings around it, for one player.
    void drawSeat(std::mt19937_64 &rng, Method &method, Settings &s)
    {
        method = Method(upTo(rng, kMethods - 1));
        if (method == Method::Default)
            return;
        const char *const names[] = { "auto", "auto", "step", "step-dwell", "inverse" };
        s.scanMethod = names[int(method)];
        if (method == Method::Step)
            s.secondSwitch = SecondSwitch { SecondSwitch::Kind::Enter, 0, {} };
        const auto often = [&](int percent) { return upTo(rng, 99) < percent; };
        s.scanTime = often(30) ? std::chrono::milliseconds(500 + 250 * upTo(rng, 14)) : s.scanTime;
        s.adaptiveScan = often(20);
        s.scanLoops = method == Method::Auto && often(50) ? 1 + upTo(rng, 3) : 0;
        // Kept where a player can still take an offer on purpose: a press must
        // count within the shortest scan time.
        s.debounce = often(50) ? millis(rng, 10, often(10) ? 2000 : 400) : s.debounce;
        s.acceptance = often(50) ? millis(rng, 10, 250) : s.acceptance;
        s.pauseOnFirstOffer = often(30);
        s.highlight = often(30) ? Highlight::LiftAndFrame : Highlight::Lift;
        s.soundCue = often(30);
        s.speech = often(30);
        s.prompts = often(30);
        s.longPressMenu = often(60);
        s.menuHold = millis(rng, 1500, 5000);
    }

    std::string seatText(Method method, const Settings &settings)
    {
        if (method == Method::Default)
            return "default (nothing set)";
        std::string text = methodName(method);
        for (const char *name : { "scan-time", "scan-loops", "debounce", "acceptance", "pause-on-first-offer", "switch-menu", "menu-hold", "prompts" })
            text += std::string(" ") + name + "=" + settingText(settings, name);
        return text;
    }

} // namespace

WayToPlay drawWay(std::mt19937_64 &rng)
{
    WayToPlay way;
    drawSeat(rng, way.method, way.settings);
    way.computer = strategyLevels()[upTo(rng, int(strategyLevels().size()) - 1)];
    if (upTo(rng, 3) == 0) { // about one match in four: a second player with a switch
        WayToPlay::Second &second = way.second.emplace();
        drawSeat(rng, second.method, second.settings);
        second.handover = upTo(rng, 1) == 0;
        way.names = WayToPlay::Names(upTo(rng, 2));
        way.narration = upTo(rng, 1) == 0;
    }
    return way;
}

std::string WayToPlay::describe() const
{
    if (!second)
        return seatText(method, settings) + " computer=" + computer;
    const char *const named[] = { "unnamed", "named", "top named" };
    return std::string("two players, ") + (second->handover ? "handover" : "open hands") + ", " + named[int(names)] + (narration ? ", narrated" : "")
        + "; bottom: " + seatText(method, settings) + "; top: " + seatText(second->method, second->settings);
}

WayUser::WayUser(std::uint64_t seed, Method method, const Settings &settings, const Scanning &scan, int seat)
    : rng_(seed)
    , method_(method)
    , settings_(settings)
    , scan_(scan)
    , seat_(seat)
{
}

void WayUser::pressDown(HeadlessView &view, Moment at, int which)
{
    view.switchAt(SwitchEvent { which, true, at, SwitchSource::Key, false, seat_ });
    downs_.push_back(at);
}

void WayUser::release(HeadlessView &view, Moment at, int which)
{
    view.switchAt(SwitchEvent { which, false, at, SwitchSource::Key, false, seat_ });
}

void WayUser::press(HeadlessView &view, Moment at, Moment length, int which)
{
    pressDown(view, at, which);
    release(view, at + length, which);
}

bool WayUser::pressedWithin(Moment from, Moment to) const
{
    return std::any_of(downs_.begin(), downs_.end(), [&](Moment d) { return d >= from && d <= to; });
}

void WayUser::goOn(HeadlessView &view)
{
    if (view.now() >= nextOwn_ && view.pendingEvents() == 0)
        tap(view, ready(view, keyDelay()));
}

void WayUser::outOfTurn(HeadlessView &view)
{
    if (!chance(15) || view.now() < freeAt_)
        return;
    ++outOfTurn_;
    if (chance(20)) {
        storm(view);
        return;
    }
    tap(view, ready(view, between(10ms, 2s)), method_ == Method::Step && chance(50) ? 2 : 1);
}

bool WayUser::chance(int percent)
{
    return std::uniform_int_distribution<int>(0, 99)(rng_) < percent;
}

Moment WayUser::between(Moment low, Moment high)
{
    return Moment(std::uniform_int_distribution<long long>(low.count(), std::max(low, high).count())(rng_));
}

Moment WayUser::keyDelay()
{
    return mood_ == Mood::Idle ? between(1min, 30min) : between(50ms, 3s);
}

Moment WayUser::ready(const HeadlessView &view, Moment delay) const
{
    return std::max(view.now() + delay, freeAt_);
}

void WayUser::hold(HeadlessView &view, Moment at, Moment length, int which)
{
    press(view, at, length, which);
    ++presses_;
    Moment up = at + length;
    nextOwn_ = std::max(nextOwn_, at);
    // A worn switch bounces as it comes up; never in the menu, where a stray press could take the wrong item.
    if (mood_ == Mood::Bouncy && !inMenu_)
        for (int bounces = std::uniform_int_distribution<int>(1, 3)(rng_); bounces > 0; --bounces) {
            const Moment down = up + between(1ms, 25ms);
            up = down + between(0ms, 4ms);
            press(view, down, up - down, which);
            ++presses_;
        }
    freeAt_ = std::max(freeAt_, up + settings_.debounce + 1ms);
}

void WayUser::tap(HeadlessView &view, Moment at, int which)
{
    hold(view, at, settings_.acceptance + between(1ms, 120ms), which);
}

void WayUser::storm(HeadlessView &view)
{
    const int count = std::uniform_int_distribution<int>(5, 200)(rng_);
    const Moment saved = freeAt_;
    for (int i = 0; i < count; ++i) {
        press(view, view.now() + between(0us, 600ms), between(0ms, settings_.acceptance + 60ms), method_ == Method::Step && chance(30) ? 2 : 1);
        ++presses_;
    }
    freeAt_ = std::max(saved, view.now() + 600ms + settings_.acceptance + 60ms + settings_.debounce + 1ms);
}

void WayUser::longHold(HeadlessView &view)
{
    hold(view, ready(view, between(50ms, 1s)), settings_.acceptance + settings_.menuHold + between(100ms, 3s));
}

void WayUser::look(const Situation &s, HeadlessView &view)
{
    if (chance(8))
        mood_ = Mood(std::uniform_int_distribution<int>(0, 4)(rng_));
    if (s.wait == Wait::Menu) {
        inMenu(s, view);
        return;
    }
    inMenu_ = false;
    menuPlan_.clear();
    if (holding_) { // out of the menu with the switch still down: let it go
        holding_ = false;
        release(view, view.now() + 1ms);
        freeAt_ = view.now() + 1ms + settings_.debounce + 1ms;
    }
    if (s.wait == Wait::Other)
        return;
    if (mood_ == Mood::Storm && chance(60) && view.now() >= freeAt_)
        storm(view);
    if (view.now() < nextOwn_)
        return; // one press of its own to come at a time, or they would pile up far ahead
    if (mood_ == Mood::Holding && chance(50) && view.pendingEvents() == 0) {
        longHold(view);
        return;
    }
    if (method_ == Method::Inverse) {
        inverse(s, view);
        return;
    }
    if (s.deadline != Moment::max()) { // an offer that passes on its own: auto and step-dwell
        const Moment latest = s.deadline - settings_.acceptance - 1ms;
        const Moment earliest = ready(view, 0us);
        if (mood_ != Mood::Idle && chance(35) && earliest <= latest)
            tap(view, between(earliest, latest));
        return;
    }
    // A wait without limit: a key wait, or a step offer, where switch 1 moves and switch 2 takes.
    int which = 1;
    if (method_ == Method::Step)
        which = chance(s.wait == Wait::Offer || s.wait == Wait::Suit ? 60 : 50) ? 2 : 1;
    tap(view, ready(view, keyDelay()), which);
}

// Inverse: a hold starts the scan and runs it; letting go takes what is on show.
void WayUser::inverse(const Situation &s, HeadlessView &view)
{
    if (s.deadline != Moment::max())
        return; // the offers run while the hold lasts
    const Moment length = chance(30) ? between(1ms, 120ms) : between(1ms, 3 * scan_.scantime());
    hold(view, ready(view, keyDelay()), settings_.acceptance + length);
}

// The menu: change the speed once or twice, then go back to the game. Only
// "Back to the game", "Slower" and "Faster" are ever taken, each by its caption.
void WayUser::inMenu(const Situation &s, HeadlessView &view)
{
    static const std::string safe[] = { "", "Back to the game", "Slower", "Faster" };
    if (!inMenu_) {
        inMenu_ = true;
        ++menusOpened_;
        menuPlan_ = { 1 };
        for (int changes = 1 + chance(30); changes > 0; --changes)
            menuPlan_.push_back(2 + chance(50));
    }
    const int target = menuPlan_.back();
    const bool onTarget = s.item == target && s.caption == safe[target];
    const auto took = [&] {
        if (menuPlan_.size() > 1)
            menuPlan_.pop_back();
    };
    const bool timed = s.deadline != Moment::max();
    switch (method_) {
    case Method::Inverse:
        if (!holding_) {
            if (!timed && view.pendingEvents() == 0) {
                holding_ = true;
                pressDown(view, ready(view, between(50ms, 1s)));
                ++presses_;
            }
        } else if (!timed && s.item == 0) { // the press did not count: let go and try again
            holding_ = false;
            release(view, view.now() + 1ms);
            freeAt_ = view.now() + 1ms + settings_.debounce + 1ms;
        } else if (onTarget) {
            holding_ = false;
            const Moment up = view.now() + between(0ms, std::min<Moment>(100ms, (s.deadline - view.now()) / 2));
            release(view, up);
            freeAt_ = up + settings_.debounce + 1ms;
            took();
        }
        return;
    case Method::Step:
        if (!timed && view.pendingEvents() == 0) {
            tap(view, ready(view, between(100ms, 1s)), onTarget ? 2 : 1);
            if (onTarget)
                took();
        }
        return;
    case Method::StepDwell:
        if (!timed) {
            if (view.pendingEvents() == 0)
                tap(view, ready(view, between(100ms, 1s))); // shows the first item
        } else if (onTarget) {
            took(); // left on show, it is taken
        } else if (s.item < target || s.item > 3) {
            const Moment at = ready(view, between(50ms, 300ms));
            if (at + settings_.acceptance + 20ms < s.deadline)
                tap(view, at);
        }
        return;
    case Method::Default:
    case Method::Auto:
        if (!timed && view.pendingEvents() == 0) {
            tap(view, ready(view, between(100ms, 1s))); // the scan rested: start it again
            // The first item comes at once after that press: with a debounce as long
            // as the scan time it cannot be taken, so slow the scan down first.
            if (target == 1 && settings_.debounce + 20ms >= scan_.scantime())
                menuPlan_.push_back(2);
        } else if (timed && onTarget) {
            const Moment earliest = ready(view, 0us);
            const Moment latest = s.deadline - settings_.acceptance - 20ms;
            if (earliest <= latest) {
                tap(view, between(earliest, latest));
                took();
            }
        }
        return;
    }
}

} // namespace wildcrest::simulation
