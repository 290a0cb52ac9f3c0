// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/matchstate.h"

#include <algorithm>
#include <sstream>

namespace wildcrest
{

namespace
{

    std::string written(const Card &card)
    {
        return card.empty() ? "-" : card.code();
    }

    // The cards of places 1..n, an empty place as "-", trailing empty places left out.
    template <std::size_t N> std::string places(const std::array<Card, N> &cards)
    {
        std::size_t last = N - 1;
        while (last > 0 && cards[last].empty())
            --last;
        std::string text;
        for (std::size_t i = 1; i <= last; ++i)
            text += ' ' + written(cards[i]);
        return text;
    }

} // namespace

int MatchState::cardsleft() const
{
    int left = 0;
    for (int p = std::max<int>(deckplace, 1); p <= kDeckSize; ++p)
        if (!deck[p].empty())
            ++left;
    return left;
}

std::string MatchState::snapshot() const
{
    std::array<Card, kHandPlaces + 1> player;
    std::array<Card, kHandPlaces + 1> computer;
    for (int i = 1; i <= kHandPlaces; ++i) {
        player[i] = hand[i][kPlayer];
        computer[i] = hand[i][kComputer];
    }
    std::ostringstream out;
    out << "round: " << gamecount << "  player " << playerscore << "  computer " << cpuscore << '\n'
        << "computer:" << places(computer) << '\n'
        << "player:" << places(player) << '\n'
        << "pile: " << written(curcard) << "  real8: " << written(real8) << '\n'
        << "record:" << places(backdeck) << "  next " << backdeckplace << '\n'
        << "deck:" << places(deck) << "  next " << deckplace << '\n';
    return out.str();
}

} // namespace wildcrest
