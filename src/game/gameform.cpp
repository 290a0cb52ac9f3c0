// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gameform.h"

#include "cards/cardnames.h"
#include "player/scanroom.h"
#include "table/layout.h"

#include <algorithm>
#include <climits>
#include <tuple>

namespace wildcrest
{

GameForm::GameForm(TableView &view, RandomSource &random, Scanning &scan)
    : GameForm(view, random, nullptr, &scan)
{
}

GameForm::GameForm(TableView &view, RandomSource &random)
    : GameForm(view, random, std::make_unique<ScanRoom>(view), nullptr)
{
}

GameForm::GameForm(TableView &view, RandomSource &random, std::unique_ptr<Scanning> own, Scanning *scan)
    : random_(random)
    , ownScan_(std::move(own))
    , view_(view)
    , scan_(scan ? *scan : *ownScan_)
    , waits_(view)
    , shuffler_(
          random, [&view] { return static_cast<std::uint64_t>(view.now().count()); }, [&view] { view.yield(); })
    , human_(view, scan_, waits_)
    , computer_(scan_, waits_, view)
    , narration_(view, view, view)
{
}

GameForm::~GameForm() = default;

void GameForm::seatSecondPlayer(Scanning &scan, bool handover)
{
    second_ = &scan;
    secondHuman_ = std::make_unique<HumanSide>(view_, scan, waits_);
    handover_ = handover;
}

void GameForm::nameSides(const std::string &bottom, const std::string &top)
{
    names_[kPlayer] = bottom;
    names_[kComputer] = top;
}

void GameForm::narrate(bool on)
{
    narration_.turnOn(on);
}

void GameForm::skipTitle()
{
    skipTitle_ = true;
}

void GameForm::resume(const SavedMatch &saved)
{
    resumed_ = saved;
    skipTitle_ = true;
}

void GameForm::load()
{
    scan_.tune(waits_.switches(0));
    if (second_)
        second_->tune(waits_.switches(1));
    const Wording &words = view_.words();
    for (const auto &[column, plate, result] : { std::tuple { kPlayer, Label2, Label6 }, std::tuple { kComputer, Label3, Label7 } })
        if (!names_[column].empty()) {
            view_.setCaption(plate, names_[column]);
            view_.setCaption(result, fill(words.translate("Table", "%1 Wins!"), { names_[column] }));
        }
    view_.centreWindow();
    view_.setPicture(Image48, Picture::moving());
    for (Control c : { Label6, Label7, Label15, Shape2, Image48, Image49, Label18 })
        view_.setVisible(c, false);
    for (int k = 1; k <= kMenuItems; ++k)
        view_.setVisible(menuitem(k), false);
    view_.setVisible(MenuQuestion, false);
    view_.setVisible(MenuBackdrop, false);
    calibrate();
    match.gamecount = 1;
    view_.setCaption(Label1, roundcaption());
}

// Counts the clock readings the machine makes in one clock second. The pacing
// delay no longer depends on the count (it is timed), but the count is kept as
// the game's measure of the machine.
void GameForm::calibrate()
{
    const int s0 = view_.clockSeconds();
    const auto elapsed = [&] { return (view_.clockSeconds() - s0 + 60) % 60; };
    while (elapsed() < 2) { }
    std::int64_t readings = 0;
    while (elapsed() == 2)
        ++readings;
    delayvalue = static_cast<std::int32_t>(std::min<std::int64_t>(readings * 2, INT32_MAX));
}

void GameForm::activate()
{
    try {
        gamestart();
    } catch (const NewMatchWanted &) {
        newmatch();
    }
    turnloop();
}

void GameForm::gamestart()
{
    if (!skipTitle_) {
        waits_.turnTo(second_ ? SwitchWaits::kEitherSeat : 0);
        scan_.waitforpress(waits_, Await::Title);
    }
    view_.setVisible(Frame1, false);
    if (resumed_) {
        laytable(*resumed_);
        resumed_.reset();
        return;
    }
    newdeck();
    dealround();
}

// The player moves first in every round, then the sides take turns; a resumed
// match starts with the side its save names.
void GameForm::turnloop()
{
    for (;;) {
        try {
            half(tomove_);
        } catch (const NewMatchWanted &) {
            newmatch();
        }
    }
}

// One side's turn with its name plate red. Says whether the round goes on;
// after a round end the next round starts with the player, recording nothing.
bool GameForm::half(int side)
{
    showcounter();
    reset = kFalse;
    drew = kFalse;
    const bool player = side == kPlayer;
    const bool human = humanAt(side);
    if (human) {
        waits_.turnTo(player ? 0 : 1);
        waits_.hitkey = kFalse; // a press during the other side's turn or an animation picks nothing
    }
    view_.setBackColour(player ? Label2 : Label3, kRed);
    view_.setBackColour(player ? Label3 : Label2, kBlack);
    if (human && handover_)
        handover(side);
    const TurnOutcome outcome = turn(side);
    tomove_ = player && outcome != TurnOutcome::RoundEnded ? kComputer : kPlayer;
    if (outcome == TurnOutcome::RoundEnded) {
        turnended();
        return false;
    }
    if (human && handover_) {
        faceUp_[side] = false;
        showhand(side);
    }
    recordtopcard();
    turnended();
    view_.yield();
    return true;
}

Side &GameForm::side(int column)
{
    if (column == kPlayer)
        return human_;
    return secondHuman_ ? static_cast<Side &>(*secondHuman_) : computer_;
}

bool GameForm::humanAt(int column) const
{
    return column == kPlayer || second_;
}

Scanning &GameForm::scanOf(int column)
{
    return column == kComputer && second_ ? *second_ : scan_;
}

std::string GameForm::narratedName(int column) const
{
    return names_[column].empty() && column == kPlayer ? std::string() : plateName(column);
}

std::string GameForm::plateName(int column) const
{
    if (!names_[column].empty())
        return names_[column];
    return view_.words().translate("Table", column == kPlayer ? "Player" : "Computer");
}

// Both hands show their backs until the player to move presses their own switch.
void GameForm::handover(int column)
{
    const std::string line = fill(view_.words().translate("Prompts", "%1's turn: press when ready"), { plateName(column) });
    view_.setCaption(Label18, line);
    view_.setVisible(Label18, true);
    scanOf(column).announce(line);
    scanOf(column).waitforpress(waits_, Await::Turn);
    view_.setVisible(Label18, false);
    faceUp_[column] = true;
    showhand(column);
    waits_.hitkey = kFalse;
}

TurnOutcome GameForm::selection()
{
    return turn(kPlayer);
}

TurnOutcome GameForm::computerturn()
{
    return turn(kComputer);
}

// The side to move chooses; the game plays its move out on the table.
TurnOutcome GameForm::turn(int column)
{
    const Move move = side(column).move(match, column);
    narration_.moved(narratedName(column), move, move.draws() ? Card() : match.hand[move.place][column]);
    if (move.draws())
        drawinto(column);
    else
        play(column, move);
    side(column).moved(move);
    if (move.draws())
        return TurnOutcome::Drew;
    return reset == kTrue ? TurnOutcome::RoundEnded : TurnOutcome::Played;
}

// A played card goes on the record; a draw leaves the pile, and so the record, as it was.
void GameForm::recordtopcard()
{
    if (drew != kTrue)
        wildcrest::recordtopcard(match);
}

void GameForm::newdeck()
{
    wildcrest::newdeck(match, shuffler_);
}

void GameForm::reshuffle()
{
    wildcrest::reshuffle(match, shuffler_);
}

void GameForm::playerdraw()
{
    human_.awaitdraw();
    drawinto(kPlayer);
}

void GameForm::cpudraw()
{
    drawinto(kComputer);
}

void GameForm::drawinto(int column)
{
    drew = kTrue;
    const int place = drawcard(match, column, shuffler_);
    if (place == 0)
        return;
    if (humanAt(column))
        scanOf(column).announce(fill(view_.words().translate("Speech", "you draw %1"), { theCard(match.hand[place][column], view_.words()) }));
    drawanimation(column == kPlayer ? 'D' : 'U');
    redrawhand(column);
}

// Scores the finished round, shows the computer's cards, and after a key deals
// the next one; after the fifth round the match result comes first.
void GameForm::roundend()
{
    scoreround(match);
    showroundend();
    const Wording &words = view_.words();
    const bool named = !names_[kPlayer].empty() || !names_[kComputer].empty();
    const std::string scores = narration_.roundLine(match.gamecount - 1, names_[kPlayer], match.playerscore, names_[kComputer], match.cpuscore);
    narration_.tell(scores);
    scan_.announce(named ? scores
                         : fill(words.translate("Speech", "the round is over: you have %1, the computer %2"),
                             { std::to_string(match.playerscore), std::to_string(match.cpuscore) }));
    const bool over = matchover(match);
    if (roundEnd_) {
        RoundRow row;
        row.when = view_.now();
        row.round = match.gamecount - 1;
        row.playerScore = match.playerscore;
        row.opponentScore = match.cpuscore;
        row.matchOver = over;
        roundEnd_(row);
    }
    waits_.turnTo(second_ ? SwitchWaits::kEitherSeat : 0); // with two players, either may go on
    if (!over)
        scan_.waitforpress(waits_, Await::NextRound);
    match.backdeck = {};
    match.hand = {};

    if (over) {
        if (keeper_)
            keeper_->forget(); // a finished match is not offered again
        showmatchend();
        const int winner = match.playerscore < match.cpuscore ? kPlayer : match.cpuscore < match.playerscore ? kComputer : 0;
        const std::string result = winner == 0 ? words.translate("Speech", "the match is a tie")
            : named                            ? fill(words.translate("Speech", "%1 wins the match"), { plateName(winner) })
            : winner == kPlayer                ? words.translate("Speech", "you win the match")
                                               : words.translate("Speech", "the computer wins the match");
        view_.notifyScreenReader(result);
        scan_.announce(result);
        scan_.waitforpress(waits_, Await::NewMatch);
        clearmatch();
    }
    dealnext();
}

void GameForm::dealnext()
{
    view_.setCaption(Label1, roundcaption());
    waits_.hitkey = kFalse;
    clearround(match);
    newdeck();
    dealround();
    reset = kTrue;
}

// A new match just dealt has nothing to keep yet: its save went when the last one ended.
void GameForm::turnended()
{
    if (turnEnd_)
        turnEnd_(*this);
    if (!keeper_ || (reset == kTrue && match.gamecount == 1))
        return;
    SavedMatch turn;
    turn.match = match;
    turn.tomove = tomove_;
    turn.random = random_.state();
    turn.memory = computer_.strategy().memory();
    keeper_->keep(turn);
}

} // namespace wildcrest
