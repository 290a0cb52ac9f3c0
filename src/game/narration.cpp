// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/narration.h"

#include "cards/cardnames.h"

namespace wildcrest
{

void Narration::moved(const std::string &who, const Move &move, const Card &played)
{
    const Wording &words = words_.words();
    const bool you = who.empty();
    if (move.draws()) {
        tell(you ? words.translate("Narration", "You drew a card") : fill(words.translate("Narration", "%1 drew a card"), { who }));
        return;
    }
    const std::string card = theCard(played, words);
    if (!move.suit) {
        tell(you ? fill(words.translate("Narration", "You played %1"), { card }) : fill(words.translate("Narration", "%1 played %2"), { who, card }));
        return;
    }
    const std::string suit = suitName(move.suit, words);
    tell(you ? fill(words.translate("Narration", "You played %1 and named %2"), { card, suit })
             : fill(words.translate("Narration", "%1 played %2 and named %3"), { who, card, suit }));
}

std::string Narration::roundLine(int round, const std::string &bottom, int bottomScore, const std::string &top, int topScore) const
{
    const Wording &words = words_.words();
    return fill(words.translate("Narration", "Round %1: %2 %3, %4 %5"),
        { std::to_string(round),
            bottom.empty() ? words.translate("Narration", "you") : bottom,
            std::to_string(bottomScore),
            top.empty() ? words.translate("Narration", "computer") : top,
            std::to_string(topScore) });
}

void Narration::clear()
{
    table_.setVisible(NarrationLine, false);
}

void Narration::tell(const std::string &text)
{
    news_.notifyScreenReader(text);
    if (!on_)
        return;
    table_.setCaption(NarrationLine, text);
    table_.setVisible(NarrationLine, true);
}

} // namespace wildcrest
