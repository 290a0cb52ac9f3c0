// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "switch/switchevent.h"

#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <optional>

namespace wildcrest
{

// The X server repeats a held key as a release and a press with the same
// timestamp, and Qt does not mark every such pair as a repeat. So a key's
// release is told only once the key has stayed up for a moment; a press of the
// same switch within that moment and with the release's timestamp makes the
// pair a repeat, and neither is told. A moment that ends late (the program was
// kept from running, the press may be waiting behind it) is granted once more.
// Events without a timestamp (0, as made by hand) are told at once.
//
//     KeyRepeats repeats([&](const SwitchEvent &e) { report(e); });
//     repeats.take(e, keyEvent->timestamp());  // for every switch event of a key
class KeyRepeats
{
public:
    static constexpr std::chrono::milliseconds kGrace { 30 };

    explicit KeyRepeats(std::function<void(const SwitchEvent &)> tell);
    void take(const SwitchEvent &e, unsigned long timestamp);
    // Tells a release still held back at once.
    void flush();

private:
    void graceOver();

    std::function<void(const SwitchEvent &)> tell_;
    std::optional<SwitchEvent> release_;
    unsigned long releaseStamp_ = 0;
    QTimer timer_;
    QElapsedTimer heldBack_; // since the release was held back
    bool regranted_ = false;
};

} // namespace wildcrest
