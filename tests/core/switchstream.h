// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The switch event stream in a game, whatever presses the switch: each way in
// (scripted events of a source, SDL's virtual joysticks) instantiates these
// tests with a presser of its own.
#include "gamefixture.h"

#include <functional>
#include <memory>
#include <string>

namespace wildcrest::testing
{

// Holds the switch down at `from` for `length`, on the view's virtual clock.
class SwitchPresser
{
public:
    virtual ~SwitchPresser() = default;
    virtual void hold(Moment from, Moment length) = 0;
};

struct SwitchWay {
    std::string name;
    std::function<std::unique_ptr<SwitchPresser>(HeadlessView &)> make;
};

class SwitchStream : public ScanFixture, public ::testing::WithParamInterface<SwitchWay>
{
protected:
    void tune(std::chrono::milliseconds debounce, std::chrono::milliseconds acceptance)
    {
        startScan(debounce, acceptance);
        presser = GetParam().make(view);
    }
    void hold(Moment from, Moment length)
    {
        presser->hold(t0 + from, length);
    }

    std::unique_ptr<SwitchPresser> presser;
};

TEST_P(SwitchStream, APressCountsOnlyOnceHeldForTheAcceptanceTime)
{
    tune(0ms, 150ms);
    hold(500ms, 100ms); // let go too soon: 9H stays on offer
    hold(1900ms, 200ms); // down during 9H, counted at 2.05 s: KH is on offer then
    game.selection();
    EXPECT_EQ(game.match.curcard, "KH");
    EXPECT_EQ(handOf(kPlayer), (std::vector<Card> { "9H", "2S" }));
}

TEST_P(SwitchStream, ABounceWithinTheDebounceIsIgnored)
{
    tune(300ms, 0ms);
    hold(1000ms, 15ms);
    hold(1060ms, 10ms); // bounces
    hold(1120ms, 10ms);
    hold(1500ms, 20ms);
    game.waits().waitforkey();
    EXPECT_EQ(view.now(), t0 + 1000ms);
    game.waits().waitforkey();
    EXPECT_EQ(view.now(), t0 + 1500ms);
}

TEST_P(SwitchStream, WithNothingSetAPressAndReleaseTakesTheOfferAtOnce)
{
    tune(0ms, 0ms);
    hold(2500ms, 80ms);
    game.selection();
    EXPECT_EQ(game.match.curcard, "KH");
}

inline std::string wayName(const ::testing::TestParamInfo<SwitchWay> &info)
{
    return info.param.name;
}

} // namespace wildcrest::testing
