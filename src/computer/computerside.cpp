// SPDX-License-Identifier: GPL-3.0-or-later
#include "computer/computerside.h"

#include "cards/cardnames.h"

namespace wildcrest
{

Move ComputerSide::move(const MatchState &match, int column)
{
    pacing_.pause(waits_);
    const Wording &words = words_.words();
    const int place = strategy_->choose(match, column);
    if (place == 0) {
        pacing_.announce(words.translate("Speech", "the computer draws a card"));
        return {};
    }
    const Card card = match.hand[place][column];
    if (!card.isEight()) {
        pacing_.announce(fill(words.translate("Speech", "the computer plays %1"), { theCard(card, words) }));
        return { place, 0 };
    }
    const char suit = strategy_->suit(match, column);
    pacing_.announce(fill(words.translate("Speech", "the computer plays %1 and names %2"), { theCard(card, words), suitName(suit, words) }));
    return { place, suit };
}

} // namespace wildcrest
