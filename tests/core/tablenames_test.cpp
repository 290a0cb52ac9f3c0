// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told the table's controls are.
#include "../common/gamepicture.h"
#include "table/layout.h"
#include "table/tablenames.h"

#include <gtest/gtest.h>

using namespace wildcrest;
using wildcrest::testing::gamePicture;

namespace
{

// A table mid-round: seven cards in the player's hand, six backs in the
// computer's, the rest of the places empty.
TableNames midRound()
{
    TableNames names;
    const char *hand[] = { "AS", "4C", "7H", "TD", "JS", "QH", "KC" };
    for (int k = 1; k <= 22; ++k) {
        names.picture(playerslot(k), gamePicture(k <= 7 ? "/g/" + std::string(hand[k - 1]) + ".bmp" : "/g/Empty.bmp"));
        names.picture(cpuslot(k), gamePicture(k <= 6 ? "/g/Back.bmp" : "/g/Empty.bmp"));
    }
    names.picture(Image45, gamePicture("/g/5H.bmp"));
    names.caption(Label16, "37");
    names.caption(Label1, "Round: 2 of 5");
    names.caption(Label4, "12");
    names.caption(Label5, "40");
    return names;
}

} // namespace

TEST(TableNames, EachControlSaysWhatItShows)
{
    TableNames names = midRound();
    EXPECT_EQ(names.nameOf(playerslot(3)), "seven of hearts, card 3 of 7");
    EXPECT_EQ(names.nameOf(playerslot(4)), "ten of diamonds, card 4 of 7");
    EXPECT_EQ(names.nameOf(playerslot(8)), "Your hand, empty place");
    EXPECT_EQ(names.nameOf(cpuslot(2)), "Computer's hand, card 2 of 6");
    EXPECT_EQ(names.nameOf(shape(4)), "Computer's hand: 6 cards");
    EXPECT_EQ(names.nameOf(shape(3)), "Your hand: 7 cards");
    EXPECT_EQ(names.nameOf(Image45), "Pile: five of hearts");
    EXPECT_EQ(names.nameOf(Image46), "Deck: 37 cards");
    EXPECT_EQ(names.nameOf(Label16), "Deck: 37 cards");
    EXPECT_EQ(names.nameOf(Label1), "Round 2 of 5");
    EXPECT_EQ(names.nameOf(Label4), "Player 12, Computer 40");
    EXPECT_EQ(names.nameOf(Label5), "Computer 40, Player 12");
    EXPECT_EQ(names.nameOf(image(52)), "") << "no picture yet";
    names.picture(image(52), gamePicture("8C.bmp"));
    EXPECT_EQ(names.nameOf(image(52)), "eight of clubs");
    EXPECT_EQ(names.nameOf(image(51)), "Wildcrest");
}

TEST(TableNames, TheyFollowTheGame)
{
    TableNames names = midRound();
    // The player plays the seven: the hand packs to six.
    names.picture(playerslot(3), gamePicture("/g/Empty.bmp"));
    EXPECT_EQ(names.nameOf(playerslot(7)), "king of clubs, card 6 of 6") << "the gap not yet closed up";
    names.picture(playerslot(3), gamePicture("/g/TD.bmp"));
    names.picture(playerslot(7), gamePicture("/g/Empty.bmp"));
    EXPECT_EQ(names.nameOf(playerslot(3)), "ten of diamonds, card 3 of 6");
    EXPECT_EQ(names.nameOf(shape(3)), "Your hand: 6 cards");
    // An eight on the pile shows the suit it named, whoever played it.
    names.picture(Image45, gamePicture("/g/8S.BMP"));
    EXPECT_EQ(names.nameOf(Image45), "Pile: eight, spades named");
    // While a suit is named the pile is the offer.
    names.offered(Image45);
    names.picture(Image45, gamePicture("/g/8D.BMP"));
    EXPECT_EQ(names.nameOf(Image45), "diamonds, name a suit");
    names.offered(std::nullopt);
    EXPECT_EQ(names.nameOf(Image45), "Pile: eight, diamonds named");
    // The turn, the deck and the totals.
    names.backColour(Label2, kRed);
    names.backColour(Label3, kBlack);
    EXPECT_EQ(names.nameOf(Label2), "Player, to play");
    EXPECT_EQ(names.nameOf(Label3), "Computer");
    names.caption(Label16, "1");
    EXPECT_EQ(names.nameOf(Image46), "Deck: 1 card");
    names.caption(Label5, "52");
    EXPECT_EQ(names.nameOf(Label4), "Player 12, Computer 52");
    // At the round's end the computer's cards are shown.
    names.picture(cpuslot(1), gamePicture("/g/QD.bmp"));
    EXPECT_EQ(names.nameOf(cpuslot(1)), "queen of diamonds, card 1 of 6, Computer's hand");
    // Players with names are told by them.
    names.caption(Label2, "Sam");
    names.caption(Label3, "Alex");
    EXPECT_EQ(names.nameOf(Label2), "Sam, to play");
    EXPECT_EQ(names.nameOf(Label5), "Alex 52, Sam 12");
    EXPECT_EQ(names.nameOf(cpuslot(1)), "queen of diamonds, card 1 of 6, Alex's hand");
    EXPECT_EQ(names.nameOf(shape(3)), "Sam's hand: 6 cards");
    EXPECT_EQ(names.offerName(playerslot(1)), "ace of spades, card 1 of 6, Sam's hand");
}

TEST(TableNames, AnOfferIsNamedForWhatItOffers)
{
    TableNames names = midRound();
    names.caption(menuitem(5), "End the game");
    EXPECT_EQ(names.offerName(menuitem(5)), "End the game, menu");
    names.caption(label(11), "Go on with the match");
    EXPECT_EQ(names.offerName(label(11)), "Go on with the match");
    EXPECT_EQ(names.offerName(playerslot(2)), "four of clubs, card 2 of 7");
}
