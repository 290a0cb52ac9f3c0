// SPDX-License-Identifier: GPL-3.0-or-later
// The record of switch use: scripted presses on the virtual clock give rows
// that say what the script did, and the figures a therapist reads.
#include "gamefixture.h"
#include "record/recordfigures.h"

#include <sstream>

namespace wildcrest::testing
{
namespace
{

    struct KeptRows : RecordSink {
        std::vector<RecordRow> rows;
        void row(const RecordRow &r) override
        {
            rows.push_back(r);
        }
        void round(const RoundRow &) override
        {
        }
    };

    class RecordTest : public ScanFixture
    {
    protected:
        // "kind outcome item place/pass +ms reaction held" from t0, one row a line.
        std::string lines() const
        {
            std::ostringstream out;
            const auto ms = [](Moment m) { return std::chrono::duration_cast<std::chrono::milliseconds>(m).count(); };
            for (const RecordRow &r : kept.rows) {
                out << rowKindName(r.kind) << ' ' << outcomeName(r.outcome) << ' ' << r.item << ' ' << r.place << '/' << r.pass << " +" << ms(r.when - t0);
                if (r.reaction)
                    out << " reaction " << ms(*r.reaction);
                if (r.held)
                    out << " held " << ms(*r.held);
                out << '\n';
            }
            return out.str();
        }
        // The next turn of the player, on 5H again with `cards`, from `start` on.
        void nextTurn(const std::vector<Card> &cards, Moment &start)
        {
            playersTurnOn5H();
            setHand(kPlayer, cards);
            start = view.now();
        }

        KeptRows kept;
    };

} // namespace

// Three turns with a scan time of 2 s: a pass goes by untouched and then a
// press (with a bounce) takes the nine; a press 100 ms into the king takes it
// late; a press 1.3 s into the first offer takes it; a press as the nine
// goes takes the king, late.
TEST_F(RecordTest, RowsSayWhatTheScriptedPressesDid)
{
    scan.record.sendTo(&kept);
    startScan(200ms, 0ms);
    view.holdAt(t0 + 4800ms, 120ms);
    view.holdAt(t0 + 4950ms, 10ms); // a bounce
    game.selection();
    Moment t1 {};
    nextTurn({ "9H", "KH" }, t1);
    view.holdAt(t1 + 2100ms, 50ms);
    game.selection();
    Moment t2 {};
    nextTurn({ "QH", "2S" }, t2);
    view.holdAt(t2 + 1300ms, 30ms);
    view.holdAt(t2 + 1350ms, 300ms); // a bounce, and a long one: ignored, whatever its hold
    game.selection();
    Moment t3 {};
    view.setYieldCost(10ms); // the table takes time to draw between two offers
    nextTurn({ "9H", "KH" }, t3);
    view.holdAt(t3 + 2005ms, 40ms); // after the nine went, before the king came: the king's, late
    game.selection();
    game.waits().pacingdelay(false, 1s); // the last bounce comes and goes
    scan.record.flush(view.now());

    const auto at = [&](Moment m) { return std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(m - t0).count()); };
    EXPECT_EQ(lines(),
        "offer shown nine of hearts 1/1 +0\n"
        "offer shown king of hearts 2/1 +2000\n"
        "pass no-press  0/1 +4000\n"
        "offer shown nine of hearts 1/2 +4000\n"
        "press taken nine of hearts 1/2 +4800 reaction 800 held 120\n"
        "press debounced  0/0 +4950 held 10\n"
        "offer shown nine of hearts 1/1 +"
            + at(t1)
            + "\n"
              "offer shown king of hearts 2/1 +"
            + at(t1 + 2000ms)
            + "\n"
              "press late king of hearts 2/1 +"
            + at(t1 + 2100ms)
            + " reaction 100 held 50\n"
              "offer shown queen of hearts 1/1 +"
            + at(t2)
            + "\n"
              "press taken queen of hearts 1/1 +"
            + at(t2 + 1300ms)
            + " reaction 1300 held 30\n"
              "press debounced  0/0 +"
            + at(t2 + 1350ms)
            + " held 300\n"
              "offer shown nine of hearts 1/1 +"
            + at(t3)
            + "\n"
              "offer shown king of hearts 2/1 +"
            + at(t3 + 2010ms)
            + "\n"
              "press late king of hearts 2/1 +"
            + at(t3 + 2005ms) + " reaction 0 held 40\n");

    const SessionFigures figures = figuresOf(kept.rows);
    EXPECT_EQ(figures.taken, 2u);
    EXPECT_EQ(figures.late, 2u);
    EXPECT_EQ(figures.noPressPasses, 1u);
    EXPECT_EQ(figures.ignored, 2u);
    EXPECT_DOUBLE_EQ(figures.meanReactionMs, 1050);
    const double rule = 1050 / 0.65;
    const double suggested = std::chrono::duration<double, std::milli>(*figures.suggestedScanTime).count();
    EXPECT_NEAR(suggested, rule, rule / 100);
}

// Two passes in a row with no press make the next wait a rest: the line says
// so, nothing is offered until a press, and then the scan goes on.
TEST_F(RecordTest, APlayerWhoLetsTwoPassesByIsOfferedARestAtTheNextWait)
{
    scan.settings.restOffer = true;
    startScan(0ms, 0ms);
    view.holdAt(t0 + 8500ms, 50ms); // the third pass: 9H taken
    game.selection();
    Moment t1 {};
    nextTurn({ "9H", "KH" }, t1);
    view.holdAt(t1 + 30s, 50ms);
    view.at(t1 + 29s, [&] {
        EXPECT_TRUE(view.state(Label18).visible);
        EXPECT_EQ(view.state(Label18).caption, "Take a rest? Press to go on");
        EXPECT_EQ(view.state(playerslot(1)).top, playerslotRect(1).top) << "a card was offered during the rest";
    });
    view.holdAt(t1 + 30s + 2100ms, 50ms); // after the rest, the scan starts again from the nine
    game.selection();
    EXPECT_FALSE(view.state(Label18).visible);
    EXPECT_EQ(game.match.curcard, "KH");
    EXPECT_FALSE(scan.record.tiring());
}

} // namespace wildcrest::testing
