// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/gameform.h"
#include "table/headless/headlessview.h"

#include <string>

namespace wildcrest::simulation
{

// One line of JSON with the whole state of the game after a turn.
std::string stateJson(const GameForm &game, const HeadlessView &view, long turn);

} // namespace wildcrest::simulation
