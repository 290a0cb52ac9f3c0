// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/wording.h"
#include "player/scanmethod.h"
#include "player/scanroom.h"

namespace wildcrest
{

namespace
{

    // Two switches: the first offer is on show at once; switch 1 moves to the
    // next offer, switch 2 takes the one on show. Nothing moves on its own, and
    // the game waits for as long as the player needs.
    class StepScan : public ScanMethod
    {
    public:
        std::size_t choose(ScanRoom &room, SwitchWaits &waits, const std::vector<Offer> &offers) override
        {
            std::size_t on = 0;
            room.present(offers[on]);
            for (;;) {
                room.waitforswitch(waits);
                if (waits.switches().lastCounted() == 2) {
                    room.unmark();
                    return on;
                }
                room.withdraw(offers[on]);
                on = (on + 1) % offers.size();
                room.present(offers[on]);
            }
        }
    };

} // namespace

extern const ScanMethodEntry kStepScan { "step",
    WILDCREST_TEXT("Options", "step: switch 1 moves, the second switch takes"),
    WILDCREST_TEXT("SettingsDialog", "Switch 1 moves, switch 2 takes (step)"),
    true,
    [](const Settings &) -> std::unique_ptr<ScanMethod> { return std::make_unique<StepScan>(); } };

} // namespace wildcrest
