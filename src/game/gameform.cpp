// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gameform.h"

#include "cards/cardnames.h"
#include "player/scanroom.h"
#include "table/layout.h"

#include <algorithm>
#include <climits>

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
    : ownScan_(std::move(own))
    , view_(view)
    , scan_(scan ? *scan : *ownScan_)
    , waits_(view)
    , shuffler_(
          random, [&view] { return static_cast<std::uint64_t>(view.now().count()); }, [&view] { view.yield(); })
    , human_(view, scan_, waits_)
    , computer_(scan_, waits_, view)
{
}

GameForm::~GameForm() = default;

void GameForm::load()
{
    scan_.tune(waits_.switches());
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
    scan_.waitforpress(waits_, Await::Title);
    view_.setVisible(Frame1, false);
    newdeck();
    dealround();
}

void GameForm::turnloop()
{
    for (;;) {
        try {
            if (!half(kPlayer))
                continue;
            half(kComputer);
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
    if (player)
        waits_.hitkey = kFalse; // a press during the computer's turn or an animation picks nothing
    view_.setBackColour(player ? Label2 : Label3, kRed);
    view_.setBackColour(player ? Label3 : Label2, kBlack);
    const TurnOutcome outcome = turn(side);
    if (outcome == TurnOutcome::RoundEnded) {
        turnended();
        return false;
    }
    recordtopcard();
    turnended();
    view_.yield();
    return true;
}

Side &GameForm::side(int column)
{
    return column == kPlayer ? static_cast<Side &>(human_) : computer_;
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
    if (column == kPlayer)
        scan_.announce(fill(view_.words().translate("Speech", "you draw %1"), { theCard(match.hand[place][column], view_.words()) }));
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
    scan_.announce(fill(
        words.translate("Speech", "the round is over: you have %1, the computer %2"), { std::to_string(match.playerscore), std::to_string(match.cpuscore) }));
    const bool over = matchover(match);
    if (!over)
        scan_.waitforpress(waits_, Await::NextRound);
    match.backdeck = {};
    match.hand = {};

    if (over) {
        showmatchend();
        scan_.announce(match.playerscore < match.cpuscore ? words.translate("Speech", "you win the match")
                : match.cpuscore < match.playerscore      ? words.translate("Speech", "the computer wins the match")
                                                          : words.translate("Speech", "the match is a tie"));
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

void GameForm::turnended()
{
    if (turnEnd_)
        turnEnd_(*this);
}

} // namespace wildcrest
