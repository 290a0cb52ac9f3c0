// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <compare>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace wildcrest
{

constexpr std::array<char, 13> kRanks { 'A', '2', '3', '4', '5', '6', '7', '8', '9', 'T', 'J', 'Q', 'K' };
constexpr std::array<char, 4> kSuits { 'S', 'C', 'H', 'D' };

// A card as a value: its rank letter and its suit letter. The default card is
// no card at all, and marks an empty place in the deck, the pile record or a
// hand. An eight on the pile that named a suit is the eight of that suit.
//
//     Card queen { 'Q', 'H' };
//     Card same = "QH";                 // a written code, as tests write cards
//     queen.code();                     // "QH", only where a code is written
class Card
{
public:
    constexpr Card() = default;
    constexpr Card(char rank, char suit)
        : rank_(rank)
        , suit_(suit)
    {
    }
    // A two-character code written in the source ("QH"); an unknown one is no card.
    constexpr Card(const char (&code)[3])
        : Card(fromCode(std::string_view(code, 2)).value_or(Card {}))
    {
    }
    // The card a code names, or nothing for anything that is not one.
    static constexpr std::optional<Card> fromCode(std::string_view code)
    {
        if (code.size() != 2 || !known(kRanks, code[0]) || !known(kSuits, code[1]))
            return std::nullopt;
        return Card(code[0], code[1]);
    }

    constexpr char rank() const
    {
        return rank_;
    }
    constexpr char suit() const
    {
        return suit_;
    }
    constexpr bool empty() const
    {
        return rank_ == 0;
    }
    constexpr void clear()
    {
        *this = Card {};
    }
    constexpr bool isEight() const
    {
        return rank_ == '8';
    }
    // "QH"; "" for no card.
    std::string code() const
    {
        return empty() ? std::string() : std::string { rank_, suit_ };
    }

    friend constexpr auto operator<=>(const Card &, const Card &) = default;

private:
    template <std::size_t N> static constexpr bool known(const std::array<char, N> &letters, char c)
    {
        for (char letter : letters)
            if (letter == c)
                return true;
        return false;
    }

    char rank_ = 0;
    char suit_ = 0;
};

// Writes the code, as logs and test failures show a card.
std::ostream &operator<<(std::ostream &out, const Card &card);

// Position p (1 to 52) of the canonical order: by rank, then S, C, H, D within a rank.
Card canonicalCard(int position);

// Whether `card` may be played on the pile's `top`: same suit, any eight, or same rank.
bool playableOn(const Card &card, const Card &top);

} // namespace wildcrest
