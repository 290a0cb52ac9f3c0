// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/cardnames.h"

namespace wildcrest
{

std::string suitName(char suit)
{
    switch (suit) {
    case 'S':
        return "spades";
    case 'C':
        return "clubs";
    case 'H':
        return "hearts";
    case 'D':
        return "diamonds";
    }
    return "?";
}

std::string cardName(const CardCode &code)
{
    static const char *const ranks[] = { "ace", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten", "jack", "queen", "king" };
    for (std::size_t i = 0; i < kRanks.size(); ++i)
        if (kRanks[i] == rankOf(code))
            return std::string(ranks[i]) + " of " + suitName(suitOf(code));
    return code;
}

} // namespace wildcrest
