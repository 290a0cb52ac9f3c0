// Joysticks and gamepads as switches: SDL's own joystick code, fed by SDL's
// virtual joysticks, into the game on the headless view's virtual clock.
#include "gamefixture.h"
#include "joystick/joystickswitch.h"
#include "joystick/virtualjoystick.h"

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

// The game on the virtual clock, its joystick buttons read through SDL: the
// player to move with 9H offered first and KH two seconds later.
class JoystickGame : public GameFixture
{
protected:
    void start(std::chrono::milliseconds debounce, std::chrono::milliseconds acceptance, SwitchWiring wiring = {})
    {
        wiring_ = wiring;
        game.settings.debounce = debounce;
        game.settings.acceptance = acceptance;
        game.load();
        t0 = view.now();
        playersTurnOn5H();
        setHand(kPlayer, { "9H", "KH", "2S" });
        joysticks.pump();
    }
    // The button goes down at `from` and up `length` later, as SDL reads it then.
    void hold(Moment from, Moment length, int button = 0, VirtualJoystick *on = nullptr)
    {
        VirtualJoystick *p = on ? on : &pad;
        view.at(t0 + from, [this, p, button] { setButton(*p, button, true); });
        view.at(t0 + from + length, [this, p, button] { setButton(*p, button, false); });
    }
    void setButton(VirtualJoystick &p, int button, bool down)
    {
        p.set(button, down);
        joysticks.pump();
    }

    SwitchWiring wiring_;
    Moment t0 {};
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

} // namespace

TEST_F(JoystickGame, APressAndReleasePlaysTheCardOnOffer)
{
    start(0ms, 0ms);
    hold(2500ms, 80ms, 5);
    game.selection();
    EXPECT_EQ(game.curcard, "KH");
    EXPECT_EQ(switches, std::vector<int> { 1 });
}

TEST_F(JoystickGame, AHoldShorterThanTheAcceptanceTimeIsIgnoredALongerOneCounts)
{
    start(0ms, 150ms);
    hold(500ms, 100ms);
    hold(2500ms, 200ms);
    game.selection();
    EXPECT_EQ(game.curcard, "KH");
    EXPECT_EQ(handOf(kPlayer), (std::vector<CardCode> { "9H", "2S" }));
}

TEST_F(JoystickGame, ABouncingButtonCountsOnceUnderTheDebounce)
{
    start(300ms, 0ms);
    hold(1000ms, 15ms);
    hold(1060ms, 10ms); // bounces
    hold(1120ms, 10ms);
    hold(1700ms, 15ms);
    game.waitforkey();
    EXPECT_EQ(view.now(), t0 + 1000ms);
    game.waitforkey();
    EXPECT_EQ(view.now(), t0 + 1700ms);
}

TEST_F(JoystickGame, APadPluggedInAndOnePulledOutMidScan)
{
    start(0ms, 0ms);
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
    start(0ms, 0ms, SwitchWiring { true, false, SecondSwitch { SecondSwitch::Kind::Button, 4, {} } });
    hold(500ms, 10ms, 3); // joysticks off: not a switch
    hold(2500ms, 10ms, 4);
    game.selection();
    EXPECT_EQ(game.curcard, "KH");
    EXPECT_EQ(switches, std::vector<int> { 2 });
}
