// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/humanside.h"

#include "cards/cardnames.h"
#include "rules/rules.h"
#include "settings/speeds.h"

#include <vector>

namespace wildcrest
{

Move HumanSide::move(const MatchState &match, int column)
{
    view_.setKeyPreview(true);
    const std::vector<int> places = playableplaces(match, column);
    if (places.empty()) {
        awaitdraw();
        return {};
    }

    // The bottom hand's card is lifted up; the top hand's, played by a second
    // player, is lowered toward the pile: either way out of its row.
    const bool bottom = column == kPlayer;
    const Twips lift = bottom ? -kLift : kLift;
    // The first offer's focus would cut short a screen reader still telling
    // the move before, or the deal: it is heard out first.
    if (view_.newsSaidBy() > view_.now())
        waits_.pacingdelay(false, view_.newsSaidBy() - view_.now());
    std::vector<Offer> offers;
    for (int i : places) {
        const Control card = handslot(bottom, i);
        offers.push_back({ card,
            cardName(match.hand[i][column], view_.words()),
            [this, card, lift] { view_.setTop(card, view_.top(card) + lift); },
            [this, card, lift] { view_.setTop(card, view_.top(card) - lift); } });
    }
    const int place = places[scan_.choose(waits_, offers)];
    // The card stays lifted while an eight has its suit named.
    return { place, match.hand[place][column].isEight() ? selectsuit() : char(0) };
}

void HumanSide::moved(const Move &move)
{
    if (!move.draws())
        scan_.endTurn();
}

void HumanSide::awaitdraw()
{
    const std::string nothing = view_.words().translate("Speech", "nothing to play: press the switch to draw a card");
    view_.notifyScreenReader(nothing);
    scan_.announce(nothing);
    scan_.waitforpress(waits_, Await::Draw);
}

char HumanSide::selectsuit()
{
    static constexpr char kOffered[] = { 'H', 'S', 'D', 'C' };
    const Wording &words = view_.words();
    waits_.hitkey = kFalse; // the press that picked the eight must not name a suit too
    view_.setVisible(Shape2, true);
    // The pile shows an eight at once, whatever the scanning: it is the eight's
    // suit that is asked now, even where the scan waits for a press to start.
    view_.setPicture(Image45, Picture::suitChoice(kOffered[0]));
    std::vector<Offer> suits;
    for (char suit : kOffered)
        suits.push_back({ Image45,
            fill(words.translate("Speech", "name a suit: %1"), { suitName(suit, words) }),
            [this, suit] {
                view_.setPicture(Image45, Picture::suitChoice(suit));
                waits_.hitkey = kFalse;
            },
            [] {} });
    const char suit = kOffered[scan_.choose(waits_, suits)];
    view_.setVisible(Shape2, false);
    return suit;
}

} // namespace wildcrest
