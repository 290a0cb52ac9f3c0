// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "switch/switchevent.h"

namespace wildcrest::testing
{

// The wiring of one player, as the settings make it.
inline SwitchWiring wiredAs(bool mouse, bool joystick, SecondSwitch second)
{
    SwitchWiring wiring;
    wiring.mouse = mouse;
    wiring.joystick = joystick;
    wiring.second = std::move(second);
    return wiring;
}

} // namespace wildcrest::testing
