// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/card.h"

#include <ostream>

namespace wildcrest
{

Card canonicalCard(int position)
{
    const int rank = (position + 3) / 4; // the ceiling of position / 4
    const int suit = (position - 1) % 4 + 1;
    return { kRanks[rank - 1], kSuits[suit - 1] };
}

std::ostream &operator<<(std::ostream &out, const Card &card)
{
    return out << (card.empty() ? "-" : card.code());
}

bool playableOn(const Card &card, const Card &top)
{
    if (card.empty())
        return false;
    return card.suit() == top.suit() || card.isEight() || card.rank() == top.rank();
}

} // namespace wildcrest
