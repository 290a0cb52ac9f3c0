// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/card.h"
#include "cards/random.h"
#include "table/picture.h"

#include <gtest/gtest.h>

#include <set>

using namespace wildcrest;

TEST(CanonicalOrder, RanksThenSpadesClubsHeartsDiamonds)
{
    EXPECT_EQ(canonicalCard(1), "AS");
    EXPECT_EQ(canonicalCard(2), "AC");
    EXPECT_EQ(canonicalCard(29), "8S");
    EXPECT_EQ(canonicalCard(31), "8H");
    EXPECT_EQ(canonicalCard(32), "8D");
    EXPECT_EQ(canonicalCard(36), "9D");
    EXPECT_EQ(canonicalCard(37), "TS");
    EXPECT_EQ(canonicalCard(52), "KD");
    std::set<Card> all;
    for (int p = 1; p <= 52; ++p)
        all.insert(canonicalCard(p));
    EXPECT_EQ(all.size(), 52u);
}

TEST(Pictures, FacesLowerCaseSuitChoiceUpperCase)
{
    EXPECT_EQ(Picture::face("TD").fileName(), "/TD.bmp");
    EXPECT_EQ(Picture::face("8H").fileName(), "/8H.bmp");
    EXPECT_EQ(Picture::suitChoice('H').fileName(), "/8H.BMP");
    EXPECT_EQ(Picture::empty().fileName(), "/Empty.bmp");
    EXPECT_EQ(Picture::moving().fileName(), "/Card.bmp");
    // Only a rank and a suit make a card.
    EXPECT_EQ(Card::fromCode("QH"), Card('Q', 'H'));
    for (const char *notACard : { " QH", "1H", "QX", "", "QHS" })
        EXPECT_FALSE(Card::fromCode(notACard)) << notACard;
}

TEST(Playability, SuitEightOrRank)
{
    EXPECT_TRUE(playableOn("3H", "8H"));
    EXPECT_TRUE(playableOn("8C", "8H"));
    EXPECT_FALSE(playableOn("3C", "8H"));
    EXPECT_TRUE(playableOn("KC", "8C")); // an eight turned up at the deal keeps its own suit
    EXPECT_TRUE(playableOn("TD", "TS"));
    EXPECT_TRUE(playableOn("TS", "TD"));
    EXPECT_FALSE(playableOn("9S", "TD"));
    EXPECT_FALSE(playableOn(Card {}, "TD"));
}

TEST(Rand, StaysWithinBounds)
{
    EXPECT_EQ(scaleUnit(0.0f, 1, 52), 1);
    EXPECT_EQ(scaleUnit(0.99999994f, 1, 52), 52);
    EXPECT_EQ(scaleUnit(0.99999994f, 1, 1), 1);
    EXPECT_THROW(scaleUnit(0.5f, INT32_MIN, INT32_MAX), std::overflow_error);

    ClockFoldedRandom random(7);
    std::set<int> seen;
    for (int i = 0; i < 20000; ++i) {
        const int r = random.rand(1, 52);
        ASSERT_GE(r, 1);
        ASSERT_LE(r, 52);
        seen.insert(r);
        EXPECT_EQ(random.rand(1, 1), 1);
    }
    EXPECT_EQ(seen.size(), 52u);
}

TEST(Rand, ReseedWithTheSameReadingMovesOn)
{
    // A shuffle reseeds before every draw, often within one clock tick.
    ClockFoldedRandom random(1);
    std::set<int> seen;
    for (int i = 0; i < 200; ++i) {
        random.reseed(123456);
        seen.insert(random.rand(1, 52));
    }
    EXPECT_GT(seen.size(), 40u);
}

TEST(Rand, ListedResultsComeBackInOrderThenTheGeneratorTakesOver)
{
    ListedRandom random({ 5, 52, 1 }, 3);
    EXPECT_EQ(random.rand(1, 52), 5);
    EXPECT_EQ(random.rand(1, 52), 52);
    EXPECT_EQ(random.rand(1, 52), 1);
    const int next = random.rand(1, 10);
    EXPECT_GE(next, 1);
    EXPECT_LE(next, 10);
    ListedRandom bad({ 60 });
    EXPECT_THROW(bad.rand(1, 52), std::out_of_range);
}
