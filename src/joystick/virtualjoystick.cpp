// SPDX-License-Identifier: GPL-3.0-or-later
#include "joystick/virtualjoystick.h"

#include <SDL.h>

namespace wildcrest
{

VirtualJoystick::VirtualJoystick(int buttons)
{
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    started_ = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
    if (started_)
        deviceIndex_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 0, buttons, 0);
    if (deviceIndex_ >= 0)
        joystick_ = SDL_JoystickOpen(deviceIndex_);
    if (!joystick_)
        error_ = SDL_GetError();
}

VirtualJoystick::~VirtualJoystick()
{
    detach();
    if (started_)
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

bool VirtualJoystick::attached() const
{
    return joystick_ != nullptr;
}

const std::string &VirtualJoystick::error() const
{
    return error_;
}

void VirtualJoystick::set(int button, bool down)
{
    if (joystick_)
        SDL_JoystickSetVirtualButton(joystick_, button, down ? SDL_PRESSED : SDL_RELEASED);
}

void VirtualJoystick::detach()
{
    if (!joystick_)
        return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    // Detaching is by device index, which may have moved since the attach.
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
        if (SDL_JoystickGetDeviceInstanceID(i) == id) {
            SDL_JoystickDetachVirtual(i);
            return;
        }
}

} // namespace wildcrest
