// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefixture.h"

using namespace wildcrest;
using namespace wildcrest::testing;

// Whole turns through the turn loop, watched at the end of every half.
class TurnLoop : public GameFixture
{
protected:
    struct Half {
        std::vector<Card> record;
        std::int16_t backdeckplace;
        Card curcard;
        Card real8;
        std::int16_t reset;
        std::int16_t drew;
    };
    std::vector<Half> halves;

    void SetUp() override
    {
        game.onTurnEnd([this](const GameForm &g) { halves.push_back({ record(), g.match.backdeckplace, g.match.curcard, g.match.real8, g.reset, g.drew }); });
    }

    // A table in the middle of a round: the player to move on `top`.
    void table(const std::vector<Card> &player, const std::vector<Card> &computer, const std::vector<Card> &pile)
    {
        setHand(kPlayer, player);
        setHand(kComputer, computer);
        for (std::size_t i = 0; i < pile.size(); ++i)
            game.match.backdeck[i + 1] = pile[i];
        game.match.backdeckplace = std::int16_t(pile.size() + 1);
        game.match.curcard = pile.back();
        game.match.deck = {};
        const char *rest[] = { "2D", "3D", "4D", "5D", "6D", "7D" };
        for (int p = 0; p < 6; ++p)
            game.match.deck[40 + p] = *Card::fromCode(rest[p]);
        game.match.deckplace = 40;
    }

    void runUntil(Moment end)
    {
        view.closeAt(end);
        EXPECT_TRUE(runsUntilClosed([&] { game.turnloop(); }));
    }
};

TEST_F(TurnLoop, AfterTheDealTheCounterReads37AndThePlayerIsToMove)
{
    game.load();
    const Moment start = view.now();
    view.pressAt(start + 1s);
    view.closeAt(start + 1s + 14 * kAnimationLength + 1s);
    std::string counterAfterDeal;
    view.onWait([&](HeadlessView &v, Moment) {
        if (!v.state(Frame1).visible && v.state(Label2).backColour == kRed && counterAfterDeal.empty())
            counterAfterDeal = v.state(Label16).caption;
    });
    EXPECT_TRUE(runsUntilClosed([&] { game.activate(); }));
    EXPECT_EQ(counterAfterDeal, "37");
    EXPECT_EQ(view.state(Label2).backColour, kRed);
    EXPECT_EQ(view.state(Label3).backColour, kBlack);
    EXPECT_EQ(view.state(Label2).caption, "Player");
}

TEST_F(TurnLoop, APressDuringTheDealPicksNothing)
{
    game.load();
    const Moment start = view.now();
    view.pressAt(start + 1s);
    view.pressAt(start + 3s); // the deal is running
    view.closeAt(start + 1s + 14 * kAnimationLength + kPacingDelay - 1ms);
    EXPECT_TRUE(runsUntilClosed([&] { game.activate(); }));
    EXPECT_EQ(handOf(kPlayer).size(), 7u);
    EXPECT_EQ(record().size(), 1u);
}

TEST_F(TurnLoop, AnEightNamingHeartsGoesOnTheRecordAsItself)
{
    table({ "8C", "4S", "9S" }, { "KS", "QS", "2C" }, { "3D", "5H" });
    view.pressAt(1s); // the eight, the first offer
    view.pressAt(2s); // hearts
    runUntil(2s + kAnimationLength + 1s);
    ASSERT_GE(halves.size(), 1u);
    EXPECT_EQ(halves[0].record, (std::vector<Card> { "3D", "5H", "8C" }));
    EXPECT_EQ(halves[0].backdeckplace, 4);
    EXPECT_EQ(halves[0].curcard, "8H");
    EXPECT_TRUE(halves[0].real8.empty());
}

TEST_F(TurnLoop, ADrawAfterAnEightLeavesTheRecordAsItWas)
{
    // The computer has just played the eight of clubs and named hearts.
    table({ "4S", "9S" }, { "KS", "QH", "2C" }, { "3D", "5H", "8C" });
    game.match.curcard = "8H";
    view.pressAt(5s); // the player cannot play: the key for the draw
    runUntil(5s + kAnimationLength + kPacingDelay + 2 * kAnimationLength);
    ASSERT_GE(halves.size(), 2u);
    EXPECT_EQ(halves[0].drew, kTrue);
    EXPECT_EQ(halves[0].record, (std::vector<Card> { "3D", "5H", "8C" }));
    EXPECT_EQ(halves[0].backdeckplace, 4);
    // The computer then follows hearts with its queen.
    EXPECT_EQ(halves[1].record, (std::vector<Card> { "3D", "5H", "8C", "QH" }));
    EXPECT_EQ(halves[1].curcard, "QH");
}

TEST_F(TurnLoop, AComputerDrawKeepsTheRecordToo)
{
    table({ "4S", "9H", "KD" }, { "2C", "3C" }, { "5H" });
    view.pressAt(1s); // plays 9H
    runUntil(1s + kAnimationLength + kPacingDelay + kAnimationLength + 1s);
    ASSERT_GE(halves.size(), 2u);
    EXPECT_EQ(halves[0].record, (std::vector<Card> { "5H", "9H" }));
    EXPECT_EQ(halves[1].drew, kTrue);
    EXPECT_EQ(halves[1].record, (std::vector<Card> { "5H", "9H" }));
    EXPECT_EQ(handOf(kComputer).size(), 3u);
}

TEST_F(TurnLoop, APressDuringTheComputersTurnDoesNotCountForThePlayer)
{
    table({ "4H", "9H" }, { "2H", "3C", "KC" }, { "5H" });
    view.pressAt(1s); // plays 4H
    view.pressAt(1s + kAnimationLength + 500ms); // while the computer thinks
    view.closeAt(1s + kAnimationLength + kPacingDelay + kAnimationLength + kPacingDelay - 1ms);
    EXPECT_TRUE(runsUntilClosed([&] { game.turnloop(); }));
    ASSERT_EQ(halves.size(), 2u);
    EXPECT_EQ(halves[1].curcard, "2H");
    EXPECT_EQ(handOf(kPlayer), std::vector<Card> { "9H" }); // still offered, not played
    EXPECT_EQ(view.top(playerslot(1)), playerslotRect(1).top - kLift);
}

TEST_F(TurnLoop, ATurnThatEndsTheRoundRecordsNothingAndThePlayerLeads)
{
    table({ "4S", "9S" }, { "5S" }, { "3D", "5H" });
    game.match.gamecount = 1;
    view.pressAt(1s); // the player cannot play: draw
    view.pressAt(30s); // the key after the round
    runUntil(30s + 14 * kAnimationLength + 1s);
    ASSERT_GE(halves.size(), 2u);
    EXPECT_EQ(halves[1].reset, kTrue);
    EXPECT_EQ(halves[1].record.size(), 1u); // the new round's up-card alone
    EXPECT_EQ(halves[1].backdeckplace, 2);
    EXPECT_EQ(view.state(Label2).backColour, kRed);
    EXPECT_EQ(view.state(Label1).caption, "Round: 2 of 5");
}

// The match is a value: a copy equals it until a turn changes it, and it
// writes itself out whole, every place of the table.
TEST_F(TurnLoop, TheMatchIsAValueThatATurnChangesAndThatWritesItselfOut)
{
    playersTurnOn5H();
    setHand(kPlayer, { "KD", "7H" });
    const MatchState before = game.match;
    EXPECT_EQ(before, game.match);
    view.pressAt(view.now() + 1s); // the seven, the only card that may be played
    EXPECT_EQ(game.selection(), TurnOutcome::Played);
    game.recordtopcard();
    EXPECT_NE(game.match, before);
    EXPECT_EQ(game.match.snapshot(),
        "round: 0  player 0  computer 0\n"
        "computer: KS KC\n"
        "player: KD\n"
        "pile: 7H  real8: -\n"
        "record: 5H 7H  next 3\n"
        "deck: - - - - - - - - - - - - - - - 2D 3D  next 16\n");
}
