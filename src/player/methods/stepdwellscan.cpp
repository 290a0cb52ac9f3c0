// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/wording.h"
#include "player/scanmethod.h"
#include "player/scanroom.h"
#include "rules/matchstate.h"

namespace wildcrest
{

namespace
{

    // One switch, no timing of a press: nothing is on show until the first
    // press, each press moves to the next offer, and an offer left for the scan
    // time after the last press is taken. Nothing is taken without a press.
    class StepDwellScan : public ScanMethod
    {
    public:
        std::size_t choose(ScanRoom &room, SwitchWaits &waits, const std::vector<Offer> &offers) override
        {
            room.waitforswitch(waits);
            std::size_t on = 0;
            int shown = 1;
            for (;;) {
                room.present(offers[on]);
                waits.hitkey = kFalse;
                if (!room.await(waits, room.offerlength(shown))) {
                    room.unmark();
                    return on;
                }
                room.withdraw(offers[on]);
                on = (on + 1) % offers.size();
                ++shown;
            }
        }
    };

} // namespace

extern const ScanMethodEntry kStepDwellScan { "step-dwell",
    WILDCREST_TEXT("Options", "step-dwell: each press moves, a card left for the scan time is taken"),
    WILDCREST_TEXT("SettingsDialog", "Each press moves, waiting takes (step-dwell)"),
    false,
    [](const Settings &) -> std::unique_ptr<ScanMethod> { return std::make_unique<StepDwellScan>(); } };

} // namespace wildcrest
