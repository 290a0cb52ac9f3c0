// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefixture.h"

using namespace wildcrest;
using namespace wildcrest::testing;

class Deal : public GameFixture
{
};

TEST_F(Deal, SevenEachAlternatelyThenTheUpCard)
{
    game.newdeck();
    const auto shuffled = game.match.deck;
    game.dealround();
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(game.match.hand[k][kPlayer], shuffled[2 * k - 1]);
        EXPECT_EQ(game.match.hand[k][kComputer], shuffled[2 * k]);
        EXPECT_EQ(view.state(playerslot(k)).picture, "/game/" + shuffled[2 * k - 1].code() + ".bmp");
        EXPECT_EQ(picture(cpuslot(k)), "Back.bmp");
    }
    for (int k = 8; k <= 22; ++k) {
        EXPECT_TRUE(game.match.hand[k][kPlayer].empty());
        EXPECT_EQ(picture(playerslot(k)), "Empty.bmp");
        EXPECT_EQ(picture(cpuslot(k)), "Empty.bmp");
    }
    EXPECT_EQ(game.match.curcard, shuffled[15]);
    EXPECT_EQ(record(), std::vector<Card> { shuffled[15] });
    EXPECT_EQ(game.match.backdeckplace, 2);
    EXPECT_EQ(game.match.deckplace, 16);
    for (int p = 1; p <= 15; ++p)
        EXPECT_TRUE(game.match.deck[p].empty());
    for (int p = 16; p <= 52; ++p)
        EXPECT_EQ(game.match.deck[p], shuffled[p]);
    EXPECT_EQ(picture(Image45), shuffled[15].code() + ".bmp");
}

TEST_F(Deal, CounterFollowsEveryCardFrom52To39)
{
    game.newdeck();
    std::vector<std::string> captions;
    view.onWait([&](HeadlessView &v, Moment) {
        if (captions.empty() || captions.back() != v.state(Label16).caption)
            captions.push_back(v.state(Label16).caption);
    });
    game.dealround();
    captions.push_back(view.state(Label16).caption);
    std::vector<std::string> expected { "52" }; // shown before the first card lands
    for (int n = 52; n >= 39; --n)
        if (expected.back() != std::to_string(n))
            expected.push_back(std::to_string(n));
    EXPECT_EQ(captions, expected);
    EXPECT_EQ(view.now(), 14 * kAnimationLength);
}

TEST_F(Deal, EachCardShowsInItsPlaceBeforeTheDeckCardTravels)
{
    game.newdeck();
    int checked = 0;
    view.onWait([&](HeadlessView &v, Moment) {
        // While the deck card is under way, the place it heads for already shows its card.
        const Twips y = v.top(Image46);
        if (y > 4200) {
            const int k = int(handOf(kPlayer).size());
            EXPECT_EQ(v.state(playerslot(k)).picture, "/game/" + game.match.hand[k][kPlayer].code() + ".bmp");
            ++checked;
        } else if (y < 4200) {
            EXPECT_EQ(picture(cpuslot(int(handOf(kComputer).size()))), "Back.bmp");
            ++checked;
        }
    });
    game.dealround();
    EXPECT_GT(checked, 14 * 100);
    EXPECT_EQ(view.left(Image46), 7560);
    EXPECT_EQ(view.top(Image46), 4200);
}

TEST_F(Deal, AnEightTurnedUpIsAnOrdinaryCard)
{
    std::deque<std::int32_t> rolls;
    // Shuffle order: canonical places 1..52 taken in turn, except that the eight
    // of clubs (place 30) is taken fifteenth.
    for (int p = 1; p <= 14; ++p)
        rolls.push_back(p);
    rolls.push_back(30);
    for (int p = 15; p <= 52; ++p)
        if (p != 30)
            rolls.push_back(p);
    ListedRandom listed(rolls);
    GameForm g(view, listed);
    g.newdeck();
    g.dealround();
    EXPECT_EQ(g.match.curcard, "8C");
    EXPECT_TRUE(g.match.real8.empty());
    EXPECT_EQ(picture(Image45), "8C.bmp");
}
