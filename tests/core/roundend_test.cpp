// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefixture.h"

using namespace wildcrest;
using namespace wildcrest::testing;

// What the table showed while the round end waited for the key.
struct Pause {
    Moment at;
    std::int16_t gamecount;
    std::string round, playerTotal, computerTotal;
    bool playerWins, computerWins, tie;
    int beeps;
    std::vector<std::string> computerSlots;
    std::vector<Card> computerHand;
};

class RoundEnd : public GameFixture
{
protected:
    std::vector<Pause> pauses;

    void SetUp() override
    {
        game.load();
        view.onWait([this](HeadlessView &v, Moment deadline) {
            if (deadline != Moment::max())
                return;
            Pause p { v.now(),
                game.match.gamecount,
                v.state(Label1).caption,
                v.state(Label4).caption,
                v.state(Label5).caption,
                v.state(Label6).visible,
                v.state(Label7).visible,
                v.state(Label15).visible,
                v.beeps(),
                {},
                handOf(kComputer) };
            for (int k = 1; k <= 22; ++k)
                p.computerSlots.push_back(picture(cpuslot(k)));
            pauses.push_back(p);
            v.pressAt(v.now() + 1s);
        });
    }

    // The side `emptied` has just played its last card; the other holds `left`.
    void endRound(int emptied, const std::vector<Card> &left)
    {
        const int other = emptied == kPlayer ? kComputer : kPlayer;
        setHand(other, left);
        setHand(emptied, { "2S" });
        game.redrawplayerhand();
        game.redrawcpuhand();
        setHand(emptied, {});
        emptied == kPlayer ? game.redrawplayerhand() : game.redrawcpuhand();
    }

    bool resultShown() const
    {
        return view.state(Label6).visible || view.state(Label7).visible || view.state(Label15).visible;
    }
};

TEST_F(RoundEnd, ThePlayersLastCardChargesTheComputersCardsAndShowsThem)
{
    game.match.playerscore = 12;
    game.match.cpuscore = 7;
    game.match.real8 = "8C";
    endRound(kPlayer, { "8S", "KD", "3C" });

    ASSERT_EQ(pauses.size(), 1u);
    const Pause &p = pauses[0];
    EXPECT_EQ(p.computerTotal, "70");
    EXPECT_EQ(p.playerTotal, "12");
    EXPECT_EQ(p.round, "Round: 1 of 5") << "nothing changes until the key";
    EXPECT_EQ(p.computerSlots[0], "8S.bmp");
    EXPECT_EQ(p.computerSlots[1], "KD.bmp");
    EXPECT_EQ(p.computerSlots[2], "3C.bmp");
    EXPECT_EQ(p.computerSlots[3], "Empty.bmp");
    EXPECT_EQ(p.computerHand, (std::vector<Card> { "8S", "KD", "3C" }));
    EXPECT_FALSE(p.playerWins || p.computerWins || p.tie);

    EXPECT_EQ(game.match.cpuscore, 70);
    EXPECT_EQ(game.match.playerscore, 12);
    EXPECT_EQ(game.match.gamecount, 2);
    EXPECT_EQ(view.state(Label1).caption, "Round: 2 of 5");
    EXPECT_EQ(game.reset, kTrue);
    EXPECT_EQ(view.beeps(), 0);
    // The next round is dealt after the press: fourteen cards travel, then the up-card.
    EXPECT_EQ(view.now(), p.at + 1s + 14 * kAnimationLength);
    EXPECT_EQ(handOf(kPlayer).size(), 7u);
    EXPECT_EQ(handOf(kComputer).size(), 7u);
    EXPECT_EQ(record(), (std::vector<Card> { game.match.curcard }));
    EXPECT_EQ(game.match.backdeckplace, 2);
    EXPECT_EQ(game.match.deckplace, 16);
    EXPECT_EQ(game.match.real8, Card {});
    EXPECT_EQ(game.waits().hitkey, 0);
    EXPECT_EQ(picture(cpuslot(1)), "Back.bmp");
}

TEST_F(RoundEnd, EveryCardLeftCountsWhicheverSideEmptiedItsHand)
{
    const std::vector<Card> eights { "8S", "8C", "8H", "8D" };
    endRound(kPlayer, eights);
    EXPECT_EQ(game.match.cpuscore, 200);
    EXPECT_EQ(game.match.playerscore, 0);
    endRound(kComputer, eights);
    EXPECT_EQ(game.match.playerscore, 200);
    EXPECT_EQ(game.match.cpuscore, 200);
    EXPECT_EQ(pauses.back().playerTotal, "200");

    // A whole suit: 1 + 2 + ... + 7, fifty for the eight, nine, and ten for each of the rest.
    std::vector<Card> spades;
    for (int r = 0; r < 13; ++r)
        spades.push_back(Card(kRanks[r], 'S'));
    endRound(kComputer, spades);
    EXPECT_EQ(game.match.playerscore, 327);
    EXPECT_EQ(game.match.cpuscore, 200);
    EXPECT_EQ(pauses.size(), 3u);
    EXPECT_EQ(view.state(Label1).caption, "Round: 4 of 5");
}

TEST_F(RoundEnd, FiveRoundsMakeAMatchAndOnePressEndsTheLastRoundAndTheMatch)
{
    for (int round = 1; round <= 5; ++round) {
        EXPECT_EQ(view.state(Label1).caption, "Round: " + std::to_string(round) + " of 5");
        endRound(kPlayer, { "KD" });
        EXPECT_EQ(pauses.size(), std::size_t(round)) << "one wait per round";
        EXPECT_EQ(pauses.back().computerTotal, std::to_string(10 * round));
    }
    const Pause &last = pauses.back();
    EXPECT_EQ(last.gamecount, 6);
    EXPECT_TRUE(last.playerWins);
    EXPECT_EQ(last.beeps, 1);
    EXPECT_EQ(last.round, "Round: 5 of 5");
    EXPECT_EQ(last.computerSlots[0], "KD.bmp") << "the revealed hand stays on show";
    for (std::size_t i = 0; i + 1 < pauses.size(); ++i)
        EXPECT_EQ(pauses[i].beeps, 0) << i;

    EXPECT_EQ(view.beeps(), 1);
    EXPECT_EQ(view.state(Label1).caption, "Round: 1 of 5");
    EXPECT_EQ(view.state(Label4).caption, "0");
    EXPECT_EQ(view.state(Label5).caption, "0");
    EXPECT_FALSE(resultShown());
    EXPECT_EQ(game.match.gamecount, 1);
    EXPECT_EQ(game.match.playerscore, 0);
    EXPECT_EQ(game.match.cpuscore, 0);
    EXPECT_EQ(game.reset, kTrue);
    EXPECT_EQ(handOf(kPlayer).size(), 7u);
    EXPECT_EQ(handOf(kComputer).size(), 7u);
}

TEST_F(RoundEnd, TheLowerTotalWinsTheMatchAndEqualTotalsTie)
{
    struct Case {
        int player, computer;
        bool playerWins, computerWins, tie;
    };
    for (const Case &c : { Case { 39, 40, true, false, false }, Case { 40, 39, false, true, false }, Case { 40, 40, false, false, true } }) {
        SCOPED_TRACE(std::to_string(c.player) + " to " + std::to_string(c.computer));
        pauses.clear();
        const int beeps = view.beeps();
        game.match.gamecount = 5;
        game.match.playerscore = static_cast<std::int16_t>(c.player);
        game.match.cpuscore = static_cast<std::int16_t>(c.computer - 3);
        endRound(kPlayer, { "3C" });
        ASSERT_EQ(pauses.size(), 1u);
        EXPECT_EQ(pauses[0].playerWins, c.playerWins);
        EXPECT_EQ(pauses[0].computerWins, c.computerWins);
        EXPECT_EQ(pauses[0].tie, c.tie);
        EXPECT_EQ(pauses[0].playerTotal, std::to_string(c.player));
        EXPECT_EQ(pauses[0].computerTotal, std::to_string(c.computer));
        EXPECT_EQ(view.beeps(), beeps + 1);
        EXPECT_FALSE(resultShown());
        EXPECT_EQ(view.state(Label4).caption, "0");
        EXPECT_EQ(view.state(Label5).caption, "0");
    }
}

TEST_F(RoundEnd, EscDuringTheWaitEndsTheGameBeforeTheNextDeal)
{
    view.onWait([](HeadlessView &v, Moment deadline) {
        if (deadline == Moment::max())
            v.pressAt(v.now() + 1s, 27);
    });
    EXPECT_TRUE(runsUntilClosed([&] { endRound(kComputer, { "5H" }); }));
    EXPECT_EQ(game.match.playerscore, 5);
    EXPECT_EQ(handOf(kPlayer), (std::vector<Card> { "5H" }));
    EXPECT_EQ(view.state(Label1).caption, "Round: 1 of 5");
    EXPECT_EQ(game.reset, 0);
}
