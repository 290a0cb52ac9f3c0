// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefixture.h"

#include <map>
#include <set>

using namespace wildcrest;
using namespace wildcrest::testing;

class Deck : public GameFixture
{
};

TEST_F(Deck, NewDeckHoldsEveryCardOnceInAShuffledOrder)
{
    game.newdeck();
    std::set<Card> cards(game.match.deck.begin() + 1, game.match.deck.end());
    EXPECT_EQ(cards.size(), 52u);
    EXPECT_FALSE(cards.count(Card {}));
    int inPlace = 0;
    for (int p = 1; p <= 52; ++p)
        inPlace += game.match.deck[p] == canonicalCard(p);
    EXPECT_LT(inPlace, 10);
}

TEST_F(Deck, ShufflesAreSeededAndUnbiasedEnough)
{
    // Where the ace of spades lands, over many shuffles: every place gets it.
    std::map<int, int> where;
    for (int round = 0; round < 600; ++round) {
        game.newdeck();
        for (int p = 1; p <= 52; ++p)
            if (game.match.deck[p] == "AS")
                ++where[p];
    }
    EXPECT_GT(where.size(), 45u);
    for (const auto &[place, count] : where)
        EXPECT_LT(count, 40) << place;
}

TEST_F(Deck, ListedRandomResultsPinTheShuffle)
{
    // Rand(1, 52) results 52, 52, 1, 2, ...: the second 52 hits an emptied place and is retried.
    std::deque<std::int32_t> rolls { 52, 52, 1 };
    for (int r = 2; r <= 51; ++r)
        rolls.push_back(r);
    ListedRandom listed(rolls);
    GameForm g(view, listed);
    g.newdeck();
    EXPECT_EQ(g.match.deck[1], "KD");
    EXPECT_EQ(g.match.deck[2], "AS");
    EXPECT_EQ(g.match.deck[3], "AC");
    EXPECT_EQ(g.match.deck[52], "KH");
}

TEST_F(Deck, ReshuffleKeepsTheTopCardOnThePile)
{
    const std::vector<Card> pile { "3H", "3S", "9S", "8C", "KD" };
    for (int i = 0; i < 5; ++i)
        game.match.backdeck[i + 1] = pile[i];
    game.match.backdeckplace = 6;
    game.reshuffle();

    std::multiset<Card> dealt(game.match.deck.begin() + 1, game.match.deck.begin() + 5);
    EXPECT_EQ(dealt, (std::multiset<Card> { "3H", "3S", "9S", "8C" }));
    for (int p = 5; p <= 52; ++p)
        EXPECT_TRUE(game.match.deck[p].empty()) << p;
    EXPECT_EQ(record(), std::vector<Card> { "KD" });
    EXPECT_EQ(game.match.backdeckplace, 2);
}

TEST_F(Deck, ReshuffleOfTwoCardsDealsTheOneUnderTheTop)
{
    game.match.backdeck[1] = "4C";
    game.match.backdeck[2] = "4D";
    game.match.backdeckplace = 3;
    game.reshuffle();
    EXPECT_EQ(game.match.deck[1], "4C");
    EXPECT_TRUE(game.match.deck[2].empty());
    EXPECT_EQ(record(), std::vector<Card> { "4D" });
}

TEST_F(Deck, ReshuffleOfAGappedOrEmptyRecordEndsWithoutLosingACard)
{
    game.match.backdeck[1] = "2S";
    game.match.backdeck[3] = "5S"; // a gap at place 2
    game.match.backdeck[4] = "7D";
    game.match.backdeckplace = 5;
    game.reshuffle();
    std::multiset<Card> dealt(game.match.deck.begin() + 1, game.match.deck.begin() + 3);
    EXPECT_EQ(dealt, (std::multiset<Card> { "2S", "5S" }));
    EXPECT_TRUE(game.match.deck[3].empty());
    EXPECT_EQ(record(), std::vector<Card> { "7D" });

    GameForm empty(view, random);
    empty.reshuffle();
    EXPECT_EQ(empty.match.cardsleft(), 0);
    EXPECT_EQ(empty.match.backdeckplace, 1);
}

TEST_F(Deck, CounterShowsTheCardsReallyLeft)
{
    game.newdeck();
    EXPECT_EQ(game.match.cardsleft(), 52);
    game.match.deckplace = 16;
    EXPECT_EQ(game.match.cardsleft(), 37);
    game.match.deck = {};
    for (int p = 1; p <= 20; ++p)
        game.match.deck[p] = canonicalCard(p);
    game.match.deckplace = 1;
    EXPECT_EQ(game.match.cardsleft(), 20);
}
