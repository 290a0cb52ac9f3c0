// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/wording.h"
#include "player/scanmethod.h"
#include "player/scanroom.h"

#include <optional>

namespace wildcrest
{

namespace
{

    // For a player who can hold but not time a press: once a press counts, the
    // offers advance each scan time for as long as the switch is held, and
    // letting go takes the one on show. A press let go before it counts (before
    // the acceptance time) does nothing, and a switch pulled out while held is
    // not letting go: nothing is taken, and the next press starts afresh.
    class InverseScan : public ScanMethod
    {
    public:
        std::size_t choose(ScanRoom &room, SwitchWaits &waits, const std::vector<Offer> &offers) override
        {
            for (;;)
                if (const std::optional<std::size_t> taken = scan(room, waits, offers))
                    return *taken;
        }

    private:
        std::optional<std::size_t> scan(ScanRoom &room, SwitchWaits &waits, const std::vector<Offer> &offers)
        {
            waits.waitforkey(); // holding is the scan here, never the menu's long press
            const int held = waits.switches().lastCounted();
            std::size_t on = 0;
            int shown = 1;
            room.present(offers[on]);
            room.timeOffer(room.offerlength(shown));
            for (;;) {
                if (waits.switches().unplugged(held)) {
                    room.withdraw(offers[on]);
                    return std::nullopt;
                }
                if (!waits.switches().down(held)) {
                    room.unmark();
                    return on;
                }
                if (waits.loop().now() >= room.offerEnds()) {
                    room.withdraw(offers[on]);
                    on = (on + 1) % offers.size();
                    room.present(offers[on]);
                    room.timeOffer(room.offerlength(++shown));
                }
                waits.sleepuntil(room.offerEnds());
            }
        }
    };

} // namespace

extern const ScanMethodEntry kInverseScan { "inverse",
    WILDCREST_TEXT("Options", "inverse: hold to move, let go to take"),
    WILDCREST_TEXT("SettingsDialog", "Hold to move, let go to take (inverse)"),
    false,
    [](const Settings &) -> std::unique_ptr<ScanMethod> { return std::make_unique<InverseScan>(); } };

} // namespace wildcrest
