// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace wildcrest
{

// Every joystick and gamepad button, through SDL2's joystick subsystem only
// (no window of SDL's own). Nothing polls while waiting: each device's own
// event node wakes Qt's event loop when it has something, and a change in
// /dev/input wakes it when a device comes or goes, so devices plugged in
// before or during the game work at once and pulling one out is no error.
// A device whose node cannot be watched is read every 10 ms while attached.
// SDL's events are one queue per program: have one JoystickSwitch at a time.
//
//     JoystickSwitch joysticks([&](int button, bool pressed) { ... });
//     // SDL virtual joysticks change only when their owner says so: it calls
//     joysticks.pump();
class JoystickSwitch : public QObject
{
public:
    // `unplugged`: a release that came because the device was pulled out.
    using ButtonHandler = std::function<void(int button, bool pressed, bool unplugged)>;

    explicit JoystickSwitch(ButtonHandler handler);
    ~JoystickSwitch() override;
    JoystickSwitch(const JoystickSwitch &) = delete;
    JoystickSwitch &operator=(const JoystickSwitch &) = delete;

    // False when SDL could not start its joystick subsystem; why is in error().
    bool available() const;
    const std::string &error() const;
    // The joysticks and gamepads open now.
    int attached() const;
    // Reads what SDL has now: devices added and removed, buttons pressed and released.
    void pump();

private:
    struct Device;
    void open(int deviceIndex);
    void close(int instanceId);
    bool stillAttached(int instanceId) const;
    void drain(Device &device);
    void pumpSoon();
    void updatePolling();

    ButtonHandler handler_;
    bool available_ = false;
    std::string error_;
    std::map<int, std::unique_ptr<Device>> devices_; // by SDL's instance id
    QFileSystemWatcher hotplug_;
    QTimer settle_; // pumps again while a new device is being set up
    int settleRounds_ = 0;
    QTimer polling_; // for devices without a node to watch
};

} // namespace wildcrest
