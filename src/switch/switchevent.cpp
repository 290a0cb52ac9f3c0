// SPDX-License-Identifier: GPL-3.0-or-later
#include "switch/switchevent.h"

#include "language/wording.h"

#include <algorithm>

namespace wildcrest
{

std::string sourceName(SwitchSource source)
{
    switch (source) {
    case SwitchSource::Key:
        return WILDCREST_TEXT("SwitchTryOut", "key");
    case SwitchSource::Mouse:
        return WILDCREST_TEXT("SwitchTryOut", "mouse");
    case SwitchSource::Joystick:
        return WILDCREST_TEXT("SwitchTryOut", "joystick");
    }
    return "switch";
}

bool SwitchWiring::claimedByAnother(const PlayerSwitch &input) const
{
    return std::find(others.begin(), others.end(), input) != others.end();
}

int SwitchWiring::joystickButton(int button) const
{
    if (second.kind == SecondSwitch::Kind::Button && second.button == button)
        return 2;
    if (own.kind != PlayerSwitch::Kind::Any)
        return own.kind == PlayerSwitch::Kind::Button && own.button == button ? 1 : 0;
    return joystick && !claimedByAnother(PlayerSwitch { PlayerSwitch::Kind::Button, {}, button }) ? 1 : 0;
}

int SwitchWiring::click(bool left) const
{
    if (!left) {
        if (second.kind == SecondSwitch::Kind::RightClick)
            return 2;
        return own.kind == PlayerSwitch::Kind::RightClick ? 1 : 0;
    }
    return mouse && own.kind == PlayerSwitch::Kind::Any ? 1 : 0;
}

bool SwitchWiring::wantsJoysticks() const
{
    return (joystick && own.kind == PlayerSwitch::Kind::Any) || own.kind == PlayerSwitch::Kind::Button || second.kind == SecondSwitch::Kind::Button;
}

} // namespace wildcrest
