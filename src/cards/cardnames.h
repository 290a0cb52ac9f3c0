// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cards/card.h"
#include "language/wording.h"

#include <string>

namespace wildcrest
{

// "eight of clubs", as a label or a list names a card.
std::string cardName(const Card &card, const Wording &words = englishWording());
// "the eight of clubs", as a sentence names it ("the computer plays %1").
std::string theCard(const Card &card, const Wording &words = englishWording());
// "clubs".
std::string suitName(char suit, const Wording &words = englishWording());

} // namespace wildcrest
