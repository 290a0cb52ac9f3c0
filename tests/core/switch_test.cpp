// SPDX-License-Identifier: GPL-3.0-or-later
// The switch event stream in the game: every source filtered alike, the second
// switch, and the try-out's verdicts and suggested debounce.
#include "switch/switchtrial.h"
#include "switchstream.h"

using namespace wildcrest;
using namespace wildcrest::testing;

namespace
{

// Switch events of one source, scripted.
class ScriptedPresser : public SwitchPresser
{
public:
    ScriptedPresser(HeadlessView &view, SwitchSource source)
        : view_(view)
        , source_(source)
    {
    }
    void hold(Moment from, Moment length) override
    {
        view_.holdAt(from, length, 1, source_);
    }

private:
    HeadlessView &view_;
    SwitchSource source_;
};

SwitchWay scripted(SwitchSource source)
{
    return { sourceName(source), [source](HeadlessView &view) { return std::make_unique<ScriptedPresser>(view, source); } };
}

} // namespace

INSTANTIATE_TEST_SUITE_P(
    EverySource, SwitchStream, ::testing::Values(scripted(SwitchSource::Key), scripted(SwitchSource::Mouse), scripted(SwitchSource::Joystick)), wayName);

TEST_F(GameFixture, TheSecondSwitchCountsAsTheSwitchWithItsOwnFilter)
{
    scan.settings.debounce = 500ms;
    game.load();
    const Moment t0 = view.now();
    view.holdAt(t0 + 1s, 10ms, 1);
    view.holdAt(t0 + 1200ms, 10ms, 2); // another switch: no bounce of the first
    game.waits().waitforkey();
    game.waits().waitforkey();
    EXPECT_EQ(view.now(), t0 + 1200ms);
}

TEST(SwitchTrial, EachPressIsToldAtItsReleaseWithTheFiltersVerdict)
{
    SwitchTrial trial(300ms, 150ms);
    const auto press = [&](Moment down, Moment up, int which = 1) {
        EXPECT_FALSE(trial.take(SwitchEvent { which, true, down, SwitchSource::Joystick }));
        return trial.take(SwitchEvent { which, false, up, SwitchSource::Joystick }).value();
    };
    TriedPress p = press(0ms, 80ms);
    EXPECT_EQ(verdictText(p), "ignored: released after 80 ms, acceptance 150 ms");
    EXPECT_EQ(p.source, SwitchSource::Joystick);
    EXPECT_FALSE(p.sinceLast);

    p = press(1000ms, 1200ms); // counted at 1150 ms
    EXPECT_EQ(verdictText(p), "counted");
    EXPECT_EQ(p.held, Moment(200ms));
    EXPECT_EQ(p.sinceLast, Moment(1000ms));

    p = press(1200ms, 1400ms); // would count at 1350 ms, 200 ms after the last
    EXPECT_EQ(verdictText(p), "ignored: within debounce");
    p = press(1210ms, 1400ms, 2); // the second switch has a filter of its own
    EXPECT_EQ(p.which, 2);
    EXPECT_EQ(verdictText(p), "counted");

    trial.retune(300ms, 0ms);
    EXPECT_FALSE(trial.take(SwitchEvent { 1, true, 5000ms }));
    p = *trial.take(SwitchEvent { 1, true, 5010ms, SwitchSource::Mouse }); // another key while held
    EXPECT_EQ(verdictText(p), "ignored: the switch was already down");
    EXPECT_EQ(verdictText(*trial.take(SwitchEvent { 1, false, 5050ms })), "counted");
    EXPECT_FALSE(trial.take(SwitchEvent { 1, false, 5060ms })) << "a release of nothing held tells nothing";
}

TEST(SwitchTrial, ADozenPressesSuggestADebounceFromTheBouncesSeen)
{
    SwitchTrial trial;
    Moment t = 0ms;
    const auto press = [&](Moment gap) {
        t += gap;
        trial.take(SwitchEvent { 1, true, t });
        trial.take(SwitchEvent { 1, false, t + 30ms });
    };
    press(0ms);
    for (int i = 0; i < 10; ++i)
        press(i % 3 == 0 ? 900ms + 40ms * i : 1100ms);
    EXPECT_FALSE(trial.suggestion()) << "eleven presses";
    press(1000ms);
    EXPECT_EQ(trial.suggestion(), 0ms) << "no bounces: no debounce";

    press(70ms);
    press(1000ms);
    press(90ms);
    EXPECT_EQ(trial.longestBounce(), Moment(90ms));
    EXPECT_EQ(trial.suggestion(), 150ms) << "half as long again as 90 ms, in steps of 50";
}
