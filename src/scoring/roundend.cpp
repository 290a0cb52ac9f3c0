// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gameform.h"
#include "cards/picturepaths.h"
#include "table/layout.h"

namespace wildcrest
{

int cardpoints(const CardCode &code)
{
    switch (rankOf(code)) {
    case '\0':
        return 0;
    case 'A':
        return 1;
    case '8':
        return 50;
    case 'T':
    case 'J':
    case 'Q':
    case 'K':
        return 10;
    default:
        return rankOf(code) - '0';
    }
}

// Scores the finished round, shows the computer's cards, and after a key deals
// the next one; after the fifth round the match result comes first.
void GameForm::roundend()
{
    ++gamecount;
    for (int i = 1; i <= kHandPlaces; ++i) {
        playerscore += cardpoints(hand[i][kPlayer]);
        cpuscore += cardpoints(hand[i][kComputer]);
    }
    view_.setCaption(Label4, std::to_string(playerscore));
    view_.setCaption(Label5, std::to_string(cpuscore));
    for (int k = 1; k <= kHandPlaces; ++k)
        if (!hand[k][kComputer].empty())
            view_.setPicture(cpuslot(k), facepath(hand[k][kComputer]));

    announce(fill(words().translate("Speech", "the round is over: you have %1, the computer %2"), { std::to_string(playerscore), std::to_string(cpuscore) }));
    const bool matchover = gamecount > 5;
    if (!matchover)
        scan_.waitforpress(*this, Await::NextRound);
    backdeck = {};
    hand = {};

    if (matchover) {
        view_.beep();
        if (playerscore < cpuscore)
            view_.setVisible(Label6, true);
        if (cpuscore < playerscore)
            view_.setVisible(Label7, true);
        if (playerscore == cpuscore)
            view_.setVisible(Label15, true);
        announce(playerscore < cpuscore  ? words().translate("Speech", "you win the match")
                : cpuscore < playerscore ? words().translate("Speech", "the computer wins the match")
                                         : words().translate("Speech", "the match is a tie"));
        scan_.waitforpress(*this, Await::NewMatch);
        clearmatch();
    }
    dealnext();
}

void GameForm::clearmatch()
{
    gamecount = 1;
    playerscore = 0;
    cpuscore = 0;
    view_.setCaption(Label4, "0");
    view_.setCaption(Label5, "0");
    for (Control c : { Label6, Label7, Label15 })
        view_.setVisible(c, false);
}

// A new match at the player's asking, from wherever the game was: the table is
// put as a round's end leaves it, and a new match is dealt.
void GameForm::newmatch()
{
    view_.markOffer(std::nullopt);
    for (Control c : { Frame1, Shape2, Image48, Image49, Label18 })
        view_.setVisible(c, false);
    for (int k = 1; k <= kHandPlaces; ++k)
        view_.setTop(playerslot(k), playerslotRect(k).top);
    backdeck = {};
    hand = {};
    clearmatch();
    dealnext();
}

void GameForm::dealnext()
{
    view_.setCaption(Label1, roundcaption());

    hitkey = kFalse;
    curcard.clear();
    deckplace = 0;
    backdeckplace = 0;
    real8.clear();
    newdeck();
    dealround();
    reset = kTrue;
}

} // namespace wildcrest
