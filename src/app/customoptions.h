// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/options.h"

namespace wildcrest
{

// The rows of the options whose text form or dialog field is their own.

// Seconds or auto; in the dialog, seconds and a box to learn them.
OptionInfo scanTimeOption();
// none, enter, right-click, button:N or key:NAME.
OptionInfo secondSwitchOption();
// any, key:NAME, button:N or right-click: the player's own switch at a shared table.
OptionInfo playerSwitchOption();
// computer, or the name of the player of the top hand.
OptionInfo opponentOption();
// One of the table's sizes, written any way ("2.50"), or fit.
OptionInfo scaleOption();
// A name of the scanning methods' registry, with its help and label from there.
OptionInfo scanMethodOption();
// Passes before the scan rests, or 0 for endless.
OptionInfo scanLoopsOption();
// auto or one of the game's languages, each by its own name in the dialog.
OptionInfo languageOption();

} // namespace wildcrest
