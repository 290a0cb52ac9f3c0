// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gameform.h"
#include "player/scanmethod.h"
#include "player/scanroom.h"

namespace wildcrest
{

namespace
{

    // For a player who can hold but not time a press: once a press counts, the
    // offers advance each scan time for as long as the switch is held, and
    // letting go takes the one on show. A press let go before it counts (before
    // the acceptance time) does nothing.
    class InverseScan : public ScanMethod
    {
    public:
        std::size_t choose(ScanRoom &room, GameForm &game, const std::vector<Offer> &offers) override
        {
            game.waitforkey(); // holding is the scan here, never the menu's long press
            const int held = game.switches().lastCounted();
            std::size_t on = 0;
            int shown = 1;
            room.present(offers[on]);
            Moment deadline = room.view().now() + room.offerlength(shown);
            for (;;) {
                if (!game.switches().down(held)) {
                    room.unmark();
                    return on;
                }
                if (room.view().now() >= deadline) {
                    room.withdraw(offers[on]);
                    on = (on + 1) % offers.size();
                    room.present(offers[on]);
                    deadline = room.view().now() + room.offerlength(++shown);
                }
                game.sleepuntil(deadline);
            }
        }
    };

} // namespace

std::unique_ptr<ScanMethod> makeInverseScan()
{
    return std::make_unique<InverseScan>();
}

} // namespace wildcrest
