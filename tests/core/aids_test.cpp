// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefixture.h"

#include "cards/cardnames.h"

#include <random>

using namespace wildcrest;
using namespace wildcrest::testing;

// The aids a player can be given: scan time, a long first offer, a frame, a
// sound and speech for each offer, and a scan time learnt from the presses.
class Aids : public GameFixture
{
protected:
    void SetUp() override
    {
        playersTurnOn5H();
    }

    // The moments at which place `k` was lifted during the turn.
    std::vector<Moment> lifts;
    void watchLifts(int k)
    {
        view.onWait([this, k](HeadlessView &v, Moment) {
            if (v.top(playerslot(k)) == playerslotRect(k).top - kLift && (lifts.empty() || lifts.back() != v.state(playerslot(k)).movedAt))
                lifts.push_back(v.state(playerslot(k)).movedAt);
        });
    }
};

TEST_F(Aids, CardNamesAreSpokenAsAPersonSaysThem)
{
    EXPECT_EQ(cardName("7H"), "seven of hearts");
    EXPECT_EQ(cardName("TD"), "ten of diamonds");
    EXPECT_EQ(cardName("AS"), "ace of spades");
    EXPECT_EQ(cardName("KC"), "king of clubs");
}

TEST_F(Aids, WithNothingSetNoAidIsUsed)
{
    setHand(kPlayer, { "8C", "9H" });
    view.pressAt(1s);
    view.pressAt(2s);
    game.selection();
    view.pressAt(view.now() + 10s);
    game.computerturn();
    EXPECT_EQ(view.cues(), 0);
    EXPECT_TRUE(view.spoken().empty());
    EXPECT_FALSE(view.offerMark());
}

TEST_F(Aids, TheScanTimeSetsEveryHoldAndTheComputersPause)
{
    scan.settings.scanTime = 3500ms;
    setHand(kPlayer, { "9H", "2S" });
    watchLifts(1);
    view.pressAt(8s);
    game.selection();
    ASSERT_GE(lifts.size(), 3u);
    EXPECT_EQ(lifts[1] - lifts[0], 3500ms);
    EXPECT_EQ(lifts[2] - lifts[1], 3500ms);

    const Moment before = view.now();
    setHand(kComputer, { "2C" }); // nothing to play on 9H: its turn is the pause and a draw
    game.computerturn();
    EXPECT_EQ(view.now() - before, 3500ms + kAnimationLength);
}

TEST_F(Aids, TheFirstOfferOfATurnAndOfASuitChoiceCanLastTwiceAsLong)
{
    scan.settings.pauseOnFirstOffer = true;
    setHand(kPlayer, { "9H", "8S" });
    watchLifts(1);
    view.pressAt(4s + 500ms); // the eight, the second offer: the first lasted 4 s
    std::vector<std::string> suits;
    std::vector<Moment> suitTimes;
    view.onWait([&](HeadlessView &v, Moment) {
        if (v.top(playerslot(1)) == playerslotRect(1).top - kLift && !v.state(Shape2).visible
            && (lifts.empty() || lifts.back() != v.state(playerslot(1)).movedAt))
            lifts.push_back(v.state(playerslot(1)).movedAt);
        if (v.state(Shape2).visible && (suits.empty() || suits.back() != v.state(Image45).picture)) {
            suits.push_back(v.state(Image45).picture);
            suitTimes.push_back(v.now());
        }
    });
    view.pressAt(4500ms + 4s + 1s); // spades: hearts lasts 4 s, spades 2 s
    game.selection();
    EXPECT_EQ(game.match.curcard, "8S");
    ASSERT_EQ(suits.size(), 2u);
    EXPECT_EQ(suitTimes[1] - suitTimes[0], 4s);
    ASSERT_GE(lifts.size(), 1u);
    EXPECT_EQ(lifts[0], Moment(0));
}

TEST_F(Aids, AFrameMarksTheOfferAndGoesWithIt)
{
    scan.settings.highlight = Highlight::LiftAndFrame;
    setHand(kPlayer, { "9H", "2S", "KH" });
    std::vector<std::optional<Control>> marks;
    view.onWait([&](HeadlessView &v, Moment) {
        if (marks.empty() || marks.back() != v.offerMark())
            marks.push_back(v.offerMark());
    });
    view.pressAt(3s); // the king, the second offer
    game.selection();
    ASSERT_GE(marks.size(), 2u);
    EXPECT_EQ(marks[0], playerslot(1));
    EXPECT_EQ(marks[1], playerslot(3));
    EXPECT_FALSE(view.offerMark()); // gone once the card is played
}

TEST_F(Aids, EachNewOfferSoundsAndIsSpokenAndSoAreThePlays)
{
    scan.settings.soundCue = true;
    scan.settings.speech = true;
    setHand(kPlayer, { "9H", "8S" });
    view.pressAt(3s); // the eight
    view.pressAt(3s + 2s + 500ms); // spades
    game.selection();
    EXPECT_EQ(view.cues(), 4); // two cards, two suits
    EXPECT_EQ(view.spoken(), (std::vector<std::string> { "nine of hearts", "eight of spades", "name a suit: hearts", "name a suit: spades" }));

    setHand(kComputer, { "2S", "KC" });
    game.computerturn();
    EXPECT_EQ(view.spoken().back(), "the computer plays the two of spades");
    setHand(kComputer, { "2C" });
    game.match.curcard = "5H";
    game.computerturn();
    EXPECT_EQ(view.spoken().back(), "the computer draws a card");
}

// A simulated player who aims at one playable card and presses a reaction time
// after it is lifted, in turn after turn.
struct Aim {
    double intended = 0;
    double turnSeconds = 0;
};

static Aim playTurns(GameForm &game, HeadlessView &view, double meanSeconds, double spreadSeconds, int turns)
{
    std::mt19937 rng(11);
    std::normal_distribution<double> reaction(meanSeconds, spreadSeconds);
    int hits = 0;
    double total = 0;
    const std::vector<Card> hand { "9H", "2H", "KH", "4H", "JH", "TH" };
    for (int t = 0; t < turns; ++t) {
        for (int i = 1; i <= kHandPlaces; ++i)
            game.match.hand[i][kPlayer] = i <= 6 ? hand[i - 1] : Card {};
        game.match.curcard = "5H";
        const int target = 1 + int(rng() % 6);
        const Moment aim = Moment(std::int64_t(std::max(0.05, reaction(rng)) * 1e6));
        bool pressed = false;
        view.onWait([&](HeadlessView &v, Moment) {
            if (!pressed && v.top(playerslot(target)) == playerslotRect(target).top - kLift) {
                pressed = true;
                v.pressAt(v.now() + aim);
            }
        });
        const Moment start = view.now();
        game.selection();
        total += std::chrono::duration<double>(view.now() - start).count();
        hits += game.match.curcard == hand[target - 1];
    }
    return { double(hits) / turns, total / turns };
}

TEST_F(Aids, TheLearntScanTimeFitsAQuickPlayerAndASlowOne)
{
    scan.settings.adaptiveScan = true;
    const Aim quick = playTurns(game, view, 0.6, 0.15, 60);
    EXPECT_GE(quick.intended, 0.95);
    EXPECT_LE(scan.adaptive.current(), 1200ms);
    EXPECT_GE(scan.adaptive.current(), AdaptiveScan::kShortest);

    ScanRoom slowScan(view);
    GameForm slowGame(view, random, slowScan);
    slowScan.settings.adaptiveScan = true;
    const Aim slow = playTurns(slowGame, view, 1.8, 0.4, 60);
    EXPECT_GE(slow.intended, 0.93);
    EXPECT_GE(slowScan.adaptive.current(), 2500ms);
    EXPECT_LE(slowScan.adaptive.current(), AdaptiveScan::kLongest);

    GameForm fixedGame(view, random);
    const Aim fixedSlow = playTurns(fixedGame, view, 1.8, 0.4, 60);
    EXPECT_LT(fixedSlow.intended, slow.intended);
}

TEST(AdaptiveScan, GrowsAtOnceAndShrinksByATenthATurn)
{
    AdaptiveScan scan;
    EXPECT_EQ(scan.current(), 2s);
    scan.pressed(1900ms, false);
    scan.endTurn();
    EXPECT_EQ(scan.current(), 1900ms * 8 / 5);
    scan.endTurn(); // no press: no change
    EXPECT_EQ(scan.current(), 1900ms * 8 / 5);

    AdaptiveScan quick;
    for (int t = 0; t < 3; ++t) {
        quick.pressed(300ms, false);
        quick.endTurn();
    }
    EXPECT_EQ(quick.current(), 2000ms * 9 / 10 * 9 / 10 * 9 / 10);

    AdaptiveScan late;
    late.pressed(100ms, true); // right after an offer was passed: late for that one
    late.endTurn();
    EXPECT_EQ(late.current(), 2100ms * 8 / 5);
    for (int t = 0; t < 20; ++t) {
        late.pressed(5900ms, false);
        late.endTurn();
    }
    EXPECT_EQ(late.current(), AdaptiveScan::kLongest);
}

// With speech paced, an offer's scan time starts when its name has been heard
// to the end: here 1.5 s after it was handed over, or, from a speech server
// that never tells, at the latest 3 s after. A press while the name is still
// spoken takes what it names, and the bar of the time left is full until the
// name ends and empty when the offer does.
TEST_F(Aids, SpeechPacedOffersWaitForTheirNameAndShowTheTimeLeft)
{
    for (const std::optional<Moment> speaking : { std::optional<Moment>(1500ms), std::optional<Moment>() }) {
        SCOPED_TRACE(speaking ? "heard after 1.5 s" : "never heard");
        playersTurnOn5H();
        scan.settings.speech = true;
        scan.settings.scanTime = 1000ms;
        scan.settings.timeLeftBar = true;
        view.setSpeechLength(speaking);
        const Moment perOffer = (speaking ? *speaking : OfferTimer::kSpeechBound) + 1000ms;
        setHand(kPlayer, { "9H", "KH", "QH" });
        std::vector<Moment> said;
        std::vector<HeadlessView::TimeLeft> bars;
        const std::size_t before = view.spoken().size();
        view.onWait([&](HeadlessView &v, Moment) {
            if (v.spoken().size() - before > said.size()) {
                said.push_back(v.now());
                bars.emplace_back();
            }
            if (v.timeLeft() && !bars.empty())
                bars.back() = *v.timeLeft(); // as last known on this offer
        });
        const Moment start = view.now();
        // Four offers go by (the nine, the king, the queen, the nine); the press
        // comes 1 s into the king's name, as it is spoken, for the king.
        view.pressAt(start + 4 * perOffer + 1000ms);
        game.selection();
        EXPECT_EQ(game.match.curcard, "KH");
        ASSERT_EQ(said.size(), 5u);
        for (std::size_t k = 1; k < said.size(); ++k)
            EXPECT_EQ(said[k] - said[k - 1], perOffer) << "offer " << k;
        EXPECT_EQ(bars[1].on, playerslot(2));
        EXPECT_EQ(bars[1].runsFrom, said[1] + perOffer - 1000ms);
        EXPECT_EQ(bars[1].ends, said[1] + perOffer);
        EXPECT_FALSE(view.timeLeft());
        view.onWait(nullptr);
    }
}
