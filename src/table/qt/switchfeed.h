// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "switch/switchevent.h"

#include <QEvent>

#include <chrono>
#include <functional>
#include <vector>

namespace wildcrest
{

// One kind of input that can work the player's switches (keys, mouse buttons,
// joysticks), telling each switch event it makes to one callback.
//
//     KeyFeed keys([&](const SwitchEvent &e) { handle(e); });
//     keys.rewire({ wiring });
//     if (keys.take(*event)) ...;  // it was a switch, and has been told
class SwitchFeed
{
public:
    using Tell = std::function<void(const SwitchEvent &)>;

    explicit SwitchFeed(Tell tell)
        : tell_(std::move(tell))
    {
    }
    virtual ~SwitchFeed() = default;
    SwitchFeed(const SwitchFeed &) = delete;
    SwitchFeed &operator=(const SwitchFeed &) = delete;

    // Which inputs are switches from now on, and whose: one wiring for each seat.
    virtual void rewire(const std::vector<SwitchWiring> &seats) = 0;
    // Tells the switch event that `event` is, if any; true when it is one.
    // Feeds that are not read through Qt's events take none.
    virtual bool take(const QEvent & /*event*/)
    {
        return false;
    }
    // Tells at once whatever is held back.
    virtual void flush()
    {
    }

    // The moment of an event arriving now, on the view's clock.
    static Moment now()
    {
        return std::chrono::duration_cast<Moment>(std::chrono::steady_clock::now().time_since_epoch());
    }

protected:
    void tell(const SwitchEvent &e) const
    {
        tell_(e);
    }

private:
    Tell tell_;
};

} // namespace wildcrest
