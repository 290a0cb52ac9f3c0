// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/cardnames.h"

namespace wildcrest
{

namespace
{

    // Each rank's name has the suit in it, since languages put the two together
    // in their own order ("Herz-Acht", "hartenacht", "huit de cœur").
    constexpr const char *kBareNames[] = {
        WILDCREST_TEXT("Cards", "ace of %1"),
        WILDCREST_TEXT("Cards", "two of %1"),
        WILDCREST_TEXT("Cards", "three of %1"),
        WILDCREST_TEXT("Cards", "four of %1"),
        WILDCREST_TEXT("Cards", "five of %1"),
        WILDCREST_TEXT("Cards", "six of %1"),
        WILDCREST_TEXT("Cards", "seven of %1"),
        WILDCREST_TEXT("Cards", "eight of %1"),
        WILDCREST_TEXT("Cards", "nine of %1"),
        WILDCREST_TEXT("Cards", "ten of %1"),
        WILDCREST_TEXT("Cards", "jack of %1"),
        WILDCREST_TEXT("Cards", "queen of %1"),
        WILDCREST_TEXT("Cards", "king of %1"),
    };

    // With the article each language gives the card in a sentence.
    constexpr const char *kNamesInASentence[] = {
        WILDCREST_TEXT("Cards", "the ace of %1"),
        WILDCREST_TEXT("Cards", "the two of %1"),
        WILDCREST_TEXT("Cards", "the three of %1"),
        WILDCREST_TEXT("Cards", "the four of %1"),
        WILDCREST_TEXT("Cards", "the five of %1"),
        WILDCREST_TEXT("Cards", "the six of %1"),
        WILDCREST_TEXT("Cards", "the seven of %1"),
        WILDCREST_TEXT("Cards", "the eight of %1"),
        WILDCREST_TEXT("Cards", "the nine of %1"),
        WILDCREST_TEXT("Cards", "the ten of %1"),
        WILDCREST_TEXT("Cards", "the jack of %1"),
        WILDCREST_TEXT("Cards", "the queen of %1"),
        WILDCREST_TEXT("Cards", "the king of %1"),
    };

    std::string named(const Card &card, const Wording &words, const char *const (&names)[13])
    {
        for (std::size_t i = 0; i < kRanks.size(); ++i)
            if (kRanks[i] == card.rank())
                return fill(words.translate("Cards", names[i]), { suitName(card.suit(), words) });
        return card.code();
    }

} // namespace

std::string suitName(char suit, const Wording &words)
{
    switch (suit) {
    case 'S':
        return words.translate("Cards", "spades");
    case 'C':
        return words.translate("Cards", "clubs");
    case 'H':
        return words.translate("Cards", "hearts");
    case 'D':
        return words.translate("Cards", "diamonds");
    }
    return "?";
}

std::string cardName(const Card &card, const Wording &words)
{
    return named(card, words, kBareNames);
}

std::string theCard(const Card &card, const Wording &words)
{
    return named(card, words, kNamesInASentence);
}

} // namespace wildcrest
