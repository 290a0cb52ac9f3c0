// SPDX-License-Identifier: GPL-3.0-or-later
#include "joystick/joystickswitch.h"

#include <SDL.h>

#include <QDir>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace wildcrest
{

struct JoystickSwitch::Device {
    SDL_Joystick *joystick = nullptr;
    int fd = -1; // our own reader of its event node, only to be woken
    std::unique_ptr<QSocketNotifier> wake;
    bool isVirtual = false;

    ~Device()
    {
        // It may be the notifier whose signal is running now.
        if (wake) {
            wake->setEnabled(false);
            wake.release()->deleteLater();
        }
        if (fd >= 0)
            ::close(fd);
        if (joystick)
            SDL_JoystickClose(joystick);
    }
    // Neither watched nor changed only by its owner: it has to be read now and then.
    bool needsPolling() const
    {
        return !wake && !isVirtual;
    }
};

namespace
{
    // After a device node appears, udev may still be setting it up: look again for a while.
    constexpr int kSettleRounds = 12; // three seconds, as long as SDL may take to look again
    constexpr int kSettleMs = 250;
    constexpr int kPollMs = 10;
} // namespace

JoystickSwitch::JoystickSwitch(ButtonHandler handler)
    : handler_(std::move(handler))
{
    // The game keeps its own Ctrl-C and SIGTERM, and hears buttons whichever window is in front.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
        error_ = SDL_GetError();
        return;
    }
    available_ = true;
    SDL_JoystickEventState(SDL_ENABLE);

    for (const char *dir : { "/dev/input", "/dev" })
        if (QDir(dir).exists()) {
            hotplug_.addPath(dir);
            break;
        }
    connect(&hotplug_, &QFileSystemWatcher::directoryChanged, this, [this] { pumpSoon(); });
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, [this] {
        pump();
        if (--settleRounds_ <= 0)
            settle_.stop();
    });
    polling_.setInterval(kPollMs);
    connect(&polling_, &QTimer::timeout, this, [this] { pump(); });
    pump(); // the devices plugged in already
}

JoystickSwitch::~JoystickSwitch()
{
    // No notifier's signal is running now: they can go at once.
    for (auto &[id, device] : devices_)
        device->wake.reset();
    devices_.clear();
    if (available_)
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

bool JoystickSwitch::available() const
{
    return available_;
}

const std::string &JoystickSwitch::error() const
{
    return error_;
}

int JoystickSwitch::attached() const
{
    return int(devices_.size());
}

void JoystickSwitch::pumpSoon()
{
    pump();
    settleRounds_ = kSettleRounds;
    settle_.start();
}

void JoystickSwitch::pump()
{
    if (!available_)
        return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_JOYDEVICEADDED:
            open(event.jdevice.which);
            break;
        case SDL_JOYDEVICEREMOVED:
            close(event.jdevice.which);
            break;
        case SDL_JOYBUTTONDOWN:
        case SDL_JOYBUTTONUP:
            if (handler_)
                handler_(event.jbutton.button, event.jbutton.state == SDL_PRESSED, !stillAttached(event.jbutton.which));
            break;
        default:
            break;
        }
    }
    updatePolling();
}

void JoystickSwitch::open(int deviceIndex)
{
    auto device = std::make_unique<Device>();
    device->joystick = SDL_JoystickOpen(deviceIndex);
    if (!device->joystick)
        return; // gone again, or not ours to open: not an error for the player
    const int id = SDL_JoystickInstanceID(device->joystick);
    if (devices_.count(id))
        return;
    device->isVirtual = SDL_JoystickIsVirtual(deviceIndex);
    if (const char *path = SDL_JoystickPath(device->joystick)) {
        device->fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (device->fd >= 0) {
            device->wake = std::make_unique<QSocketNotifier>(device->fd, QSocketNotifier::Read);
            Device *d = device.get();
            connect(device->wake.get(), &QSocketNotifier::activated, this, [this, d] {
                drain(*d);
                pump();
            });
        }
    }
    devices_.emplace(id, std::move(device));
}

// SDL lets go of a device's held buttons when it is pulled out, after it has
// marked the device detached.
bool JoystickSwitch::stillAttached(int instanceId) const
{
    const auto device = devices_.find(instanceId);
    return device != devices_.end() && SDL_JoystickGetAttached(device->second->joystick);
}

void JoystickSwitch::close(int instanceId)
{
    devices_.erase(instanceId);
}

// Empties our reader of the node, so that it wakes the loop again only for new events;
// SDL reads its own.
void JoystickSwitch::drain(Device &device)
{
    std::array<char, 4096> buffer;
    for (;;) {
        const ssize_t n = ::read(device.fd, buffer.data(), buffer.size());
        if (n > 0)
            continue;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN)
            return;
        // Gone (ENODEV) or at its end: stop watching, SDL tells the removal.
        device.wake->setEnabled(false);
        return;
    }
}

void JoystickSwitch::updatePolling()
{
    bool any = false;
    for (const auto &[id, device] : devices_)
        any = any || device->needsPolling();
    if (any && !polling_.isActive())
        polling_.start();
    else if (!any)
        polling_.stop();
}

} // namespace wildcrest
