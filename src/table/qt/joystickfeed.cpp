// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/qt/joystickfeed.h"

#include "joystick/joystickswitch.h"

namespace wildcrest
{

JoystickFeed::JoystickFeed(Tell tell, std::function<bool()> active)
    : SwitchFeed(std::move(tell))
    , active_(std::move(active))
{
}

JoystickFeed::~JoystickFeed() = default;

void JoystickFeed::rewire(const SwitchWiring &wiring)
{
    wiring_ = wiring;
    if (!wiring.wantsJoysticks())
        joysticks_.reset();
    else if (!joysticks_)
        joysticks_ = std::make_unique<JoystickSwitch>([this](int b, bool pressed, bool unplugged) { button(b, pressed, unplugged); });
}

void JoystickFeed::button(int button, bool pressed, bool unplugged)
{
    const int which = wiring_.joystickButton(button);
    if (which == 0 || (pressed && !active_()))
        return;
    if (pressed)
        buttons_[which - 1] = button;
    tell(SwitchEvent { which, pressed, now(), SwitchSource::Joystick, unplugged });
}

} // namespace wildcrest
