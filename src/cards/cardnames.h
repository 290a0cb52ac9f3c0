// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cards/cardcode.h"

#include <string>

namespace wildcrest
{

// How a card and a suit are spoken: "seven of hearts", "hearts".
std::string cardName(const CardCode &code);
std::string suitName(char suit);

} // namespace wildcrest
