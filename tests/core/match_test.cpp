// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefixture.h"
#include "switchuser.h"

#include <algorithm>
#include <random>

using namespace wildcrest;
using namespace wildcrest::testing;
using namespace wildcrest::simulation;

// Whole five-round matches, one after another, played by a simulated switch
// user on the virtual clock; every round's penalties are added up independently.
class Match : public GameFixture, public ::testing::WithParamInterface<int>
{
protected:
    int expectedPlayer = 0;
    int expectedComputer = 0;
    int rounds = 0;
    int matches = 0;
    int resultsSeen = 0;
    bool newMatchPending = false;

    // What the cards left on one side of the table count, read from the pictures
    // the player sees: both hands are face up at the end of a round.
    int penalties(Control (*slot)(int)) const
    {
        int points = 0;
        for (int k = 1; k <= kHandPlaces; ++k) {
            EXPECT_NE(picture(slot(k)), "Back.bmp") << "a card left face down";
            points += cardpoints(view.state(slot(k)).shown.card);
        }
        return points;
    }

    // Called at the first look at a round's end.
    void scoreRound(Wait wait)
    {
        ++rounds;
        expectedPlayer += penalties(playerslot);
        expectedComputer += penalties(cpuslot);
        EXPECT_EQ(view.state(Label4).caption, std::to_string(expectedPlayer));
        EXPECT_EQ(view.state(Label5).caption, std::to_string(expectedComputer));
        const bool fifth = rounds % 5 == 0;
        EXPECT_EQ(wait == Wait::MatchEnd, fifth) << "a key wait between round 5 and the result";
        // A screen reader is told the totals, and after the fifth round the match's result.
        const std::string totals =
            "Round " + std::to_string((rounds - 1) % 5 + 1) + ": you " + std::to_string(expectedPlayer) + ", computer " + std::to_string(expectedComputer);
        const std::string result = expectedPlayer < expectedComputer ? "you win the match"
            : expectedComputer < expectedPlayer                      ? "the computer wins the match"
                                                                     : "the match is a tie";
        const auto &told = view.notices();
        EXPECT_EQ(told.back(), fifth ? result : totals);
        if (fifth) {
            EXPECT_EQ(told.end()[-2], totals);
        }
        if (fifth) {
            ++resultsSeen;
            EXPECT_EQ(view.state(Label6).visible, expectedPlayer < expectedComputer);
            EXPECT_EQ(view.state(Label7).visible, expectedComputer < expectedPlayer);
            EXPECT_EQ(view.state(Label15).visible, expectedPlayer == expectedComputer);
            EXPECT_EQ(view.beeps(), resultsSeen);
            expectedPlayer = expectedComputer = 0;
            newMatchPending = true;
        } else {
            EXPECT_EQ(view.state(Label1).caption, "Round: " + std::to_string(rounds % 5) + " of 5");
        }
    }

    void checkNewMatch()
    {
        newMatchPending = false;
        ++matches;
        EXPECT_EQ(game.match.gamecount, 1);
        EXPECT_EQ(game.match.playerscore, 0);
        EXPECT_EQ(game.match.cpuscore, 0);
        EXPECT_EQ(view.state(Label1).caption, "Round: 1 of 5");
        EXPECT_EQ(view.state(Label4).caption, "0");
        EXPECT_EQ(view.state(Label5).caption, "0");
        for (Control c : { Label6, Label7, Label15 })
            EXPECT_FALSE(view.state(c).visible);
        EXPECT_EQ(handOf(kPlayer).size(), 7u);
        EXPECT_EQ(record().size(), 1u);
    }
};

TEST_P(Match, TotalsAreTheSumOfEveryRoundsPenaltiesAndMatchFollowsMatch)
{
    random = ClockFoldedRandom(GetParam());
    std::mt19937 rng(GetParam());
    Wait lastKeyWait = Wait::Other;
    SwitchUser user(view, game, [&](const Situation &s) -> std::optional<Moment> {
        if ((s.wait == Wait::RoundEnd || s.wait == Wait::MatchEnd) && lastKeyWait != s.wait)
            scoreRound(s.wait);
        if (s.wait != Wait::Other && s.wait != Wait::Offer && s.wait != Wait::Suit)
            lastKeyWait = s.wait;
        switch (s.wait) {
        case Wait::Offer:
        case Wait::Suit:
            if (rng() % 3 == 0)
                return Moment(rng() % 1900000);
            return std::nullopt;
        case Wait::Other:
            return std::nullopt;
        default:
            return 300ms;
        }
    });
    // With the narration line off, a screen reader is still told each side's move, one a turn.
    std::size_t toldBefore = 0;
    game.onTurnEnd([&](const GameForm &after) {
        const auto &told = view.notices();
        EXPECT_EQ(std::count_if(told.begin() + toldBefore,
                      told.end(),
                      [](const std::string &n) { return n.find(" played ") != std::string::npos || n.ends_with(" drew a card"); }),
            1);
        toldBefore = told.size();
        user.turnEnded();
        lastKeyWait = Wait::Other;
        if (after.reset == kTrue && newMatchPending)
            checkNewMatch();
        if (matches == 3)
            view.closeAt(view.now());
    });
    EXPECT_TRUE(runsUntilClosed([&] {
        game.load();
        game.activate();
    }));
    EXPECT_EQ(matches, 3);
    EXPECT_EQ(rounds, 15);
}

INSTANTIATE_TEST_SUITE_P(Seeds, Match, ::testing::Values(1, 2, 3, 4));
