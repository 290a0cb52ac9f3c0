// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gameform.h"

#include "cards/cardnames.h"
#include "settings/speeds.h"
#include "table/layout.h"

namespace wildcrest
{

// "Round: 2 of 5".
std::string GameForm::roundcaption() const
{
    return fill(view_.words().translate("Table", "Round: %1 of 5"), { std::to_string(match.gamecount) });
}

void GameForm::showcounter()
{
    view_.setCaption(Label16, std::to_string(match.cardsleft()));
}

// Seven cards each, the player first, each travelling from the deck; then the
// first card of the pile is turned up.
void GameForm::dealround()
{
    for (int k = 1; k <= kHandPlaces; ++k)
        view_.setPicture(playerslot(k), Picture::empty());
    for (int k = 1; k <= kHandPlaces; ++k)
        view_.setPicture(cpuslot(k), Picture::empty());
    // With handover each hand is shown only to its player, on their turn.
    faceUp_[kPlayer] = !handover_;
    faceUp_[kComputer] = second_ && !handover_;

    for (int k = 1; k <= 7; ++k) {
        view_.setPicture(playerslot(k), faceUp_[kPlayer] ? Picture::face(match.deck[2 * k - 1]) : Picture::back());
        dealcard(match, k, kPlayer);
        drawanimation('D');

        view_.setPicture(cpuslot(k), faceUp_[kComputer] ? Picture::face(match.deck[2 * k]) : Picture::back());
        dealcard(match, k, kComputer);
        drawanimation('U');
    }

    view_.setPicture(Image45, Picture::face(match.deck[15]));
    turnuppile(match);
    view_.notifyScreenReader(fill(view_.words().translate("Narration", "Round %1 of 5 is dealt: the pile shows %2"),
        { std::to_string(match.gamecount), theCard(match.curcard, view_.words()) }));
}

// The card of `move` goes to the pile: its place is emptied, it travels, and
// the hand closes up. The player's card was lifted while on offer; its empty
// place comes down as the card leaves it (a second player's, lowered toward the
// pile, goes back up).
void GameForm::play(int column, const Move &move)
{
    const bool player = column == kPlayer;
    const Control card = handslot(player, move.place);
    playcard(match, column, move.place, move.suit);
    view_.setPicture(card, Picture::empty());
    view_.setPicture(Image45, Picture::face(match.curcard));
    if (humanAt(column))
        waits_.hitkey = kFalse;
    if (!player && second_)
        view_.setTop(card, cpuslotRect(move.place).top);
    movetopile(player ? 'U' : 'D', move.place);
    redrawhand(column);
    view_.yield();
}

// Packs the hand to places 1..n and shows it again: the player's cards face up,
// the computer's as backs. An empty hand ends the round here.
void GameForm::redrawhand(int column)
{
    packhand(match, column);
    if (match.hand[1][column].empty()) {
        view_.setPicture(handslot(column == kPlayer, 1), Picture::empty());
        roundend();
        return;
    }
    showhand(column);
}

// The hand's cards, face up where its player is to see them, else their backs.
void GameForm::showhand(int column)
{
    const bool player = column == kPlayer;
    for (int k = 1; k <= kHandPlaces; ++k) {
        const Card &card = match.hand[k][column];
        view_.setPicture(handslot(player, k), card.empty() ? Picture::empty() : faceUp_[column] ? Picture::face(card) : Picture::back());
    }
}

void GameForm::redrawplayerhand()
{
    redrawhand(kPlayer);
}

void GameForm::redrawcpuhand()
{
    redrawhand(kComputer);
}

// The motion of every travelling card: 20 twips sideways and 10 up or down a
// step until a coordinate arrives, for exactly 300 steps. Each step is shown at
// its own moment, so a journey takes the same time on any machine; a late step
// only yields, which lets a loaded machine catch up instead of drifting.
void GameForm::travel(Control traveller, Twips targetLeft, Twips targetTop)
{
    const Moment start = view_.now();
    for (int step = 1; step <= kAnimationSteps; ++step) {
        for (int twice = 0; twice < 2; ++twice) {
            if (view_.left(traveller) < targetLeft)
                view_.setLeft(traveller, view_.left(traveller) + 10);
            if (view_.left(traveller) > targetLeft)
                view_.setLeft(traveller, view_.left(traveller) - 10);
        }
        if (view_.top(traveller) < targetTop)
            view_.setTop(traveller, view_.top(traveller) + 10);
        if (view_.top(traveller) > targetTop)
            view_.setTop(traveller, view_.top(traveller) - 10);

        const Moment due = start + kAnimationLength * step / kAnimationSteps;
        view_.yield();
        while (view_.now() < due)
            waits_.sleepuntil(due);
    }
}

void GameForm::drawanimation(char direction)
{
    const int column = direction == 'D' ? kPlayer : kComputer;
    int empty = 1;
    while (empty <= kHandPlaces && !match.hand[empty][column].empty())
        ++empty;
    const int k = empty > kHandPlaces ? kHandPlaces : std::max(empty - 1, 1);
    const Control target = handslot(direction == 'D', k);

    const Twips startLeft = view_.left(Image46);
    const Twips startTop = view_.top(Image46);
    view_.setAutoRedraw(false);
    travel(Image46, view_.left(target), view_.top(target));
    view_.setAutoRedraw(true);
    showcounter();
    view_.setTop(Image46, startTop);
    view_.setLeft(Image46, startLeft);
}

void GameForm::movetopile(char direction, int slot)
{
    const bool fromPlayer = direction == 'U';
    const Control traveller = fromPlayer ? Image49 : Image48;
    const Control from = handslot(fromPlayer, slot);
    if (fromPlayer) {
        view_.setPicture(Image45, Picture::moving());
        view_.setPicture(Image49, Picture::face(match.curcard));
    }
    view_.setTop(traveller, view_.top(from));
    view_.setLeft(traveller, view_.left(from));
    view_.setVisible(traveller, true);
    if (fromPlayer)
        view_.setTop(from, view_.top(from) + kLift);

    view_.setAutoRedraw(false);
    travel(traveller, view_.left(Image45), view_.top(Image45));
    view_.setAutoRedraw(true);
    view_.setVisible(traveller, false);
    if (fromPlayer)
        view_.setPicture(Image45, Picture::face(match.curcard));
}

// The scores, and the cards left face up (with handover, both hands).
void GameForm::showroundend()
{
    view_.setCaption(Label4, std::to_string(match.playerscore));
    view_.setCaption(Label5, std::to_string(match.cpuscore));
    for (int k = 1; k <= kHandPlaces; ++k)
        if (!match.hand[k][kComputer].empty())
            view_.setPicture(cpuslot(k), Picture::face(match.hand[k][kComputer]));
    if (!faceUp_[kPlayer]) {
        faceUp_[kPlayer] = true;
        showhand(kPlayer);
    }
}

void GameForm::showmatchend()
{
    view_.beep();
    if (match.playerscore < match.cpuscore)
        view_.setVisible(Label6, true);
    if (match.cpuscore < match.playerscore)
        view_.setVisible(Label7, true);
    if (match.playerscore == match.cpuscore)
        view_.setVisible(Label15, true);
}

void GameForm::clearmatch()
{
    wildcrest::clearmatch(match);
    view_.setCaption(Label4, "0");
    view_.setCaption(Label5, "0");
    for (Control c : { Label6, Label7, Label15 })
        view_.setVisible(c, false);
    narration_.clear();
}

// A new match at the player's asking, from wherever the game was: the table is
// put as a round's end leaves it, and a new match is dealt.
void GameForm::newmatch()
{
    view_.markOffer(std::nullopt);
    for (Control c : { Frame1, Shape2, Image48, Image49, Label18 })
        view_.setVisible(c, false);
    for (int k = 1; k <= kHandPlaces; ++k) {
        view_.setTop(playerslot(k), playerslotRect(k).top);
        view_.setTop(cpuslot(k), cpuslotRect(k).top);
    }
    match.backdeck = {};
    match.hand = {};
    clearmatch();
    if (keeper_)
        keeper_->forget();
    tomove_ = kPlayer;
    dealnext();
}

// The table as a saved match left it between two turns: the hands in their
// places, the pile, the counter, the totals and the round.
void GameForm::laytable(const SavedMatch &saved)
{
    match = saved.match;
    random_.restore(saved.random);
    tomove_ = saved.tomove;
    computer_.playBy(makeStrategy(saved.computer));
    computer_.strategy().recall(saved.memory); // taken when the save was read
    faceUp_[kPlayer] = !handover_;
    faceUp_[kComputer] = second_ && !handover_;
    showhand(kPlayer);
    showhand(kComputer);
    view_.setPicture(Image45, Picture::face(match.curcard));
    view_.setCaption(Label1, roundcaption());
    view_.setCaption(Label4, std::to_string(match.playerscore));
    view_.setCaption(Label5, std::to_string(match.cpuscore));
    showcounter();
}

} // namespace wildcrest
