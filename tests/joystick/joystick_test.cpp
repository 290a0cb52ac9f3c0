// SPDX-License-Identifier: GPL-3.0-or-later
// Joysticks and gamepads as switches: SDL's own joystick code, fed by SDL's
// virtual joysticks, into the game on the headless view's virtual clock.
#include "../common/wiring.h"
#include "joystick/joystickswitch.h"
#include "joystick/virtualjoystick.h"
#include "switchstream.h"

#include <memory>
#include <utility>
#include <vector>

using namespace wildcrest;
using namespace wildcrest::testing;

namespace
{

using Presses = std::vector<std::pair<int, bool>>;

TEST(JoystickSwitch, AnyButtonOfAnyJoystickGoesDownAndUp)
{
    Presses seen;
    JoystickSwitch joysticks([&](int button, bool pressed, bool) { seen.emplace_back(button, pressed); });
    ASSERT_TRUE(joysticks.available()) << joysticks.error();
    const int before = joysticks.attached();
    VirtualJoystick pad, other;
    ASSERT_TRUE(pad.attached() && other.attached()) << pad.error();
    joysticks.pump();
    EXPECT_EQ(joysticks.attached(), before + 2);

    pad.set(3, true);
    joysticks.pump();
    other.set(0, true);
    joysticks.pump();
    pad.set(3, false);
    joysticks.pump();
    other.set(0, false);
    joysticks.pump();
    EXPECT_EQ(seen, (Presses { { 3, true }, { 0, true }, { 3, false }, { 0, false } }));
    joysticks.pump();
    EXPECT_EQ(seen.size(), 4u) << "nothing new: nothing told";
}

TEST(JoystickSwitch, APadPulledOutWhileHeldLetsGoAndIsNoError)
{
    Presses seen;
    std::vector<bool> unplugged;
    JoystickSwitch joysticks([&](int button, bool pressed, bool gone) {
        seen.emplace_back(button, pressed);
        unplugged.push_back(gone);
    });
    const int before = joysticks.attached();
    auto pad = std::make_unique<VirtualJoystick>();
    joysticks.pump();
    pad->set(2, true);
    joysticks.pump();
    pad->set(2, false); // let go by the player
    joysticks.pump();
    pad->set(1, true);
    joysticks.pump();
    pad.reset(); // pulled out
    EXPECT_NO_THROW(joysticks.pump());
    EXPECT_EQ(joysticks.attached(), before);
    EXPECT_EQ(seen, (Presses { { 2, true }, { 2, false }, { 1, true }, { 1, false } }));
    EXPECT_EQ(unplugged, (std::vector<bool> { false, false, false, true })) << "only the last release came by pulling the pad out";
}

// The game on the virtual clock, its joystick buttons read through SDL.
class JoystickGame : public ScanFixture
{
protected:
    void start(SwitchWiring wiring = {})
    {
        wiring_ = wiring;
        startScan(0ms, 0ms);
        joysticks.pump();
    }
    // The button goes down at `from` and up `length` later, as SDL reads it then.
    void hold(Moment from, Moment length, int button)
    {
        view.at(t0 + from, [this, button] { setButton(pad, button, true); });
        view.at(t0 + from + length, [this, button] { setButton(pad, button, false); });
    }
    void setButton(VirtualJoystick &p, int button, bool down)
    {
        p.set(button, down);
        joysticks.pump();
    }

    SwitchWiring wiring_;
    std::vector<int> switches; // the switch of each button that went down
    JoystickSwitch joysticks { [this](int button, bool pressed, bool unplugged) {
        const int which = wiring_.joystickButton(button);
        if (which != 0) {
            if (pressed)
                switches.push_back(which);
            view.report(SwitchEvent { which, pressed, view.now(), SwitchSource::Joystick, unplugged });
        }
    } };
    VirtualJoystick pad;
};

// Button 0 of a virtual joystick, read through SDL as each change comes.
class SdlPresser : public SwitchPresser
{
public:
    explicit SdlPresser(HeadlessView &view)
        : view_(view)
    {
        joysticks_.pump();
    }
    void hold(Moment from, Moment length) override
    {
        view_.at(from, [this] { set(true); });
        view_.at(from + length, [this] { set(false); });
    }

private:
    void set(bool down)
    {
        pad_.set(0, down);
        joysticks_.pump();
    }

    HeadlessView &view_;
    JoystickSwitch joysticks_ { [this](int, bool pressed, bool unplugged) {
        view_.report(SwitchEvent { 1, pressed, view_.now(), SwitchSource::Joystick, unplugged });
    } };
    VirtualJoystick pad_;
};

} // namespace

INSTANTIATE_TEST_SUITE_P(ThroughSdl,
    SwitchStream,
    ::testing::Values(SwitchWay { "virtual_joystick", [](HeadlessView &view) { return std::make_unique<SdlPresser>(view); } }),
    wayName);

TEST_F(JoystickGame, APadPluggedInAndOnePulledOutMidScan)
{
    start();
    std::unique_ptr<VirtualJoystick> late;
    view.at(t0 + 500ms, [&] {
        late = std::make_unique<VirtualJoystick>();
        joysticks.pump();
    });
    view.at(t0 + 1s, [&] {
        pad.detach(); // the first one, pulled out during 9H's offer
        joysticks.pump();
    });
    view.at(t0 + 2500ms, [&] { setButton(*late, 2, true); });
    game.selection();
    EXPECT_EQ(game.match.curcard, "KH") << "the pad plugged in during the scan plays";
    EXPECT_EQ(joysticks.attached(), 1);
}

TEST_F(JoystickGame, ANamedButtonIsTheSecondSwitchAndNoLongerTheFirst)
{
    start(wiredAs(true, false, SecondSwitch { SecondSwitch::Kind::Button, 4, {} }));
    hold(500ms, 10ms, 3); // joysticks off: not a switch
    hold(2500ms, 10ms, 4);
    game.selection();
    EXPECT_EQ(game.match.curcard, "KH");
    EXPECT_EQ(switches, std::vector<int> { 2 });
}

TEST_F(JoystickGame, APadPulledOutMidPressCountsNothingInAHoldOrTheSuitChoice)
{
    startScan(0ms, 300ms);
    joysticks.pump();
    // Held during 9H's offer, pulled out before the acceptance time: no play.
    view.at(t0 + 500ms, [&] { setButton(pad, 1, true); });
    view.at(t0 + 600ms, [&] {
        pad.detach();
        joysticks.pump();
    });
    auto second = std::make_unique<VirtualJoystick>();
    view.at(t0 + 2500ms, [&] { setButton(*second, 0, true); }); // held on into KH's offer: counted at 2.8 s
    view.at(t0 + 2900ms, [&] { setButton(*second, 0, false); });
    game.selection();
    EXPECT_EQ(game.match.curcard, "KH");

    // The same while a suit is named: hearts 0-2 s, spades 2-4 s, diamonds 4-6 s.
    const Moment t1 = view.now();
    view.at(t1 + 2500ms, [&] { setButton(*second, 3, true); });
    view.at(t1 + 2600ms, [&] {
        second->detach();
        joysticks.pump();
    });
    auto third = std::make_unique<VirtualJoystick>();
    view.at(t1 + 4500ms, [&] { setButton(*third, 0, true); });
    view.at(t1 + 4900ms, [&] { setButton(*third, 0, false); });
    EXPECT_EQ(game.human().selectsuit(), 'D');
    EXPECT_EQ(joysticks.attached(), 1);
}

// The menu a long press opens, with pads pulled out in it: the one whose hold
// opened it, and one mid-press; neither takes an item, and the menu goes on.
TEST_F(JoystickGame, PadsPulledOutInTheMenuTakeNothingThere)
{
    scan.settings.longPressMenu = true; // opened by a 3 s hold
    startScan(0ms, 300ms);
    joysticks.pump();
    // Down during 9H, counted at 0.8 s; the menu opens at 3.8 s with "Back to the game" on show.
    view.at(t0 + 500ms, [&] { setButton(pad, 0, true); });
    view.at(t0 + 4500ms, [&] {
        pad.detach(); // still held
        joysticks.pump();
    });
    // "Slower" on show from 5.8 s: a press on it, its pad pulled out before the press counts.
    auto second = std::make_unique<VirtualJoystick>();
    view.at(t0 + 6000ms, [&] { setButton(*second, 0, true); });
    view.at(t0 + 6100ms, [&] {
        second->detach();
        joysticks.pump();
    });
    // "Faster" from 7.8 s, taken at 8.3 s; the menu then offers "Back to the game" again.
    auto third = std::make_unique<VirtualJoystick>();
    view.at(t0 + 8000ms, [&] { setButton(*third, 0, true); });
    view.at(t0 + 8400ms, [&] { setButton(*third, 0, false); });
    view.at(t0 + 8600ms, [&] { setButton(*third, 0, true); });
    view.at(t0 + 9000ms, [&] { setButton(*third, 0, false); });
    // 9H has the rest of its time, to 10 s; then KH, for the faster 1.75 s.
    view.at(t0 + 10500ms, [&] { setButton(*third, 0, true); });
    view.at(t0 + 10900ms, [&] { setButton(*third, 0, false); });
    game.selection();
    EXPECT_EQ(game.match.curcard, "KH") << "the pulled-out hold went back to the game, or a press went astray";
    EXPECT_EQ(scan.scantime(), 1750ms) << "only Faster was taken";
    EXPECT_FALSE(view.state(menuitem(1)).visible);
    EXPECT_EQ(joysticks.attached(), 1);
}

// With inverse scanning the menu's items run while the switch is held and
// letting go takes one; a pad pulled out is not letting go. Here it goes while
// "New match" is on show: nothing is taken, and the menu waits for a press.
TEST_F(JoystickGame, APadPulledOutWhileInverseScanningTheMenuTakesNothing)
{
    scan.settings.longPressMenu = true;
    scan.settings.scanMethod = "inverse";
    start();
    hold(500ms, 3200ms, 0); // at the wait for a draw: the menu opens at 3.5 s
    // Held from 4 s: "Back to the game", "Slower" from 6 s, "Faster" from 8 s, "New match" from 10 s.
    view.at(t0 + 4000ms, [&] { setButton(pad, 0, true); });
    view.at(t0 + 10500ms, [&] {
        pad.detach();
        joysticks.pump();
    });
    auto second = std::make_unique<VirtualJoystick>();
    view.at(t0 + 13000ms, [&] { setButton(*second, 0, true); }); // "Back to the game" again
    view.at(t0 + 13500ms, [&] { setButton(*second, 0, false); });
    view.at(t0 + 14000ms, [&] { setButton(*second, 0, true); }); // the press the game waited for
    view.at(t0 + 14100ms, [&] { setButton(*second, 0, false); });
    EXPECT_NO_THROW(scan.waitforpress(game.waits(), Await::Draw)) << "the pulled-out pad took \"New match\"";
    EXPECT_EQ(view.now(), t0 + 14100ms); // with the menu on, a press is whole when the switch comes up
    EXPECT_EQ(scan.scantime(), 2000ms);
    EXPECT_FALSE(view.state(menuitem(1)).visible);
}
