// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/qt/switchfeed.h"

#include <array>
#include <memory>

namespace wildcrest
{

class JoystickSwitch;

// The joystick and gamepad buttons that are switches, read only while the
// wiring wants them. A press counts only while `active` says our window is in
// front (it was meant for another program otherwise); a release always does,
// marked `unplugged` when the device was pulled out.
class JoystickFeed : public SwitchFeed
{
public:
    JoystickFeed(Tell tell, std::function<bool()> active);
    ~JoystickFeed() override;

    void rewire(const std::vector<SwitchWiring> &seats) override;
    // The devices read; none while the wiring wants no joystick.
    JoystickSwitch *joysticks() const
    {
        return joysticks_.get();
    }
    // The button that last pressed switch `which`, or -1.
    int lastButton(int which) const
    {
        return buttons_[which == 2 ? 1 : 0];
    }

private:
    void button(int button, bool pressed, bool unplugged);

    std::function<bool()> active_;
    std::vector<SwitchWiring> seats_;
    std::unique_ptr<JoystickSwitch> joysticks_;
    std::array<int, 2> buttons_ { -1, -1 };
};

} // namespace wildcrest
