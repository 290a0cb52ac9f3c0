// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefixture.h"

using namespace wildcrest;
using namespace wildcrest::testing;

class Startup : public GameFixture
{
};

TEST_F(Startup, LoadLeavesTheTitleScreenOverAPreparedTable)
{
    game.load();
    EXPECT_EQ(view.state(Label1).caption, "Round: 1 of 5");
    EXPECT_EQ(game.match.gamecount, 1);
    for (Control c : { Label6, Label7, Label15, Shape2, Image48, Image49 })
        EXPECT_FALSE(view.state(c).visible) << c.name();
    EXPECT_TRUE(view.state(Frame1).visible);
    EXPECT_EQ(view.state(Image48).picture, "/game/Card.bmp");
    EXPECT_EQ(view.state(Label16).caption, "52");
    EXPECT_EQ(game.match.deckplace, 0);
    EXPECT_EQ(game.match.backdeckplace, 0);
}

TEST_F(Startup, CalibrationCountsTheReadingsOfOneClockSecondTwice)
{
    for (int start : { 30, 57, 58, 59 }) {
        HeadlessView v;
        v.setClockStart(start);
        v.setReadingCost(100us); // 10,000 readings a second
        GameForm g(v, random);
        g.calibrate();
        EXPECT_GE(v.now(), 2s) << "start " << start;
        EXPECT_LE(v.now(), 3s + 1ms) << "start " << start;
        EXPECT_NEAR(g.delayvalue, 20000, 4) << "start " << start;
    }
}

TEST_F(Startup, CalibrationMidSecondTakesBetweenTwoAndThreeSeconds)
{
    // Starting half-way through a clock second: the wait runs to the start of the
    // second-but-next, then one full second is counted.
    view.setClockStart(57);
    view.setReadingCost(100us);
    view.pressAt(0s); // presses do not reach a calibration: it never yields
    for (int i = 0; i < 5000; ++i)
        view.clockSeconds(); // half a second of readings before the game starts
    GameForm g(view, random);
    g.calibrate();
    EXPECT_NEAR(std::chrono::duration<double>(view.now()).count(), 3.0, 0.01);
    EXPECT_EQ(g.waits().hitkey, 0);
}

TEST_F(Startup, StalledCalibrationStillGivesFullHoldsThatSeeThePress)
{
    // The machine stalls across the counted second: readings 10, 11, 13.
    int readings[] = { 10, 11, 13 };
    int n = 0;
    view.setClockSeconds([&] { return readings[std::min(n++, 2)]; });
    game.calibrate();
    EXPECT_EQ(game.delayvalue, 0);

    const Moment start = view.now();
    EXPECT_FALSE(game.waits().pacingdelay(true, game.scantime()));
    EXPECT_EQ(view.now() - start, kPacingDelay);

    view.pressAt(view.now() + 1500ms);
    const Moment held = view.now();
    EXPECT_TRUE(game.waits().pacingdelay(true, game.scantime()));
    EXPECT_EQ(view.now() - held, 1500ms);
}

TEST_F(Startup, PacingDelayEndsAtAPressOnlyWhenItOffersAChoice)
{
    view.pressAt(500ms);
    EXPECT_FALSE(game.waits().pacingdelay(false, game.scantime()));
    EXPECT_EQ(view.now(), kPacingDelay);
    EXPECT_EQ(game.waits().hitkey, kTrue);

    game.waits().hitkey = 0;
    view.pressAt(view.now() + 700ms);
    const Moment start = view.now();
    EXPECT_TRUE(game.waits().pacingdelay(true, game.scantime()));
    EXPECT_EQ(view.now() - start, 700ms);
}

TEST_F(Startup, APressAlreadyMadeIsTakenAtTheFirstTest)
{
    game.waits().hitkey = kTrue;
    const Moment start = view.now();
    EXPECT_TRUE(game.waits().pacingdelay(true, game.scantime()));
    EXPECT_EQ(view.now(), start);
}

TEST_F(Startup, EscOnTheTitleScreenEndsBeforeTheTableIsShown)
{
    game.load();
    view.pressAt(view.now() + 3s, 27);
    EXPECT_TRUE(runsUntilClosed([&] { game.activate(); }));
    EXPECT_TRUE(view.closed());
    EXPECT_TRUE(view.state(Frame1).visible);
    EXPECT_EQ(view.state(playerslot(1)).pictureSets, 0);
    EXPECT_TRUE(game.match.deck[1].empty());
}

TEST_F(Startup, AnyOtherKeyIsTheSwitchAndWaitingForItCostsNoTicks)
{
    view.pressAt(10min, 'x');
    game.waits().waitforkey();
    EXPECT_EQ(game.waits().hitkey, kTrue);
    EXPECT_EQ(view.now(), 10min);
    EXPECT_FALSE(view.closed());

    view.pressAt(view.now(), 27);
    EXPECT_THROW(view.yield(), GameEnded);
    EXPECT_TRUE(view.closed());
    EXPECT_THROW(view.yield(), GameEnded);
}

TEST_F(Startup, ThePressBeforeAWaitDoesNotEndIt)
{
    view.pressAt(1s);
    view.pressAt(5s);
    view.yield();
    view.waitForEvent(2s); // the first press arrives before the wait begins
    game.waits().waitforkey();
    EXPECT_EQ(view.now(), 5s);
}

TEST_F(Startup, TheFirstKeyHidesTheTitleAndDealsAtOnce)
{
    game.load();
    const Moment loaded = view.now();
    view.pressAt(loaded + 4s);
    view.closeAt(loaded + 4s + 1ms);
    EXPECT_TRUE(runsUntilClosed([&] { game.activate(); }));
    EXPECT_FALSE(view.state(Frame1).visible);
    // The deal had begun: every place cleared, the first card shown and on its way.
    EXPECT_EQ(picture(playerslot(1)), game.match.hand[1][kPlayer].code() + ".bmp");
    EXPECT_EQ(picture(playerslot(2)), "Empty.bmp");
    EXPECT_EQ(picture(cpuslot(1)), "Empty.bmp");
    EXPECT_NE(view.left(Image46), 7560);
}
