// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefixture.h"

#include <array>

using namespace wildcrest;
using namespace wildcrest::testing;

class Redraw : public GameFixture
{
protected:
    Control slot(int column, int k) const
    {
        return column == kPlayer ? playerslot(k) : cpuslot(k);
    }

    std::array<int, 45> pictureSets() const
    {
        std::array<int, 45> sets {};
        for (int k = 1; k <= 44; ++k)
            sets[k] = view.state(image(k)).pictureSets;
        return sets;
    }

    void redraw(int column)
    {
        column == kPlayer ? game.redrawplayerhand() : game.redrawcpuhand();
    }
};

TEST_F(Redraw, GapsCloseUpInOrderWithoutEndingTheRound)
{
    game.match.gamecount = 1;
    game.match.hand[2][kPlayer] = "5C";
    game.match.hand[4][kPlayer] = "KD";
    setHand(kComputer, { "2S" });
    game.redrawplayerhand(); // a round end would wait for a key, and nothing is scheduled
    EXPECT_EQ(handOf(kPlayer), (std::vector<Card> { "5C", "KD" }));
    EXPECT_EQ(picture(playerslot(1)), "5C.bmp");
    EXPECT_EQ(picture(image(2)), "KD.bmp");
    for (int k = 3; k <= 22; ++k)
        EXPECT_EQ(picture(playerslot(k)), "Empty.bmp") << k;
    EXPECT_EQ(game.match.gamecount, 1);
    EXPECT_EQ(game.reset, 0);
}

TEST_F(Redraw, ALoneCardInTheLastRowMovesToTheFirst)
{
    for (int column : { kPlayer, kComputer }) {
        setHand(kPlayer, { "4H" });
        setHand(kComputer, { "4D" });
        setHand(column, {});
        game.match.hand[22][column] = "QH";
        redraw(column);
        EXPECT_EQ(handOf(column), (std::vector<Card> { "QH" }));
        EXPECT_EQ(picture(slot(column, 1)), column == kPlayer ? "QH.bmp" : "Back.bmp");
        for (int k = 2; k <= 22; ++k)
            EXPECT_EQ(picture(slot(column, k)), "Empty.bmp") << column << " " << k;
    }
}

TEST_F(Redraw, AFullHandKeepsItsOrderAndTheComputerShowsOnlyBacks)
{
    std::vector<Card> cards;
    for (int p = 1; p <= 22; ++p)
        cards.push_back(canonicalCard(53 - p)); // KD, KH, ... far from canonical order
    setHand(kPlayer, cards);
    setHand(kComputer, cards);
    game.redrawplayerhand();
    game.redrawcpuhand();
    EXPECT_EQ(handOf(kPlayer), cards);
    EXPECT_EQ(handOf(kComputer), cards);
    for (int k = 1; k <= 22; ++k) {
        EXPECT_EQ(picture(playerslot(k)), cards[k - 1].code() + ".bmp") << k;
        EXPECT_EQ(picture(cpuslot(k)), "Back.bmp") << k;
    }
    EXPECT_EQ(view.state(playerslot(1)).picture, "/game/KD.bmp");
    EXPECT_EQ(view.state(cpuslot(22)).picture, "/game/Back.bmp");
}

TEST_F(Redraw, TheComputersSlotsNeverShowAFace)
{
    // Eights carrying a named suit, odd spacing: still only backs, and the player's slots untouched.
    game.match.hand[3][kComputer] = "8H";
    game.match.hand[5][kComputer] = "QS";
    game.match.hand[9][kComputer] = "AD";
    setHand(kPlayer, { "2C" });
    const auto before = pictureSets();
    game.redrawcpuhand();
    EXPECT_EQ(handOf(kComputer), (std::vector<Card> { "8H", "QS", "AD" }));
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(picture(cpuslot(k)), "Back.bmp") << k;
    for (int k = 4; k <= 22; ++k)
        EXPECT_EQ(picture(cpuslot(k)), "Empty.bmp") << k;
    const auto after = pictureSets();
    for (int k = 1; k <= 22; ++k)
        EXPECT_EQ(after[k], before[k]) << "player slot " << k;
}

TEST_F(Redraw, PlayerFacesShowTheirCard)
{
    game.match.hand[2][kPlayer] = "QH";
    setHand(kComputer, { "2C" });
    game.redrawplayerhand();
    EXPECT_EQ(game.match.hand[1][kPlayer], "QH");
    EXPECT_EQ(view.state(playerslot(1)).picture, "/game/QH.bmp");
}

TEST_F(Redraw, RedrawingTwiceChangesNothing)
{
    for (int column : { kPlayer, kComputer }) {
        setHand(kPlayer, { "4H" });
        setHand(kComputer, { "4D" });
        game.match.hand[1][column].clear();
        game.match.hand[2][column] = "9S";
        game.match.hand[7][column] = "TC";
        redraw(column);
        const auto rows = handOf(column);
        std::vector<std::string> shown;
        for (int k = 1; k <= 22; ++k)
            shown.push_back(picture(slot(column, k)));
        const auto sets = pictureSets();
        redraw(column);
        EXPECT_EQ(handOf(column), rows);
        EXPECT_EQ(rows, (std::vector<Card> { "9S", "TC" }));
        for (int k = 1; k <= 22; ++k) {
            EXPECT_EQ(picture(slot(column, k)), shown[k - 1]) << k;
            EXPECT_EQ(view.state(slot(column, k)).pictureSets, sets[22 * (column - 1) + k] + 1) << "loaded again " << k;
        }
    }
}

// An emptied hand shows Empty.bmp in its first slot only, then the round ends
// once: what the table shows is looked at while the round end waits for the key.
TEST_F(Redraw, AnEmptyHandSetsOnlyItsFirstSlotThenEndsTheRoundOnce)
{
    for (int column : { kPlayer, kComputer }) {
        game.match.gamecount = 1;
        // The computer holds nothing, so the round end reveals nothing and sets no slot before it waits.
        setHand(kPlayer, column == kPlayer ? std::vector<Card> {} : std::vector<Card> { "3S", "4S" });
        setHand(kComputer, {});
        const auto before = pictureSets();
        int waits = 0;
        std::array<int, 45> atWait {};
        std::string firstSlot;
        view.onWait([&](HeadlessView &v, Moment deadline) {
            if (deadline != Moment::max())
                return;
            ++waits;
            atWait = pictureSets();
            firstSlot = picture(slot(column, 1));
            v.pressAt(v.now() + 1s);
        });
        redraw(column);
        view.onWait(nullptr);

        EXPECT_EQ(waits, 1) << column;
        EXPECT_EQ(firstSlot, "Empty.bmp") << column;
        for (int k = 1; k <= 44; ++k)
            EXPECT_EQ(atWait[k], before[k] + (k == 22 * (column - 1) + 1 ? 1 : 0)) << column << " slot " << k;
        EXPECT_EQ(game.match.gamecount, 2);
        EXPECT_EQ(game.reset, kTrue);
        EXPECT_EQ(handOf(kPlayer).size(), 7u) << "the next round is dealt";
        EXPECT_EQ(handOf(kComputer).size(), 7u);
        game.reset = 0;
    }
}
