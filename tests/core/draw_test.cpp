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
    void setDeck(int from, const std::vector<Card> &cards)
    {
        game.match.deck = {};
        for (std::size_t i = 0; i < cards.size(); ++i)
            game.match.deck[from + i] = cards[i];
        game.match.deckplace = static_cast<std::int16_t>(from);
    }

    void setRecord(const std::vector<Card> &cards)
    {
        game.match.backdeck = {};
        for (std::size_t i = 0; i < cards.size(); ++i)
            game.match.backdeck[i + 1] = cards[i];
        game.match.backdeckplace = static_cast<std::int16_t>(cards.size() + 1);
    }

    std::vector<Card> deckPlaces(int from, int to) const
    {
        return { game.match.deck.begin() + from, game.match.deck.begin() + to + 1 };
    }

    static std::multiset<Card> sorted(const std::vector<Card> &cards)
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
    static std::vector<Card> cards(int first, int count)
    {
        std::vector<Card> out;
        for (int p = first; p < first + count; ++p)
            out.push_back(canonicalCard(p));
        return out;
    }
};

TEST_F(Draw, TheLastPlaceOfAFullDeckRefillsItFromThePileUnderTheTopCard)
{
    // The pile: 21 cards, the last an eight that was played naming hearts.
    std::vector<Card> pile = cards(1, 20);
    pile.push_back("8C");
    setRecord(pile);
    game.match.curcard = "8H";
    setDeck(52, { "KD" });
    setHand(kComputer, { "9S", "9C" });
    setHand(kPlayer, { "9H" });

    game.drew = 0;
    game.cpudraw();
    EXPECT_EQ(handOf(kComputer), (std::vector<Card> { "9S", "9C", "KD" }));
    EXPECT_EQ(game.match.deckplace, 1);
    EXPECT_EQ(sorted(deckPlaces(1, 20)), sorted(cards(1, 20)));
    for (int p = 21; p <= 52; ++p)
        EXPECT_EQ(game.match.deck[p], Card {}) << p;
    EXPECT_EQ(record(), (std::vector<Card> { "8C" })) << "the top card stays on the pile by its own code";
    EXPECT_EQ(game.match.backdeckplace, 2);
    EXPECT_EQ(game.match.curcard, "8H");
    EXPECT_EQ(game.match.cardsleft(), 20);
    EXPECT_EQ(view.state(Label16).caption, "20");

    game.recordtopcard(); // the turn ends as a draw: nothing new on the pile
    EXPECT_EQ(record(), (std::vector<Card> { "8C" }));
    EXPECT_EQ(game.match.backdeckplace, 2);
}

TEST_F(Draw, TheNthDrawAfterARefillOfNCardsRefillsAtOnce)
{
    setDeck(1, { "2C", "3C", "4C", "5C" });
    setRecord({ "9H", "TH", "JH" });
    setHand(kPlayer, { "AS" });
    for (int n = 1; n <= 3; ++n) {
        game.cpudraw();
        EXPECT_EQ(game.match.deckplace, n + 1);
        EXPECT_EQ(view.state(Label16).caption, std::to_string(4 - n));
    }
    EXPECT_EQ(record().size(), 3u);
    game.cpudraw();
    EXPECT_EQ(handOf(kComputer), (std::vector<Card> { "2C", "3C", "4C", "5C" }));
    EXPECT_EQ(game.match.deckplace, 1);
    EXPECT_EQ(sorted(deckPlaces(1, 2)), sorted({ "9H", "TH" }));
    EXPECT_EQ(game.match.deck[3], Card {});
    EXPECT_EQ(record(), (std::vector<Card> { "JH" }));
    EXPECT_EQ(view.state(Label16).caption, "2");
}

TEST_F(Draw, ARefillFromAGappedRecordOrFromTheTopCardAloneLosesNothing)
{
    setDeck(52, { "KD" });
    game.match.backdeck[1] = "2H";
    game.match.backdeck[3] = "4H"; // place 2 left empty
    game.match.backdeck[4] = "5H";
    game.match.backdeckplace = 5;
    game.cpudraw();
    EXPECT_EQ(sorted(deckPlaces(1, 2)), sorted({ "2H", "4H" }));
    EXPECT_EQ(game.match.deck[3], Card {});
    EXPECT_EQ(record(), (std::vector<Card> { "5H" }));
    EXPECT_EQ(game.match.backdeckplace, 2);

    // Now only the top card is on the pile: the deck's last card leaves an empty deck,
    // and a draw from it takes nothing and makes nothing up.
    setDeck(52, { "QD" });
    setRecord({ "5H" });
    setHand(kComputer, { "2D" });
    game.cpudraw();
    EXPECT_EQ(handOf(kComputer), (std::vector<Card> { "2D", "QD" }));
    EXPECT_EQ(game.match.cardsleft(), 0);
    EXPECT_EQ(view.state(Label16).caption, "0");
    EXPECT_EQ(record(), (std::vector<Card> { "5H" }));
    EXPECT_EQ(game.match.backdeckplace, 2);
    game.drew = 0;
    game.cpudraw();
    EXPECT_EQ(handOf(kComputer), (std::vector<Card> { "2D", "QD" }));
    EXPECT_EQ(game.drew, kTrue);
    EXPECT_EQ(record(), (std::vector<Card> { "5H" }));
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
    EXPECT_EQ(handOf(kPlayer), (std::vector<Card> { "AS", canonicalCard(17) }));

    // Nobody presses: the game waits for ever and takes nothing.
    EXPECT_TRUE(runsUntilClosed([&] { game.playerdraw(); }));
    EXPECT_EQ(handOf(kPlayer).size(), 2u);
    EXPECT_EQ(game.match.deckplace, 18);
}

TEST_F(Draw, TheCardGoesIntoTheFirstEmptyRowAndIsNotPlayed)
{
    game.newdeck();
    game.dealround();
    const Card up = game.match.curcard;
    const int pileSets = view.state(Image45).pictureSets;
    // The next card matches the pile by suit, and still it is only drawn.
    for (int p = 17; p <= 52; ++p)
        if (game.match.deck[p].suit() == up.suit())
            std::swap(game.match.deck[16], game.match.deck[p]);
    ASSERT_EQ(game.match.deck[16].suit(), up.suit());
    const Card first = game.match.deck[16];
    const Card second = game.match.deck[17];

    draw(kPlayer);
    EXPECT_EQ(game.match.hand[8][kPlayer], first);
    EXPECT_EQ(picture(playerslot(8)), first.code() + ".bmp");
    EXPECT_EQ(picture(playerslot(9)), "Empty.bmp");
    EXPECT_EQ(view.state(Label16).caption, "36");

    draw(kComputer);
    EXPECT_EQ(game.match.hand[8][kComputer], second);
    EXPECT_EQ(picture(cpuslot(8)), "Back.bmp");
    EXPECT_EQ(view.state(Label16).caption, "35");

    EXPECT_EQ(handOf(kPlayer).size(), 8u);
    EXPECT_EQ(handOf(kComputer).size(), 8u);
    EXPECT_EQ(game.match.curcard, up);
    EXPECT_EQ(view.state(Image45).pictureSets, pileSets);
    EXPECT_EQ(game.match.deck[16], Card {});
    EXPECT_EQ(game.match.deck[17], Card {});
    EXPECT_EQ(game.match.deckplace, 18);
}

TEST_F(Draw, ADrawLeavesThePileRecordAsItWas)
{
    // An eight of clubs was played naming hearts and is on the record by its own code.
    for (int column : { kPlayer, kComputer }) {
        setDeck(20, cards(20, 10));
        setRecord({ "4H", "4C", "8C" });
        game.match.curcard = "8H";
        game.match.real8.clear();
        setHand(kPlayer, { "2S", "3S" });
        setHand(kComputer, { "2D", "3D" });
        game.drew = 0;
        draw(column);
        EXPECT_EQ(game.drew, kTrue);
        EXPECT_EQ(record(), (std::vector<Card> { "4H", "4C", "8C" })) << column;
        EXPECT_EQ(game.match.backdeckplace, 4);
        game.recordtopcard();
        EXPECT_EQ(record(), (std::vector<Card> { "4H", "4C", "8C" })) << column;
        EXPECT_EQ(game.match.backdeckplace, 4);
        EXPECT_EQ(game.match.curcard, "8H");
    }
}

TEST_F(Draw, AFullHandTakesNoCardAndTheTurnEndsAsADraw)
{
    const std::vector<Card> full = cards(1, 22);
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
        EXPECT_EQ(game.match.deckplace, 30);
        EXPECT_EQ(deckPlaces(30, 52), cards(30, 23)) << "nothing lost from the deck";
        EXPECT_EQ(game.drew, kTrue);
        EXPECT_EQ(view.now() - t0, column == kPlayer ? Moment(10ms) : Moment(0)) << "the player's draw still waits for the press";
        game.recordtopcard();
        EXPECT_EQ(record(), (std::vector<Card> { "7H" }));
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
    Card top = game.match.curcard;
    std::set<Card> everyCard;
    for (int p = 1; p <= 52; ++p)
        everyCard.insert(canonicalCard(p));

    for (int turn = 0; turn < 500; ++turn) {
        SCOPED_TRACE("turn " + std::to_string(turn));
        const int column = turn % 2 ? kComputer : kPlayer;
        const std::size_t held = handOf(column).size();
        game.drew = 0;
        if (held >= 2 && pick() % 2 == 0) {
            const int row = 1 + static_cast<int>(pick() % held);
            Card card = game.match.hand[row][column];
            top = card;
            if (card.isEight()) {
                game.match.real8 = card;
                card = Card('8', "SCHD"[pick() % 4]);
            }
            game.match.curcard = card;
            game.match.hand[row][column].clear();
            column == kPlayer ? game.redrawplayerhand() : game.redrawcpuhand();
        } else {
            const bool took = held < 22 && game.match.cardsleft() > 0;
            draw(column);
            ++draws;
            if (took) {
                ASSERT_EQ(handOf(column).size(), held + 1);
                EXPECT_EQ(view.state(Label16).caption, std::to_string(game.match.cardsleft()));
            }
            refills += took && game.match.deckplace == 1; // a draw that did not refill leaves deckplace at 2 or more
        }
        ASSERT_GE(game.match.backdeckplace, 1);
        ASSERT_LE(game.match.backdeckplace, 52);
        game.recordtopcard();

        std::vector<Card> all = record();
        ASSERT_EQ(all.size(), game.match.backdeckplace - 1u) << "the record has no gap";
        ASSERT_EQ(all.back(), top) << "the top card is last on the record, by its own code";
        for (int p = game.match.backdeckplace; p <= 52; ++p)
            ASSERT_EQ(game.match.backdeck[p], Card {}) << p;
        for (int p = 1; p < game.match.deckplace && p <= 52; ++p)
            ASSERT_EQ(game.match.deck[p], Card {}) << "drawn place " << p;
        for (int p = std::max<int>(game.match.deckplace, 1); p <= 52; ++p)
            if (!game.match.deck[p].empty())
                all.push_back(game.match.deck[p]);
        for (int column2 : { kPlayer, kComputer })
            for (const Card &c : handOf(column2)) {
                ASSERT_FALSE(c.empty()) << "hands stay packed";
                all.push_back(c);
            }
        ASSERT_EQ(all.size(), 52u);
        ASSERT_EQ(std::set<Card>(all.begin(), all.end()), everyCard);
    }
    EXPECT_GE(refills, 3);
    EXPECT_GT(draws, 150);
}
