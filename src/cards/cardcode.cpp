// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/cardcode.h"

namespace wildcrest
{

CardCode canonicalCard(int position)
{
    const int rank = (position + 3) / 4; // the ceiling of position / 4
    const int suit = (position - 1) % 4 + 1;
    return { kRanks[rank - 1], kSuits[suit - 1] };
}

std::string trimmed(const std::string &text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool playableOn(const CardCode &card, const CardCode &top)
{
    if (card.empty())
        return false;
    return suitOf(card) == suitOf(top) || isEight(card) || rankOf(card) == rankOf(top);
}

} // namespace wildcrest
