// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefixture.h"

#include <algorithm>
#include <random>
#include <set>

using namespace wildcrest;
using namespace wildcrest::testing;

class Draw : public GameFixture
{
protected:
    // The deck holds `cards` from place `from` on and nothing else; the next draw takes the first.
    void setDeck(int from, const std::vector<CardCode> &cards)
    {
        game.deck = {};
        for (std::size_t i = 0; i < cards.size(); ++i)
            game.deck[from + i] = cards[i];
        game.deckplace = static_cast<std::int16_t>(from);
    }

    void setRecord(const std::vector<CardCode> &cards)
    {
        game.backdeck = {};
        for (std::size_t i = 0; i < cards.size(); ++i)
            game.backdeck[i + 1] = cards[i];
        game.backdeckplace = static_cast<std::int16_t>(cards.size() + 1);
    }

    std::vector<CardCode> deckPlaces(int from, int to) const
    {
        return { game.deck.begin() + from, game.deck.begin() + to + 1 };
    }

    static std::multiset<CardCode> sorted(const std::vector<CardCode> &cards)
    {
        return { cards.begin(), cards.end() };
    }

    void draw(int column)
    {
        if (column == kPlayer) {
            view.pressAt(view.now() + 10ms);
            game.playerdraw();
        } else {
            game.cpudraw();
        }
    }

    // `count` cards of the canonical order from place `first` on.
    static std::vector<CardCode> cards(int first, int count)
    {
        std::vector<CardCode> out;
        for (int p = first; p < first + count; ++p)
            out.push_back(canonicalCard(p));
        return out;
    }
};

TEST_F(Draw, TheLastPlaceOfAFullDeckRefillsItFromThePileUnderTheTopCard)
{
    // The pile: 21 cards, the last an eight that was played naming hearts.
    std::vector<CardCode> pile = cards(1, 20);
    pile.push_back("8C");
    setRecord(pile);
    game.curcard = "8H";
    setDeck(52, { "KD" });
    setHand(kComputer, { "9S", "9C" });
    setHand(kPlayer, { "9H" });

    game.drew = 0;
    game.cpudraw();
    EXPECT_EQ(handOf(kComputer), (std::vector<CardCode> { "9S", "9C", "KD" }));
    EXPECT_EQ(game.deckplace, 1);
    EXPECT_EQ(sorted(deckPlaces(1, 20)), sorted(cards(1, 20)));
    for (int p = 21; p <= 52; ++p)
        EXPECT_EQ(game.deck[p], "") << p;
    EXPECT_EQ(record(), (std::vector<CardCode> { "8C" })) << "the top card stays on the pile by its own code";
    EXPECT_EQ(game.backdeckplace, 2);
    EXPECT_EQ(game.curcard, "8H");
    EXPECT_EQ(game.cardsleft(), 20);
    EXPECT_EQ(view.state(Label16).caption, "20");

    game.recordtopcard(); // the turn ends as a draw: nothing new on the pile
    EXPECT_EQ(record(), (std::vector<CardCode> { "8C" }));
    EXPECT_EQ(game.backdeckplace, 2);
}

TEST_F(Draw, TheNthDrawAfterARefillOfNCardsRefillsAtOnce)
{
    setDeck(1, { "2C", "3C", "4C", "5C" });
    setRecord({ "9H", "TH", "JH" });
    setHand(kPlayer, { "AS" });
    for (int n = 1; n <= 3; ++n) {
        game.cpudraw();
        EXPECT_EQ(game.deckplace, n + 1);
        EXPECT_EQ(view.state(Label16).caption, std::to_string(4 - n));
    }
    EXPECT_EQ(record().size(), 3u);
    game.cpudraw();
    EXPECT_EQ(handOf(kComputer), (std::vector<CardCode> { "2C", "3C", "4C", "5C" }));
    EXPECT_EQ(game.deckplace, 1);
    EXPECT_EQ(sorted(deckPlaces(1, 2)), sorted({ "9H", "TH" }));
    EXPECT_EQ(game.deck[3], "");
    EXPECT_EQ(record(), (std::vector<CardCode> { "JH" }));
    EXPECT_EQ(view.state(Label16).caption, "2");
}

TEST_F(Draw, ARefillFromAGappedRecordOrFromTheTopCardAloneLosesNothing)
{
    setDeck(52, { "KD" });
    game.backdeck[1] = "2H";
    game.backdeck[3] = "4H"; // place 2 left empty
    game.backdeck[4] = "5H";
    game.backdeckplace = 5;
    game.cpudraw();
    EXPECT_EQ(sorted(deckPlaces(1, 2)), sorted({ "2H", "4H" }));
    EXPECT_EQ(game.deck[3], "");
    EXPECT_EQ(record(), (std::vector<CardCode> { "5H" }));
    EXPECT_EQ(game.backdeckplace, 2);

    // Now only the top card is on the pile: the deck's last card leaves an empty deck,
    // and a draw from it takes nothing and makes nothing up.
    setDeck(52, { "QD" });
    setRecord({ "5H" });
    setHand(kComputer, { "2D" });
    game.cpudraw();
    EXPECT_EQ(handOf(kComputer), (std::vector<CardCode> { "2D", "QD" }));
    EXPECT_EQ(game.cardsleft(), 0);
    EXPECT_EQ(view.state(Label16).caption, "0");
    EXPECT_EQ(record(), (std::vector<CardCode> { "5H" }));
    EXPECT_EQ(game.backdeckplace, 2);
    game.drew = 0;
    game.cpudraw();
    EXPECT_EQ(handOf(kComputer), (std::vector<CardCode> { "2D", "QD" }));
    EXPECT_EQ(game.drew, kTrue);
    EXPECT_EQ(record(), (std::vector<CardCode> { "5H" }));
}

TEST_F(Draw, ThePlayersDrawWaitsForThePressTheComputersDoesNot)
{
    setDeck(16, cards(16, 37));
    setHand(kPlayer, { "AS" });
    setHand(kComputer, { "AC" });
    int endlessWaits = 0;
    std::size_t heldAtWait = 0;
    view.onWait([&](HeadlessView &, Moment deadline) {
        if (deadline == Moment::max()) {
            ++endlessWaits;
            heldAtWait = handOf(kPlayer).size();
        }
    });

    const Moment t0 = view.now();
    game.cpudraw();
    EXPECT_EQ(endlessWaits, 0);
    EXPECT_EQ(view.now() - t0, kAnimationLength) << "only the deck card's journey";
    EXPECT_EQ(handOf(kComputer).size(), 2u);

    const Moment t1 = view.now();
    view.pressAt(t1 + 5s);
    game.playerdraw();
    EXPECT_EQ(endlessWaits, 1);
    EXPECT_EQ(heldAtWait, 1u) << "no card is taken before the press";
    EXPECT_EQ(view.now() - t1, 5s + kAnimationLength);
    EXPECT_EQ(handOf(kPlayer), (std::vector<CardCode> { "AS", canonicalCard(17) }));

    // Nobody presses: the game waits for ever and takes nothing.
    EXPECT_TRUE(runsUntilClosed([&] { game.playerdraw(); }));
    EXPECT_EQ(handOf(kPlayer).size(), 2u);
    EXPECT_EQ(game.deckplace, 18);
}

TEST_F(Draw, TheCardGoesIntoTheFirstEmptyRowAndIsNotPlayed)
{
    game.newdeck();
    game.dealround();
    const CardCode up = game.curcard;
    const int pileSets = view.state(Image45).pictureSets;
    // The next card matches the pile by suit, and still it is only drawn.
    for (int p = 17; p <= 52; ++p)
        if (suitOf(game.deck[p]) == suitOf(up))
            std::swap(game.deck[16], game.deck[p]);
    ASSERT_EQ(suitOf(game.deck[16]), suitOf(up));
    const CardCode first = game.deck[16];
    const CardCode second = game.deck[17];

    draw(kPlayer);
    EXPECT_EQ(game.hand[8][kPlayer], first);
    EXPECT_EQ(picture(playerslot(8)), first + ".bmp");
    EXPECT_EQ(picture(playerslot(9)), "Empty.bmp");
    EXPECT_EQ(view.state(Label16).caption, "36");

    draw(kComputer);
    EXPECT_EQ(game.hand[8][kComputer], second);
    EXPECT_EQ(picture(cpuslot(8)), "Back.bmp");
    EXPECT_EQ(view.state(Label16).caption, "35");

    EXPECT_EQ(handOf(kPlayer).size(), 8u);
    EXPECT_EQ(handOf(kComputer).size(), 8u);
    EXPECT_EQ(game.curcard, up);
    EXPECT_EQ(view.state(Image45).pictureSets, pileSets);
    EXPECT_EQ(game.deck[16], "");
    EXPECT_EQ(game.deck[17], "");
    EXPECT_EQ(game.deckplace, 18);
}

TEST_F(Draw, ADrawLeavesThePileRecordAsItWas)
{
    // An eight of clubs was played naming hearts and is on the record by its own code.
    for (int column : { kPlayer, kComputer }) {
        setDeck(20, cards(20, 10));
        setRecord({ "4H", "4C", "8C" });
        game.curcard = "8H";
        game.real8 = "";
        setHand(kPlayer, { "2S", "3S" });
        setHand(kComputer, { "2D", "3D" });
        game.drew = 0;
        draw(column);
        EXPECT_EQ(game.drew, kTrue);
        EXPECT_EQ(record(), (std::vector<CardCode> { "4H", "4C", "8C" })) << column;
        EXPECT_EQ(game.backdeckplace, 4);
        game.recordtopcard();
        EXPECT_EQ(record(), (std::vector<CardCode> { "4H", "4C", "8C" })) << column;
        EXPECT_EQ(game.backdeckplace, 4);
        EXPECT_EQ(game.curcard, "8H");
    }
}

TEST_F(Draw, AFullHandTakesNoCardAndTheTurnEndsAsADraw)
{
    const std::vector<CardCode> full = cards(1, 22);
    for (int column : { kPlayer, kComputer }) {
        setDeck(30, cards(30, 23));
        setRecord({ "7H" });
        setHand(kPlayer, { "7S" });
        setHand(kComputer, { "7C" });
        setHand(column, full);
        game.drew = 0;
        const Moment t0 = view.now();
        draw(column);
        EXPECT_EQ(handOf(column), full);
        EXPECT_EQ(game.deckplace, 30);
        EXPECT_EQ(deckPlaces(30, 52), cards(30, 23)) << "nothing lost from the deck";
        EXPECT_EQ(game.drew, kTrue);
        EXPECT_EQ(view.now() - t0, column == kPlayer ? Moment(10ms) : Moment(0)) << "the player's draw still waits for the press";
        game.recordtopcard();
        EXPECT_EQ(record(), (std::vector<CardCode> { "7H" }));
    }
    EXPECT_TRUE(runsUntilClosed([&] { game.playerdraw(); }));
}

// Both sides draw and play at random through many refills; after every step the
// 52 cards are each exactly once in the deck, a hand or the pile record.
TEST_F(Draw, HundredsOfTurnsKeepEveryCardExactlyOnce)
{
    game.newdeck();
    game.dealround();
    std::mt19937 pick(2024);
    int refills = 0;
    int draws = 0;
    CardCode top = game.curcard;
    std::set<CardCode> everyCard;
    for (int p = 1; p <= 52; ++p)
        everyCard.insert(canonicalCard(p));

    for (int turn = 0; turn < 500; ++turn) {
        SCOPED_TRACE("turn " + std::to_string(turn));
        const int column = turn % 2 ? kComputer : kPlayer;
        const std::size_t held = handOf(column).size();
        game.drew = 0;
        if (held >= 2 && pick() % 2 == 0) {
            const int row = 1 + static_cast<int>(pick() % held);
            CardCode card = game.hand[row][column];
            top = card;
            if (isEight(card)) {
                game.real8 = card;
                card = std::string { '8', "SCHD"[pick() % 4] };
            }
            game.curcard = card;
            game.hand[row][column].clear();
            column == kPlayer ? game.redrawplayerhand() : game.redrawcpuhand();
        } else {
            const bool took = held < 22 && game.cardsleft() > 0;
            draw(column);
            ++draws;
            if (took) {
                ASSERT_EQ(handOf(column).size(), held + 1);
                EXPECT_EQ(view.state(Label16).caption, std::to_string(game.cardsleft()));
            }
            refills += took && game.deckplace == 1; // a draw that did not refill leaves deckplace at 2 or more
        }
        ASSERT_GE(game.backdeckplace, 1);
        ASSERT_LE(game.backdeckplace, 52);
        game.recordtopcard();

        std::vector<CardCode> all = record();
        ASSERT_EQ(all.size(), game.backdeckplace - 1u) << "the record has no gap";
        ASSERT_EQ(all.back(), top) << "the top card is last on the record, by its own code";
        for (int p = game.backdeckplace; p <= 52; ++p)
            ASSERT_EQ(game.backdeck[p], "") << p;
        for (int p = 1; p < game.deckplace && p <= 52; ++p)
            ASSERT_EQ(game.deck[p], "") << "drawn place " << p;
        for (int p = std::max<int>(game.deckplace, 1); p <= 52; ++p)
            if (!game.deck[p].empty())
                all.push_back(game.deck[p]);
        for (int column2 : { kPlayer, kComputer })
            for (const CardCode &c : handOf(column2)) {
                ASSERT_FALSE(c.empty()) << "hands stay packed";
                all.push_back(c);
            }
        ASSERT_EQ(all.size(), 52u);
        ASSERT_EQ(std::set<CardCode>(all.begin(), all.end()), everyCard);
    }
    EXPECT_GE(refills, 3);
    EXPECT_GT(draws, 150);
}
