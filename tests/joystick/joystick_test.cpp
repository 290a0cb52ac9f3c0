// SPDX-License-Identifier: GPL-3.0-or-later
// Joysticks and gamepads as switches: SDL's own joystick code, fed by SDL's
// virtual joysticks, into the game on the headless view's virtual clock.
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
    JoystickSwitch joysticks([&](int button, bool pressed) { seen.emplace_back(button, pressed); });
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
    JoystickSwitch joysticks([&](int button, bool pressed) { seen.emplace_back(button, pressed); });
    const int before = joysticks.attached();
    auto pad = std::make_unique<VirtualJoystick>();
    joysticks.pump();
    pad->set(1, true);
    joysticks.pump();
    pad.reset(); // pulled out
    EXPECT_NO_THROW(joysticks.pump());
    EXPECT_EQ(joysticks.attached(), before);
    EXPECT_EQ(seen, (Presses { { 1, true }, { 1, false } }));
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
    JoystickSwitch joysticks { [this](int button, bool pressed) {
        const int which = wiring_.joystickButton(button);
        if (which != 0) {
            if (pressed)
                switches.push_back(which);
            view.report(SwitchEvent { which, pressed, view.now(), SwitchSource::Joystick });
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
    JoystickSwitch joysticks_ { [this](int, bool pressed) { view_.report(SwitchEvent { 1, pressed, view_.now(), SwitchSource::Joystick }); } };
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
    EXPECT_EQ(game.curcard, "KH") << "the pad plugged in during the scan plays";
    EXPECT_EQ(joysticks.attached(), 1);
}

TEST_F(JoystickGame, ANamedButtonIsTheSecondSwitchAndNoLongerTheFirst)
{
    start(SwitchWiring { true, false, SecondSwitch { SecondSwitch::Kind::Button, 4, {} } });
    hold(500ms, 10ms, 3); // joysticks off: not a switch
    hold(2500ms, 10ms, 4);
    game.selection();
    EXPECT_EQ(game.curcard, "KH");
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
    EXPECT_EQ(game.curcard, "KH");

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
    EXPECT_EQ(game.selectsuit("8C"), 'D');
    EXPECT_EQ(joysticks.attached(), 1);
}
