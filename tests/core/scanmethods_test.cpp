// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefixture.h"

#include <optional>

using namespace wildcrest;
using namespace wildcrest::testing;

namespace
{

// What the table asks of the player at a wait.
enum class Asks { Nothing, Key, Card, Suit };

struct Press {
    Moment after;
    int which = 1;
    Moment held = 0ms; // 0: down and up at once
};

} // namespace

// Whole matches and single turns played by each scanning method, with a player
// who looks at the table at every wait and presses as the method wants.
class ScanMethods : public GameFixture
{
protected:
    // Decides what to press at a fresh wait; nothing to let it be.
    std::function<std::optional<Press>(Asks, Moment deadline)> player;
    int matchesEnded = 0;
    int plays = 0; // the player's plays that were checked
    int playerPresses = 0; // presses during the player's turn
    Card onShow; // the card lifted when the player last looked
    std::function<void(const GameForm &)> afterTurn; // a test's own look at every turn's end
    Moment onShowSince {};

    int liftedSlot() const
    {
        for (int k = 1; k <= kHandPlaces; ++k)
            if (view.top(playerslot(k)) == playerslotRect(k).top - kLift)
                return k;
        return 0;
    }

    Asks asks(Moment deadline) const
    {
        if (view.state(Frame1).visible)
            return Asks::Key;
        if (view.state(Image49).visible || view.state(Image48).visible)
            return Asks::Nothing; // a card travelling
        if (view.state(Shape2).visible)
            return Asks::Suit;
        if (liftedSlot())
            return Asks::Card;
        return deadline == Moment::max() ? Asks::Key : Asks::Nothing;
    }

    bool playersTurn() const
    {
        return view.state(Label2).backColour == kRed;
    }

    // Plays until `matches` matches have ended (or the virtual clock says the
    // game is stuck), checking that every card played is the one on show when
    // the player took it.
    void playMatches(int matches)
    {
        view.setTimeLimit(std::chrono::hours(20));
        view.onWait([this](HeadlessView &v, Moment deadline) {
            if (const int k = liftedSlot(); k && !game.match.hand[k][kPlayer].empty() && game.match.hand[k][kPlayer] != onShow) {
                onShow = game.match.hand[k][kPlayer];
                onShowSince = v.now();
            }
            // Whatever the method: an eight of the suit asked for stands on the
            // pile the moment an eight is taken, and the place a card left is
            // down as the card travels.
            EXPECT_TRUE(!view.state(Shape2).visible || view.state(Image45).shown.kind == Picture::Kind::SuitChoice) << scan.settings.scanMethod;
            EXPECT_TRUE(!view.state(Image49).visible || liftedSlot() == 0) << scan.settings.scanMethod;
            if (v.pendingEvents() != 0)
                return;
            const Asks a = asks(deadline);
            if (a == Asks::Nothing)
                return;
            if (const auto p = player(a, deadline)) {
                playerPresses += playersTurn() && !view.state(Frame1).visible;
                const Moment at = v.now() + p->after;
                if (p->held > 0ms)
                    v.holdAt(at, p->held, p->which);
                else
                    v.switchAt(SwitchEvent { p->which, true, at }), v.switchAt(SwitchEvent { p->which, false, at });
            }
        });
        game.onTurnEnd([this, matches](const GameForm &g) {
            if (view.state(Label2).backColour == kRed && g.reset != kTrue && g.match.backdeckplace > 1 && !onShow.empty()) {
                const Card recorded = g.match.backdeck[g.match.backdeckplace - 1];
                if (recorded == onShow) {
                    ++plays;
                    EXPECT_GE(playerPresses, 1) << "a card was played without a press in its turn";
                }
            }
            if (afterTurn)
                afterTurn(g);
            if (view.state(Label2).backColour == kRed) {
                playerPresses = 0;
                onShow.clear();
            }
            if (g.reset == kTrue && g.match.gamecount == 1 && ++matchesEnded >= matches)
                view.closeAt(view.now());
        });
        EXPECT_TRUE(runsUntilClosed([&] {
            game.load();
            game.activate();
        }));
        EXPECT_EQ(matchesEnded, matches) << "the game stopped before the matches ended";
    }
};

TEST_F(ScanMethods, StepScanningPlaysAWholeMatchWithTwoSwitchesAndNothingMovesOnItsOwn)
{
    scan.settings.scanMethod = "step";
    scan.settings.secondSwitch = SecondSwitch { SecondSwitch::Kind::Enter, 0, {} };
    int moves = 0;
    int keyWaitsBySwitch2 = 0;
    player = [&](Asks a, Moment deadline) -> std::optional<Press> {
        if (a == Asks::Key) {
            // Either switch ends a wait for a key; use the second one every other time.
            const int which = 1 + (keyWaitsBySwitch2++ % 2);
            return Press { 200ms, which };
        }
        EXPECT_EQ(deadline, Moment::max()) << "a step offer ran out on its own";
        // Wait long, then move once or twice and take.
        if (moves < 2 && a == Asks::Card) {
            ++moves;
            return Press { 30s, 1 };
        }
        moves = 0;
        return Press { 30s, 2 };
    };
    playMatches(1);
    EXPECT_GT(plays, 10);
}

TEST_F(ScanMethods, StepDwellTakesTheCardLeftForTheScanTimeAndNeverWithoutAPress)
{
    scan.settings.scanMethod = "step-dwell";
    bool moved = false;
    player = [&](Asks a, Moment deadline) -> std::optional<Press> {
        if (a == Asks::Key || deadline == Moment::max()) { // a key, or nothing on show yet
            moved = false;
            return Press { 500ms };
        }
        if (a == Asks::Card && !moved) {
            moved = true;
            return Press { 700ms };
        }
        return std::nullopt; // let it dwell
    };
    playMatches(1);
    EXPECT_GT(plays, 10);
}

TEST_F(ScanMethods, InverseScanningTakesTheOfferOnShowWhenTheSwitchIsLetGo)
{
    scan.settings.scanMethod = "inverse";
    player = [&](Asks a, Moment deadline) -> std::optional<Press> {
        if (a == Asks::Key || deadline == Moment::max()) // hold through the first offer into the second
            return Press { 300ms, 1, scan.scantime() + 700ms };
        return std::nullopt;
    };
    playMatches(1);
    EXPECT_GT(plays, 10);
}

TEST_F(ScanMethods, StepDwellLiftsNothingUntilAPressAndThenMovesWithEachPress)
{
    scan.settings.scanMethod = "step-dwell";
    playersTurnOn5H();
    setHand(kPlayer, { "9H", "KH", "2S", "5C" });
    bool everLifted = false;
    view.onWait([&](HeadlessView &v, Moment) { everLifted = everLifted || (liftedSlot() && v.now() < 60s); });
    view.pressAt(60s); // lifts 9H
    view.pressAt(61s); // moves to KH
    view.pressAt(62500ms); // moves to 5C
    game.selection();
    EXPECT_FALSE(everLifted);
    EXPECT_EQ(game.match.curcard, "5C");
    EXPECT_EQ(view.now(), 64500ms + kAnimationLength); // taken two seconds after the last press, then to the pile
}

TEST_F(ScanMethods, InverseScanningIgnoresAReleaseBeforeThePressCounts)
{
    scan.settings.scanMethod = "inverse";
    scan.settings.acceptance = 300ms;
    game.load();
    const Moment t0 = view.now();
    playersTurnOn5H();
    setHand(kPlayer, { "9H", "KH", "2S" });
    view.holdAt(t0 + 1s, 100ms); // let go before it counts: nothing
    view.holdAt(t0 + 5s, 2800ms); // counts at 5.3 s, KH from 7.3 s, let go at 7.8 s
    game.selection();
    EXPECT_EQ(game.match.curcard, "KH");
    EXPECT_EQ(handOf(kPlayer), (std::vector<Card> { "9H", "2S" }));
}

TEST_F(ScanMethods, StepScanningNamesASuitWithTheTwoSwitches)
{
    scan.settings.scanMethod = "step";
    scan.settings.secondSwitch = SecondSwitch { SecondSwitch::Kind::Enter, 0, {} };
    playersTurnOn5H();
    setHand(kPlayer, { "9H", "8C" });
    view.switchAt({ 1, true, 1s });
    view.switchAt({ 1, false, 1s }); // to 8C
    view.switchAt({ 2, true, 2s });
    view.switchAt({ 2, false, 2s }); // takes 8C; hearts on show
    view.switchAt({ 1, true, 3s });
    view.switchAt({ 1, false, 3s }); // spades
    view.switchAt({ 2, true, 100s });
    view.switchAt({ 2, false, 100s }); // takes spades
    game.selection();
    EXPECT_EQ(game.match.curcard, "8S");
    EXPECT_EQ(game.match.real8, "8C");
}

TEST_F(ScanMethods, TheScanRestsAfterItsLoopsAndAPressStartsItAgain)
{
    scan.settings.scanLoops = 2;
    scan.settings.speech = true;
    playersTurnOn5H();
    view.setVisible(Label18, false); // as the game's load leaves it
    setHand(kPlayer, { "9H", "KH", "2S" });
    std::optional<Moment> restedAt;
    view.onWait([&](HeadlessView &v, Moment deadline) {
        if (!restedAt && v.state(Label18).visible) {
            restedAt = v.now();
            EXPECT_EQ(v.state(Label18).caption, "Press to see your cards again");
            EXPECT_EQ(liftedSlot(), 0);
            EXPECT_EQ(deadline, Moment::max());
        }
    });
    view.pressAt(100s); // starts the scan again, from 9H
    view.pressAt(100500ms); // takes 9H
    game.selection();
    ASSERT_TRUE(restedAt.has_value());
    EXPECT_EQ(*restedAt, 8s); // two passes of two cards, two seconds each
    EXPECT_FALSE(view.state(Label18).visible);
    EXPECT_EQ(game.match.curcard, "9H");
    EXPECT_NE(std::find(view.spoken().begin(), view.spoken().end(), "Press to see your cards again"), view.spoken().end());
}

// A debounce longer than the passes before a rest: the scan starts again only
// once a press can count, or it would rest again before any could.
TEST_F(ScanMethods, AfterARestTheScanWaitsOutTheDebounceBeforeItsPasses)
{
    scan.settings.scanLoops = 3;
    scan.settings.scanTime = 500ms;
    scan.settings.debounce = 1583ms;
    game.load();
    playersTurnOn5H();
    setHand(kPlayer, { "9H", "2S" });
    const Moment start = view.now();
    view.pressAt(start + 10s); // after the rest: starts the scan again
    view.pressAt(start + 11700ms); // past the debounce, within the scan's first pass
    game.selection();
    EXPECT_EQ(game.match.curcard, "9H");
    EXPECT_LT(view.now(), start + 13s);
}

TEST_F(ScanMethods, PromptsSayWhatAPressWillDoOnlyWhenAsked)
{
    playersTurnOn5H();
    view.setVisible(Label18, false); // as the game's load leaves it
    setHand(kPlayer, { "2S" });
    std::vector<std::string> shown;
    view.onWait([&](HeadlessView &v, Moment) {
        if (v.state(Label18).visible && (shown.empty() || shown.back() != v.state(Label18).caption))
            shown.push_back(v.state(Label18).caption);
    });
    view.pressAt(1s);
    game.selection();
    EXPECT_TRUE(shown.empty());

    scan.settings.prompts = true;
    setHand(kPlayer, { "2S" });
    view.pressAt(view.now() + 1s);
    game.selection();
    EXPECT_EQ(shown, (std::vector<std::string> { "Press to draw a card" }));
    EXPECT_FALSE(view.state(Label18).visible);
}

// The menu a long press opens: a press is taken on release, a hold opens the menu.
class SwitchMenu : public ScanMethods
{
protected:
    void SetUp() override
    {
        scan.settings.longPressMenu = true;
        game.load();
        t0 = view.now();
        playersTurnOn5H();
        setHand(kPlayer, { "9H", "KH", "2S" });
    }

    bool menuOpen() const
    {
        return view.state(menuitem(1)).visible;
    }
    // The menu item lifted, 0 for none.
    int liftedItem() const
    {
        for (int k = 1; k <= kMenuItems; ++k)
            if (view.state(menuitem(k)).visible && view.top(menuitem(k)) == specOf(menuitem(k)).rect.top - kLift)
                return k;
        return 0;
    }

    Moment t0 {};
};

TEST_F(SwitchMenu, APressIsTakenWhenTheSwitchComesUpAndTheScanWaitsMeanwhile)
{
    view.holdAt(t0 + 1500ms, 1500ms); // down during 9H, up after 9H's time would have run out
    game.selection();
    EXPECT_EQ(game.match.curcard, "9H");
    EXPECT_EQ(view.now(), t0 + 3000ms + kAnimationLength);
    EXPECT_FALSE(menuOpen());
}

TEST_F(SwitchMenu, AHoldOpensTheMenuAndBackToTheGameGoesOnWhereItWas)
{
    std::vector<std::string> items;
    view.onWait([&](HeadlessView &v, Moment) {
        if (menuOpen() && items.empty())
            for (int k = 1; k <= kMenuItems; ++k)
                items.push_back(v.state(menuitem(k)).caption);
    });
    view.holdAt(t0 + 500ms, 3200ms); // the menu opens at 3.5 s, "Back to the game" on offer
    view.pressAt(t0 + 4000ms); // back: 9H has the rest of its time, to 5.5 s
    view.pressAt(t0 + 6000ms); // KH
    game.selection();
    EXPECT_EQ(items, (std::vector<std::string> { "Back to the game", "Slower", "Faster", "New match", "End the game" }));
    EXPECT_EQ(game.match.curcard, "KH");
    EXPECT_EQ(handOf(kPlayer), (std::vector<Card> { "9H", "2S" }));
    EXPECT_FALSE(menuOpen());
}

TEST_F(SwitchMenu, WithInverseScanningAHoldIsTheScanNotTheMenu)
{
    scan.settings.scanMethod = "inverse";
    view.holdAt(t0 + 1s, 3500ms); // 9H, then KH from 3 s; let go at 4.5 s
    game.selection();
    EXPECT_EQ(game.match.curcard, "KH");
    EXPECT_FALSE(menuOpen());
}

TEST_F(SwitchMenu, SlowerAndFasterChangeTheScanTimeByAQuarterSecond)
{
    std::vector<int> taken;
    Moment busyUntil {};
    view.onWait([&](HeadlessView &v, Moment) {
        // Take "Slower" twice, then "Faster" once, then "Back to the game".
        static const int wanted[] = { 2, 2, 3, 1 };
        if (!menuOpen() || v.now() < busyUntil || taken.size() >= 4)
            return;
        if (liftedItem() == wanted[taken.size()]) {
            taken.push_back(liftedItem());
            v.pressAt(v.now() + 100ms);
            busyUntil = v.now() + 101ms;
        }
    });
    view.holdAt(t0 + 500ms, 3200ms);
    view.pressAt(t0 + 200s); // a card, long after
    game.selection();
    EXPECT_EQ(taken.size(), 4u);
    EXPECT_EQ(scan.scantime(), 2250ms);
}

TEST_F(SwitchMenu, EndTheGameIsAskedAsAQuestionWithTheSafeAnswerFirst)
{
    std::vector<std::string> answers;
    int asked = 0;
    view.onWait([&](HeadlessView &v, Moment) {
        if (!menuOpen() || v.pendingEvents() != 0)
            return;
        // The table dimmed, no card lifted beneath, the item on offer framed.
        EXPECT_TRUE(v.state(MenuBackdrop).visible);
        EXPECT_EQ(liftedSlot(), 0);
        EXPECT_EQ(v.offerMark(), std::optional(menuitem(liftedItem())));
        const std::string item = v.state(menuitem(liftedItem())).caption;
        if (v.state(MenuQuestion).visible && ++asked) {
            EXPECT_EQ(v.state(MenuQuestion).caption, "End the game?");
            answers.push_back(item);
            // The first time, a bounce just after End the game, and later the
            // menu once more; then a real answer.
            if (asked == 1 || item == "Yes, end the game")
                v.pressAt(v.now() + 50ms);
            if (asked == 1)
                v.holdAt(v.now() + 5s, 3200ms);
        } else if (item == "End the game")
            v.pressAt(v.now() + 100ms);
    });
    view.holdAt(t0 + 500ms, 3200ms);
    EXPECT_TRUE(runsUntilClosed([&] { game.selection(); }));
    EXPECT_EQ(answers, (std::vector<std::string> { "No, back to the game", "No, back to the game", "Yes, end the game" }));
    EXPECT_TRUE(view.closed());
    EXPECT_EQ(handOf(kPlayer), (std::vector<Card> { "9H", "KH", "2S" })) << "nothing was played";
}

TEST_F(SwitchMenu, NewMatchDealsAFreshMatchFromTheMiddleOfOne)
{
    game.match.gamecount = 3;
    game.match.playerscore = 40;
    game.match.cpuscore = 12;
    bool asked = false;
    view.onWait([&](HeadlessView &v, Moment) {
        if (v.pendingEvents() != 0)
            return;
        if (view.state(Frame1).visible)
            v.pressAt(v.now() + 100ms);
        else if (!asked && liftedSlot() && !menuOpen()) {
            asked = true;
            v.holdAt(v.now() + 100ms, 3500ms);
        } else if (menuOpen() && liftedItem() == 4)
            v.pressAt(v.now() + 100ms);
    });
    game.onTurnEnd([&](const GameForm &) { view.closeAt(view.now()); });
    view.setVisible(Frame1, true);
    EXPECT_TRUE(runsUntilClosed([&] { game.activate(); }));
    EXPECT_TRUE(asked);
    EXPECT_EQ(game.match.gamecount, 1);
    EXPECT_EQ(game.match.playerscore, 0);
    EXPECT_EQ(view.state(Label1).caption, "Round: 1 of 5");
    EXPECT_FALSE(menuOpen());
}

// Two-step: every choice's first stop is a stray press, let go by; the scan
// goes on, and only the offer pressed twice is taken, cards and suits alike.
TEST_F(ScanMethods, TwoStepTakesOnlyAnOfferPressedTwiceAndGoesOnAfterAStrayPress)
{
    scan.settings.scanMethod = "two-step";
    scan.settings.speech = true;
    bool strayDone = false;
    int strays = 0;
    Card meant;
    player = [&](Asks a, Moment) -> std::optional<Press> {
        if (a == Asks::Key)
            return Press { 200ms };
        if (!view.offerMark()) // scanning, framed only once stopped
            return Press { 500ms };
        const std::vector<std::string> &said = view.spoken();
        EXPECT_EQ(said.back(), said[said.size() - 2]) << "the stop says the offer again";
        if (!strayDone) {
            strayDone = true;
            ++strays;
            return std::nullopt;
        }
        strayDone = false;
        if (a == Asks::Card)
            meant = game.match.hand[liftedSlot()][kPlayer];
        return Press { 300ms };
    };
    afterTurn = [&](const GameForm &g) {
        if (view.state(Label2).backColour == kRed && g.drew != kTrue && g.reset != kTrue) {
            EXPECT_EQ(g.match.backdeck[g.match.backdeckplace - 1], meant) << "a card was taken without its second press";
        }
        meant.clear();
    };
    playMatches(1);
    EXPECT_GT(plays, 10);
    EXPECT_GT(strays, plays);
}
