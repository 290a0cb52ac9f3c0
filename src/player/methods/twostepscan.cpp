// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/wording.h"
#include "player/scanmethod.h"
#include "player/scanroom.h"

namespace wildcrest
{

namespace
{

    // For a player whose presses are not all meant: each offer is held for the
    // scan time in turn, and a first press only stops the scan on the one on
    // show, framed and said. A second press within the scan time takes it;
    // without one the scan goes on with the next offer, as if never stopped.
    class TwoStepScan : public ScanMethod
    {
    public:
        std::size_t choose(ScanRoom &room, SwitchWaits &waits, const std::vector<Offer> &offers) override
        {
            int offered = 0;
            for (std::size_t on = 0;; on = (on + 1) % offers.size()) {
                if (room.hold(waits, ++offered, offers[on]) && confirmed(room, waits, offers[on]))
                    return on;
                offers[on].hide();
                waits.loop().yield();
            }
        }

    private:
        // The scan has stopped on `offer`: is it pressed again in time?
        static bool confirmed(ScanRoom &room, SwitchWaits &waits, const Offer &offer)
        {
            room.view().focusOffer(offer.marked);
            room.view().markOffer(offer.marked); // the frame always, whatever the highlight
            room.announce(offer.spoken);
            waits.hitkey = 0;
            const bool again = room.await(waits, room.scantime(), offer.marked);
            room.view().markOffer(std::nullopt);
            room.unmark();
            return again;
        }
    };

} // namespace

extern const ScanMethodEntry kTwoStepScan { "two-step",
    WILDCREST_TEXT("Options", "two-step: a first press stops on the card and says it, a second within the scan time takes it"),
    WILDCREST_TEXT("SettingsDialog", "First press stops, second press takes (two-step)"),
    false,
    [](const Settings &) -> std::unique_ptr<ScanMethod> { return std::make_unique<TwoStepScan>(); } };

} // namespace wildcrest
