// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefixture.h"

#include "computer/strategy.h"

using namespace wildcrest;
using namespace wildcrest::testing;

class Computer : public GameFixture
{
protected:
    // The pile shows `pile`; the player holds `playerCards` cards; the deck has plenty left.
    void table(const Card &pile, int playerCards, const std::vector<Card> &computer)
    {
        game.match.curcard = pile;
        game.match.backdeck = {};
        game.match.backdeck[1] = "4D";
        game.match.backdeck[2] = pile;
        game.match.backdeckplace = 3;
        game.match.deck = {};
        for (int p = 40; p <= 52; ++p)
            game.match.deck[p] = canonicalCard(p);
        game.match.deckplace = 40;
        std::vector<Card> player;
        for (int i = 0; i < playerCards; ++i)
            player.push_back(canonicalCard(13 + i));
        setHand(kPlayer, player);
        setHand(kComputer, computer);
    }

    // Plays the computer's turn and gives back the card that went on the pile.
    Card plays()
    {
        game.computerturn();
        return game.match.curcard;
    }
};

TEST_F(Computer, FollowsSuitWithItsHighestCardBeforeAnEight)
{
    table("5H", 2, { "8C", "3H" });
    EXPECT_EQ(plays(), "3H");
    EXPECT_EQ(game.match.real8, Card {});
    EXPECT_EQ(handOf(kComputer), (std::vector<Card> { "8C" }));
    EXPECT_EQ(picture(Image45), "3H.bmp");
    EXPECT_EQ(picture(cpuslot(1)), "Back.bmp");
    EXPECT_EQ(picture(cpuslot(2)), "Empty.bmp");
    EXPECT_EQ(record(), (std::vector<Card> { "4D", "5H" })) << "the turn loop records the card, not the turn";

    table("5H", 2, { "AH", "2H" });
    EXPECT_EQ(plays(), "2H") << "the ace counts one";

    table("5H", 2, { "JH", "3D", "QH", "KS", "9H" });
    EXPECT_EQ(plays(), "QH");
    EXPECT_EQ(handOf(kComputer), (std::vector<Card> { "JH", "3D", "KS", "9H" }));
}

TEST_F(Computer, AgainstALastCardAnEightComesFirstUnlessANineOrBetterFollowsSuit)
{
    table("5H", 1, { "8C", "7H" });
    EXPECT_EQ(plays(), "8H") << "one heart, no other suit: hearts named";
    EXPECT_EQ(picture(Image45), "8H.bmp");
    EXPECT_EQ(game.match.real8, "8C");
    EXPECT_EQ(handOf(kComputer), (std::vector<Card> { "7H" }));
    game.drew = 0;
    game.recordtopcard();
    EXPECT_EQ(record(), (std::vector<Card> { "4D", "5H", "8C" }));
    EXPECT_EQ(game.match.real8, Card {});

    table("5H", 1, { "8C", "KH" });
    EXPECT_EQ(plays(), "KH");
    EXPECT_EQ(handOf(kComputer), (std::vector<Card> { "8C" }));
    EXPECT_EQ(game.match.real8, Card {});

    table("5H", 1, { "8C", "9H" });
    EXPECT_EQ(plays(), "9H");

    table("5H", 2, { "8C", "7D" });
    EXPECT_EQ(plays(), "8D") << "nothing of the suit: the eight, naming diamonds";
}

TEST_F(Computer, OfSeveralEightsTheLastPlacedIsPlayedAndOnlyItIsRenamed)
{
    table("9H", 2, { "2C", "3C", "8D", "4S", "5S", "6C", "8S" });
    EXPECT_EQ(plays(), "8C") << "three clubs, two spades";
    EXPECT_EQ(game.match.real8, "8S");
    EXPECT_EQ(handOf(kComputer), (std::vector<Card> { "2C", "3C", "8D", "4S", "5S", "6C" }));

    table("9H", 1, { "8S", "8D" });
    EXPECT_EQ(plays(), "8H") << "only eights: hearts";
    EXPECT_EQ(game.match.real8, "8D");
    EXPECT_EQ(handOf(kComputer), (std::vector<Card> { "8S" }));
}

TEST_F(Computer, NamesTheSuitItHoldsMostOfTiesInTheOrderHeartsDiamondsSpadesClubs)
{
    table("5C", 2, { "8S", "2D", "3H" });
    EXPECT_EQ(plays(), "8H");
    table("5C", 2, { "8S", "2D", "3D", "4H" });
    EXPECT_EQ(plays(), "8D");
    table("5C", 2, { "8S", "2D", "3S", "4H" });
    EXPECT_EQ(plays(), "8H") << "eights are not counted, the played one included";
    table("5C", 2, { "8C", "2S", "3D" });
    EXPECT_EQ(plays(), "8D") << "a tie of diamonds and spades goes to diamonds";
    table("5C", 2, { "2S", "3D", "8S", "4S" });
    EXPECT_EQ(plays(), "8S");
    table("5H", 2, { "QC", "8D", "KC" });
    EXPECT_EQ(plays(), "8C");
    table("5H", 2, { "QC", "8D", "KS", "8H" });
    EXPECT_EQ(plays(), "8S") << "a tie of spades and clubs goes to spades";
    EXPECT_EQ(handOf(kComputer), (std::vector<Card> { "QC", "8D", "KS" }));
}

TEST_F(Computer, MatchesTheRankWithTheLastPlacedCard)
{
    table("5H", 2, { "2D", "5C", "9D", "5S" });
    EXPECT_EQ(plays(), "5S");
    EXPECT_EQ(handOf(kComputer), (std::vector<Card> { "2D", "5C", "9D" }));

    table("8H", 2, { "2D", "8C", "3H" });
    EXPECT_EQ(plays(), "3H") << "after an eight the named suit is followed";
}

TEST_F(Computer, WithNothingToPlayItDrawsOneCardEvenIfThatCardWouldDo)
{
    table("5H", 2, { "2C", "9S" });
    game.match.deck[40] = "7H";
    const int pileSets = view.state(Image45).pictureSets;
    game.drew = 0;
    game.computerturn();
    EXPECT_EQ(handOf(kComputer), (std::vector<Card> { "2C", "9S", "7H" }));
    EXPECT_EQ(game.match.deckplace, 41);
    EXPECT_EQ(game.match.curcard, "5H");
    EXPECT_EQ(game.match.real8, Card {});
    EXPECT_EQ(game.drew, kTrue);
    EXPECT_EQ(view.state(Image45).pictureSets, pileSets);
    EXPECT_EQ(picture(cpuslot(3)), "Back.bmp");
    game.recordtopcard();
    EXPECT_EQ(record(), (std::vector<Card> { "4D", "5H" }));
    EXPECT_EQ(game.match.backdeckplace, 3);
}

TEST_F(Computer, WaitsOnePacingDelayBeforeAnythingAndReadsNoKey)
{
    table("5H", 2, { "2C", "6H" });
    view.pressAt(view.now() + 500ms); // a press during the delay cuts nothing short
    const Moment t0 = view.now();
    const int pileSets = view.state(Image45).pictureSets;
    const int slotSets = view.state(cpuslot(2)).pictureSets;
    Moment firstChange = Moment::max();
    bool waitedForKey = false;
    view.onWait([&](HeadlessView &v, Moment deadline) {
        waitedForKey |= deadline == Moment::max();
        if (firstChange == Moment::max() && (v.state(Image45).pictureSets != pileSets || v.state(cpuslot(2)).pictureSets != slotSets))
            firstChange = v.now();
    });
    game.computerturn();
    EXPECT_FALSE(waitedForKey);
    EXPECT_EQ(firstChange - t0, kPacingDelay);
    EXPECT_EQ(view.now() - t0, kPacingDelay + kAnimationLength);
    EXPECT_EQ(game.match.curcard, "6H");
    EXPECT_EQ(game.waits().hitkey, kTrue) << "the press is left for whoever waits next";
}

TEST_F(Computer, PlayingItsLastCardEndsTheRound)
{
    game.match.gamecount = 1;
    table("5H", 3, { "3H" });
    const std::vector<Card> player = handOf(kPlayer);
    int keyWaits = 0;
    view.onWait([&](HeadlessView &v, Moment deadline) {
        if (deadline == Moment::max()) {
            ++keyWaits;
            v.pressAt(v.now() + 1s);
        }
    });
    game.computerturn();
    EXPECT_EQ(keyWaits, 1);
    EXPECT_EQ(game.reset, kTrue);
    EXPECT_EQ(game.match.gamecount, 2);
    EXPECT_EQ(game.match.cpuscore, 0);
    int points = 0;
    for (const Card &c : player)
        points += cardpoints(c);
    EXPECT_EQ(game.match.playerscore, points);
    EXPECT_EQ(handOf(kComputer).size(), 7u) << "the next round is dealt";
    EXPECT_EQ(record().size(), 1u) << "only the new up-card";
    EXPECT_EQ(game.match.backdeckplace, 2);
}

// The clever level remembers the player's draw on its card: the player holds
// no spade, so a spade comes next, where a clever computer that did not see the
// draw follows with the 2 to go on with its hearts.
TEST_F(Computer, TheCleverLevelPlaysIntoTheSuitThePlayerDrewOn)
{
    const std::unique_ptr<Strategy> clever = makeStrategy("clever");
    table("9S", 5, { "2S", "KH" });
    ASSERT_EQ(clever->choose(game.match, kComputer), 1);
    table("2S", 6, { "2H", "3S", "JH", "QH" }); // the player drew
    EXPECT_EQ(game.match.hand[clever->choose(game.match, kComputer)][kComputer], "3S");
    EXPECT_EQ(game.match.hand[makeStrategy("clever")->choose(game.match, kComputer)][kComputer], "2H");
}
