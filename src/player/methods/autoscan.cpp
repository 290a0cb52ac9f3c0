// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/wording.h"
#include "player/scanmethod.h"
#include "player/scanroom.h"

namespace wildcrest
{

namespace
{

    // Each offer held for the scan time in turn; a press takes the one on show.
    // With `loops` set, the scan rests after that many passes without a press,
    // and the next press starts it again from the first offer.
    class AutoScan : public ScanMethod
    {
    public:
        explicit AutoScan(int loops)
            : loops_(loops)
        {
        }

        std::size_t choose(ScanRoom &room, SwitchWaits &waits, const std::vector<Offer> &offers) override
        {
            int offered = 0;
            for (int passes = 0;; ++passes) {
                if (loops_ > 0 && passes == loops_) {
                    room.rest(waits);
                    passes = 0;
                    offered = 0;
                }
                for (std::size_t i = 0; i < offers.size(); ++i) {
                    if (room.hold(waits, ++offered, offers[i]))
                        return i;
                    offers[i].hide();
                    waits.loop().yield();
                }
            }
        }

    private:
        int loops_;
    };

} // namespace

extern const ScanMethodEntry kAutoScan { "auto",
    WILDCREST_TEXT("Options", "auto: each card offered in turn"),
    WILDCREST_TEXT("SettingsDialog", "Each card in turn (auto)"),
    false,
    [](const Settings &settings) -> std::unique_ptr<ScanMethod> { return std::make_unique<AutoScan>(settings.scanLoops); } };

} // namespace wildcrest
