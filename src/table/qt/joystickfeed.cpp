// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/qt/joystickfeed.h"

#include <algorithm>

#include "joystick/joystickswitch.h"

namespace wildcrest
{

JoystickFeed::JoystickFeed(Tell tell, std::function<bool()> active)
    : SwitchFeed(std::move(tell))
    , active_(std::move(active))
{
}

JoystickFeed::~JoystickFeed() = default;

void JoystickFeed::rewire(const std::vector<SwitchWiring> &seats)
{
    seats_ = seats;
    if (std::none_of(seats_.begin(), seats_.end(), [](const SwitchWiring &w) { return w.wantsJoysticks(); }))
        joysticks_.reset();
    else if (!joysticks_)
        joysticks_ = std::make_unique<JoystickSwitch>([this](int b, bool pressed, bool unplugged) { button(b, pressed, unplugged); });
}

void JoystickFeed::button(int button, bool pressed, bool unplugged)
{
    int seat = 0;
    int which = 0;
    while (seat < int(seats_.size()) && (which = seats_[seat].joystickButton(button)) == 0)
        ++seat;
    if (which == 0 || (pressed && !active_()))
        return;
    if (pressed)
        buttons_[which - 1] = button;
    tell(SwitchEvent { which, pressed, now(), SwitchSource::Joystick, unplugged, seat });
}

} // namespace wildcrest
