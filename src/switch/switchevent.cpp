// SPDX-License-Identifier: GPL-3.0-or-later
#include "switch/switchevent.h"

#include "language/wording.h"

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

int SwitchWiring::joystickButton(int button) const
{
    if (second.kind == SecondSwitch::Kind::Button && second.button == button)
        return 2;
    return joystick ? 1 : 0;
}

int SwitchWiring::click(bool left) const
{
    if (!left)
        return second.kind == SecondSwitch::Kind::RightClick ? 2 : 0;
    return mouse ? 1 : 0;
}

bool SwitchWiring::wantsJoysticks() const
{
    return joystick || second.kind == SecondSwitch::Kind::Button;
}

} // namespace wildcrest
