// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

struct _SDL_Joystick;

namespace wildcrest
{

// A joystick that exists only in this program, through SDL's virtual
// joysticks: tests and the benchmark press its buttons to drive the real
// joystick code. Whoever reads joysticks must be told to look
// (JoystickSwitch::pump) after each change, as no device node wakes it.
//
//     VirtualJoystick pad;        // attached
//     pad.set(0, true);  joysticks.pump();
//     pad.detach();      joysticks.pump();
class VirtualJoystick
{
public:
    explicit VirtualJoystick(int buttons = 8);
    ~VirtualJoystick();
    VirtualJoystick(const VirtualJoystick &) = delete;
    VirtualJoystick &operator=(const VirtualJoystick &) = delete;

    bool attached() const;
    // What SDL said when it could not attach one.
    const std::string &error() const;
    void set(int button, bool down);
    void detach();

private:
    _SDL_Joystick *joystick_ = nullptr;
    int deviceIndex_ = -1;
    bool started_ = false;
    std::string error_;
};

} // namespace wildcrest
