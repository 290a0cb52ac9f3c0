// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefixture.h"

#include "rules/rules.h"

#include <algorithm>
#include <map>
#include <set>

using namespace wildcrest;
using namespace wildcrest::testing;

// Two players at the table, each with a switch of their own and a scanning of
// their own, with handover between turns, and a whole match played out.
//
// Sam (the bottom hand) scans automatically and takes the last card on offer;
// Alex (the top hand) steps and dwells, and takes the first card on offer by
// starting the scan and waiting. Each presses the other's switch as noise,
// early in every wait of the other's turn: counted, it would take a card
// earlier than its player did, or step past the card the player waited on.
class TwoPlayers : public GameFixture
{
protected:
    ScanRoom alexScan { view };
    std::map<int, Card> expected; // by column: the card its player is taking
    std::map<int, int> played, checked;
    std::vector<std::string> handoverLines;
    int noise = 0;
    std::string lastShown;

    static int columnToMove(const HeadlessView &v)
    {
        return v.state(Label2).backColour == kRed ? kPlayer : kComputer;
    }
    int liftedPlace(int column) const
    {
        for (int k = 1; k <= kHandPlaces; ++k)
            if (column == kPlayer ? view.top(playerslot(k)) < playerslotRect(k).top : view.top(cpuslot(k)) > cpuslotRect(k).top)
                return k;
        return 0;
    }
    void press(int column, Moment when)
    {
        view.switchAt(SwitchEvent { 1, true, when, SwitchSource::Key, false, column == kPlayer ? 0 : 1 });
        view.switchAt(SwitchEvent { 1, false, when + 50ms, SwitchSource::Key, false, column == kPlayer ? 0 : 1 });
    }

    void watch(HeadlessView &v, Moment deadline)
    {
        if (v.state(Label6).visible || v.state(Label7).visible || v.state(Label15).visible) {
            v.closeAt(v.now()); // the match is over
            return;
        }
        const int column = columnToMove(v);
        const int other = column == kPlayer ? kComputer : kPlayer;
        // A press wakes the wait, which begins again: each thing on offer is pressed for once.
        const std::string shown = std::to_string(column) + ":" + std::to_string(liftedPlace(column)) + ":" + std::to_string(deadline.count()) + ":"
            + v.state(column == kPlayer ? playerslot(1) : cpuslot(1)).picture;
        if (shown == lastShown)
            return;
        lastShown = shown;
        if (v.state(Label18).visible)
            handoverLines.push_back(v.state(Label18).caption);
        if (deadline - v.now() > 50ms) { // always within the wait, never in the other's turn
            press(other, v.now() + 10ms);
            ++noise;
        }
        const std::vector<int> playable = playableplaces(game.match, column);
        const bool faceUp = !playable.empty() && v.state(column == kPlayer ? playerslot(1) : cpuslot(1)).picture.find("Back") == std::string::npos;
        if (deadline == Moment::max()) {
            if (column == kComputer && faceUp && liftedPlace(column) == 0)
                expected[column] = game.match.hand[playable.front()][column];
            press(column, v.now() + 100ms);
        } else if (column == kPlayer && liftedPlace(column) != 0 && liftedPlace(column) == playable.back()) {
            expected[column] = game.match.hand[playable.back()][column];
            press(column, v.now() + 100ms);
        }
    }
};

TEST_F(TwoPlayers, AMatchWithHandoverTakesOnlyEachPlayersOwnChoices)
{
    scan.settings.scanTime = 1000ms;
    alexScan.settings.scanMethod = "step-dwell";
    alexScan.settings.scanTime = 1500ms;
    game.seatSecondPlayer(alexScan, true);
    game.nameSides("Sam", "Alex");
    game.narrate(true);
    game.load();
    EXPECT_EQ(view.state(Label2).caption, "Sam");
    EXPECT_EQ(view.state(Label3).caption, "Alex");

    std::map<int, std::vector<Card>> before;
    std::set<std::string> narrated;
    int round = 1;
    game.onTurnEnd([&](const GameForm &g) {
        const int column = columnToMove(view);
        narrated.insert(view.state(NarrationLine).caption);
        std::vector<Card> hand = handOf(column), gone;
        std::sort(hand.begin(), hand.end());
        std::sort(before[column].begin(), before[column].end());
        std::set_difference(before[column].begin(), before[column].end(), hand.begin(), hand.end(), std::back_inserter(gone));
        if (g.match.gamecount == round && gone.size() == 1) {
            ++played[column];
            EXPECT_EQ(gone.front(), expected[column]) << "column " << column;
            checked[column] += gone.front() == expected[column];
        }
        round = g.match.gamecount;
        before[kPlayer] = handOf(kPlayer);
        before[kComputer] = handOf(kComputer);
        // Between turns, with handover, no hand shows its faces.
        if (g.reset != kTrue) {
            EXPECT_NE(view.state(column == kPlayer ? playerslot(1) : cpuslot(1)).picture.find("Back"), std::string::npos);
        }
    });
    view.onWait([this](HeadlessView &v, Moment deadline) { watch(v, deadline); });
    EXPECT_TRUE(runsUntilClosed([&] { game.activate(); }));

    EXPECT_GT(played[kPlayer], 10);
    EXPECT_GT(played[kComputer], 10);
    EXPECT_EQ(checked[kPlayer], played[kPlayer]);
    EXPECT_EQ(checked[kComputer], played[kComputer]);
    EXPECT_GT(noise, 100);
    EXPECT_NE(std::find(handoverLines.begin(), handoverLines.end(), "Sam's turn: press when ready"), handoverLines.end());
    EXPECT_NE(std::find(handoverLines.begin(), handoverLines.end(), "Alex's turn: press when ready"), handoverLines.end());
    EXPECT_TRUE(std::any_of(narrated.begin(), narrated.end(), [](const std::string &s) { return s.rfind("Alex played the ", 0) == 0; }));
    EXPECT_TRUE(std::any_of(narrated.begin(), narrated.end(), [](const std::string &s) { return s.rfind("Sam played the ", 0) == 0; }));
    EXPECT_TRUE(view.state(Label6).visible ? view.state(Label6).caption == "Sam Wins!"
            : view.state(Label7).visible   ? view.state(Label7).caption == "Alex Wins!"
                                           : true);
}
