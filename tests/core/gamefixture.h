// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cards/random.h"
#include "game/gameform.h"
#include "player/scanroom.h"
#include "settings/speeds.h"
#include "table/headless/headlessview.h"
#include "table/layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wildcrest::testing
{

using namespace std::chrono_literals;

// A game on the headless view and its virtual clock, with helpers to lay out
// hands and read back what the table shows.
class GameFixture : public ::testing::Test
{
protected:
    HeadlessView view;
    ClockFoldedRandom random { 42 };
    ScanRoom scan { view };
    GameForm game { view, random, scan };

    // Puts `cards` into places 1.. of a hand column and empties the rest.
    void setHand(int column, const std::vector<Card> &cards)
    {
        for (int i = 1; i <= kHandPlaces; ++i)
            game.match.hand[i][column] = i <= int(cards.size()) ? cards[i - 1] : Card {};
    }

    std::vector<Card> handOf(int column) const
    {
        std::vector<Card> cards;
        for (int i = 1; i <= kHandPlaces; ++i)
            cards.push_back(game.match.hand[i][column]);
        while (!cards.empty() && cards.back().empty())
            cards.pop_back();
        return cards;
    }

    // The file name a control shows ("QH.bmp"), without the directory.
    std::string picture(Control c) const
    {
        const std::string &path = view.state(c).picture;
        const auto slash = path.find_last_of('/');
        return slash == std::string::npos ? path : path.substr(slash + 1);
    }

    // Runs `body` until the game ends by Esc or the close box; says whether it did.
    template <typename Body> bool runsUntilClosed(Body body)
    {
        try {
            body();
        } catch (const GameEnded &) {
            return true;
        }
        return false;
    }

    // A round under way, the player to move on the five of hearts: the computer
    // holds KS and KC, the deck 2D and 3D, and the table is as after load.
    void playersTurnOn5H()
    {
        game.match.deck[16] = "2D";
        game.match.deck[17] = "3D";
        game.match.deckplace = 16;
        game.match.backdeck[1] = "5H";
        game.match.backdeckplace = 2;
        game.match.curcard = "5H";
        setHand(kComputer, { "KS", "KC" });
        for (Control c : { Shape2, Image48, Image49 })
            view.setVisible(c, false);
    }

    // The cards of the pile record, places 1.. up to the first empty one.
    std::vector<Card> record() const
    {
        std::vector<Card> cards;
        for (int i = 1; i <= kDeckSize && !game.match.backdeck[i].empty(); ++i)
            cards.push_back(game.match.backdeck[i]);
        return cards;
    }
};

// The player to move with 9H and KH playable, from t0 on: 9H is offered
// first, KH two seconds later.
class ScanFixture : public GameFixture
{
protected:
    void startScan(std::chrono::milliseconds debounce, std::chrono::milliseconds acceptance)
    {
        scan.settings.debounce = debounce;
        scan.settings.acceptance = acceptance;
        game.load();
        t0 = view.now();
        playersTurnOn5H();
        setHand(kPlayer, { "9H", "KH", "2S" });
    }

    Moment t0 {};
};

} // namespace wildcrest::testing
