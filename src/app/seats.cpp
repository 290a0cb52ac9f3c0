// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/seats.h"

namespace wildcrest
{

bool sameSwitch(const PlayerSwitch &a, const PlayerSwitch &b)
{
    return a.kind != PlayerSwitch::Kind::Any && a == b;
}

std::vector<SwitchWiring> seatWiring(const Settings &first, const Settings *second)
{
    std::vector<SwitchWiring> seats { first.wiring() };
    if (!second)
        return seats;
    seats.push_back(second->wiring());
    if (second->playerSwitch.kind != PlayerSwitch::Kind::Any)
        seats[0].others.push_back(second->playerSwitch);
    if (first.playerSwitch.kind != PlayerSwitch::Kind::Any)
        seats[1].others.push_back(first.playerSwitch);
    return seats;
}

} // namespace wildcrest
