// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/qt/keyrepeat.h"

namespace wildcrest
{

KeyRepeats::KeyRepeats(std::function<void(const SwitchEvent &)> tell)
    : tell_(std::move(tell))
{
    timer_.setSingleShot(true);
    timer_.setInterval(kGrace);
    QObject::connect(&timer_, &QTimer::timeout, [this] { graceOver(); });
}

void KeyRepeats::take(const SwitchEvent &e, unsigned long timestamp)
{
    if (e.pressed && release_ && release_->which == e.which && release_->seat == e.seat && timestamp == releaseStamp_) {
        timer_.stop();
        release_.reset(); // a repeat: the key never came up
        return;
    }
    flush();
    if (e.pressed || timestamp == 0) {
        tell_(e);
        return;
    }
    release_ = e;
    releaseStamp_ = timestamp; // told with its own moment, once the grace has passed
    heldBack_.start();
    regranted_ = false;
    timer_.start();
}

void KeyRepeats::graceOver()
{
    if (!regranted_ && heldBack_.elapsed() >= 2 * kGrace.count()) {
        regranted_ = true;
        timer_.start();
        return;
    }
    flush();
}

void KeyRepeats::flush()
{
    timer_.stop();
    if (const auto release = std::exchange(release_, std::nullopt))
        tell_(*release);
}

} // namespace wildcrest
