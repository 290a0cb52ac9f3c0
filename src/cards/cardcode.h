// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

namespace wildcrest
{

// A card is its two-character code: rank letter, then suit letter ("QH", "TD").
// The empty string marks an empty place and is never a card.
using CardCode = std::string;

constexpr std::array<char, 13> kRanks { 'A', '2', '3', '4', '5', '6', '7', '8', '9', 'T', 'J', 'Q', 'K' };
constexpr std::array<char, 4> kSuits { 'S', 'C', 'H', 'D' };

inline char rankOf(const CardCode &code)
{
    return code.size() > 0 ? code[0] : '\0';
}
inline char suitOf(const CardCode &code)
{
    return code.size() > 1 ? code[1] : '\0';
}
inline bool isEight(const CardCode &code)
{
    return rankOf(code) == '8';
}

// Position p (1 to 52) of the canonical order: by rank, then S, C, H, D within a rank.
CardCode canonicalCard(int position);

// Leading and trailing blanks removed.
std::string trimmed(const std::string &text);

// Whether `card` may be played on the pile's `top`: same suit, any eight, or same rank.
bool playableOn(const CardCode &card, const CardCode &top);

} // namespace wildcrest
