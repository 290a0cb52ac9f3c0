// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/qt/joystickfeed.h"
#include "table/qt/keyfeed.h"
#include "table/qt/mousefeed.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <array>
#include <optional>

namespace wildcrest
{

// The one way from a window's raw input to the player's switches, for the
// game's window and the settings dialog's try-out alike: keys, clicks and
// joystick buttons as the wiring says, each SwitchEvent to one handler. What
// is held is let go when the window stops being in front, since its release
// would go to another. Esc is never a switch.
//
//     QtSwitches switches(window, QtSwitches::Reach::Window, [&](const SwitchEvent &e) { ... });
//     switches.onEscape([&] { window->close(); });
//     switches.rewire(settings.wiring());
class QtSwitches : public QObject
{
public:
    enum class Reach {
        // Every key and click sent to the owner's window, caught before any of
        // its widgets sees it; Esc calls onEscape.
        Window,
        // Keys while the owner has the focus, Esc and Tab left to the dialog
        // (Tab unless it is the second switch); clicks inside the owner.
        Panel,
    };
    using Handler = std::function<void(const SwitchEvent &)>;

    // Until rewire, keys and a left click are switch 1 and joysticks are not read.
    QtSwitches(QWidget *owner, Reach reach, Handler handler);
    ~QtSwitches() override;

    void rewire(const SwitchWiring &wiring);
    // One wiring for each seat at the table; a switch event says its seat.
    void rewire(const std::vector<SwitchWiring> &seats);
    void onEscape(std::function<void()> escape);
    // Clicks on `widget` (a button of the panel's own) stay its own.
    void letClicksThrough(QWidget *widget);
    // Lets go of the switches held by `source`, or of every one.
    void release(std::optional<SwitchSource> source = std::nullopt);

    JoystickSwitch *joysticks() const
    {
        return joysticks_.joysticks();
    }
    // The joystick button that last pressed switch `which`, or -1.
    int joystickButton(int which) const
    {
        return joysticks_.lastButton(which);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool reaches(QWidget *target, const QEvent &event) const;
    bool filterKey(QEvent &event);
    bool filterClick(QEvent &event);
    void report(const SwitchEvent &e);

    QWidget *owner_;
    Reach reach_;
    Handler handler_;
    std::function<void()> escape_;
    QPointer<QWidget> letThrough_;
    std::array<std::optional<SwitchSource>, 4> held_; // by seat and switch, what holds it down
    KeyFeed keys_;
    MouseFeed mouse_;
    JoystickFeed joysticks_;
};

} // namespace wildcrest
