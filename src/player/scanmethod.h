// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/scanning.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace wildcrest
{

class ScanRoom;

// One way of reaching a choice with the switch. Each lives in its own file,
// named after its value of the option scan-method.
class ScanMethod
{
public:
    virtual ~ScanMethod() = default;
    // Offers `offers` until one is taken and returns its index; it stays on show.
    virtual std::size_t choose(ScanRoom &room, GameForm &game, const std::vector<Offer> &offers) = 0;
};

// auto: each offer held for the scan time in turn, a press takes the one on
// show; after `loops` passes without a press (0: never) the scan rests.
std::unique_ptr<ScanMethod> makeAutoScan(int loops);
// step: switch 1 moves to the next offer, switch 2 takes it; nothing moves on its own.
std::unique_ptr<ScanMethod> makeStepScan();
// step-dwell: each press moves to the next offer; one left for the scan time is taken.
std::unique_ptr<ScanMethod> makeStepDwellScan();
// inverse: while the switch is held the offers advance; releasing takes the one on show.
std::unique_ptr<ScanMethod> makeInverseScan();

} // namespace wildcrest
