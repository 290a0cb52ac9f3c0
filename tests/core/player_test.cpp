// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefixture.h"

#include <set>

using namespace wildcrest;
using namespace wildcrest::testing;

// The player's scanning turn. Offers are watched through the headless view:
// every wait of a hold happens with the offered card lifted.
class Player : public GameFixture
{
protected:
    struct Offer {
        int slot;
        Moment at;
    };
    std::vector<Offer> offers;

    void SetUp() override
    {
        playersTurnOn5H();
        view.onWait([this](HeadlessView &v, Moment) {
            for (int k = 1; k <= kHandPlaces; ++k)
                if (v.top(playerslot(k)) == playerslotRect(k).top - kLift && !v.state(Image49).visible && !v.state(Shape2).visible) {
                    const Moment liftedAt = v.state(playerslot(k)).movedAt;
                    if (offers.empty() || offers.back().slot != k || offers.back().at != liftedAt)
                        offers.push_back({ k, liftedAt });
                }
        });
    }

    std::vector<int> offeredSlots() const
    {
        std::vector<int> slots;
        for (const Offer &o : offers)
            slots.push_back(o.slot);
        return slots;
    }

    void expectEveryPlaceAtItsLayoutPosition()
    {
        for (int k = 1; k <= kHandPlaces; ++k) {
            EXPECT_EQ(view.top(playerslot(k)), playerslotRect(k).top) << k;
            EXPECT_EQ(view.left(playerslot(k)), playerslotRect(k).left) << k;
        }
    }
};

TEST_F(Player, NothingPlayableDrawsAfterAPressAndEndsTheTurn)
{
    setHand(kPlayer, { "2S", "9C" });
    game.match.deck[16] = "7H"; // playable on 5H, but drawn cards are not offered this turn
    view.pressAt(30s);
    game.selection();
    EXPECT_TRUE(offers.empty());
    EXPECT_EQ(view.now(), 30s + kAnimationLength);
    EXPECT_EQ(handOf(kPlayer), (std::vector<Card> { "2S", "9C", "7H" }));
    EXPECT_EQ(picture(playerslot(3)), "7H.bmp");
    EXPECT_EQ(game.match.curcard, "5H");
    EXPECT_EQ(game.drew, kTrue);
}

TEST_F(Player, TheOnlyPlayableCardIsOfferedAgainAndAgain)
{
    setHand(kPlayer, { "2S", "9H", "KC" });
    view.pressAt(5s);
    game.selection();
    EXPECT_EQ(offeredSlots(), (std::vector<int> { 2, 2, 2 }));
    EXPECT_EQ(offers[1].at - offers[0].at, kPacingDelay);
    EXPECT_EQ(game.match.curcard, "9H");
    EXPECT_EQ(handOf(kPlayer), (std::vector<Card> { "2S", "KC" }));
    EXPECT_EQ(picture(Image45), "9H.bmp");
    EXPECT_EQ(game.waits().hitkey, 0);
    expectEveryPlaceAtItsLayoutPosition();
}

TEST_F(Player, OnlyPlayableCardsAreOfferedInPlaceOrder)
{
    game.match.curcard = "8H"; // an eight played with hearts named
    setHand(kPlayer, { "3S", "KH", "8C", "QD", "2H", "8H" });
    view.pressAt(11s); // the sixth offer: the second round of the scan reaches 8C again
    view.pressAt(12s); // hearts
    game.selection();
    EXPECT_EQ(offeredSlots(), (std::vector<int> { 2, 3, 5, 6, 2, 3 }));
    EXPECT_FALSE(game.match.real8.empty()); // the sixth offer was the eight of clubs
}

TEST_F(Player, APressBetweenTwoHoldsTakesTheNextOffer)
{
    view.setYieldCost(1us);
    setHand(kPlayer, { "7H", "2S", "JH" });
    view.pressAt(kPacingDelay + 1us); // delivered by the yield after the first card is lowered
    game.selection();
    EXPECT_EQ(game.match.curcard, "JH");
    EXPECT_EQ(handOf(kPlayer), (std::vector<Card> { "7H", "2S" }));
}

TEST_F(Player, ThePressAtTheLastMomentOfAHoldTakesThatCard)
{
    setHand(kPlayer, { "7H", "2S", "JH" });
    view.pressAt(kPacingDelay);
    game.selection();
    EXPECT_EQ(game.match.curcard, "7H");
}

TEST_F(Player, ALoneCardInPlace22IsTheOnlyOneLifted)
{
    for (int i = 1; i <= 21; ++i)
        game.match.hand[i][kPlayer] = "2S";
    game.match.hand[22][kPlayer] = "KH";
    view.pressAt(3s);
    game.selection();
    EXPECT_EQ(offeredSlots(), (std::vector<int> { 22, 22 }));
    EXPECT_EQ(game.match.curcard, "KH");
}

TEST_F(Player, TheKeyThatPlaysAnEightDoesNotNameItsSuit)
{
    setHand(kPlayer, { "8C", "4S" });
    view.pressAt(1s); // plays the eight while it is lifted
    view.pressAt(1s + 3s); // the second offer: spades
    std::vector<std::string> suitOffers;
    bool eightStayedLifted = true;
    view.onWait([&](HeadlessView &v, Moment) {
        if (v.state(Shape2).visible) {
            if (suitOffers.empty() || suitOffers.back() != v.state(Image45).picture)
                suitOffers.push_back(v.state(Image45).picture);
            eightStayedLifted = eightStayedLifted && v.top(playerslot(1)) == playerslotRect(1).top - kLift;
        }
    });
    game.selection();
    EXPECT_EQ(suitOffers, (std::vector<std::string> { "/game/8H.BMP", "/game/8S.BMP" }));
    EXPECT_TRUE(eightStayedLifted);
    EXPECT_EQ(game.match.curcard, "8S");
    EXPECT_EQ(game.match.real8, "8C");
    EXPECT_EQ(picture(Image45), "8S.bmp");
    EXPECT_FALSE(view.state(Shape2).visible);
    expectEveryPlaceAtItsLayoutPosition();
}

TEST_F(Player, WithoutAPressTheSuitsGoRoundAndTheFrameStays)
{
    game.match.curcard = "5S";
    std::vector<std::string> shown;
    view.onWait([&](HeadlessView &v, Moment) {
        EXPECT_TRUE(v.state(Shape2).visible);
        if (shown.empty() || shown.back() != v.state(Image45).picture)
            shown.push_back(v.state(Image45).picture);
    });
    view.pressAt(5 * kPacingDelay + 1s); // during the sixth offer
    EXPECT_EQ(game.human().selectsuit(), 'S');
    EXPECT_EQ(shown, (std::vector<std::string> { "/game/8H.BMP", "/game/8S.BMP", "/game/8D.BMP", "/game/8C.BMP", "/game/8H.BMP", "/game/8S.BMP" }));
    EXPECT_EQ(game.waits().hitkey, kTrue);
    EXPECT_EQ(picture(Image45), "8S.BMP");
    // The eight is played with the suit named: the pile is matched by the suit, the record keeps the eight.
    setHand(kPlayer, { "8D", "2C" });
    playcard(game.match, kPlayer, 1, 'S');
    EXPECT_EQ(game.match.real8, "8D");
    EXPECT_EQ(game.match.curcard, "8S");
}

TEST_F(Player, NamingTheEightsOwnSuitKeepsItsCode)
{
    setHand(kPlayer, { "8S", "4S" });
    game.match.curcard = "4D";
    view.pressAt(1s);
    view.pressAt(1s + kPacingDelay + 500ms); // spades, the second offer
    game.selection();
    EXPECT_EQ(game.match.curcard, "8S");
    EXPECT_EQ(game.match.real8, "8S");
}

TEST_F(Player, TheLastCardEndsTheRoundAfterItsSuitIsNamed)
{
    setHand(kPlayer, { "8D" });
    view.pressAt(500ms);
    view.pressAt(1s); // hearts
    view.pressAt(10s); // the key after the round
    game.match.gamecount = 1;
    game.selection();
    EXPECT_EQ(game.reset, kTrue);
    EXPECT_EQ(game.match.gamecount, 2);
    EXPECT_EQ(view.state(Label5).caption, "20"); // KS and KC left with the computer
    EXPECT_TRUE(game.match.real8.empty());
    EXPECT_EQ(handOf(kPlayer).size(), 7u);
}
