// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/adaptivescan.h"

#include <algorithm>
#include <vector>

namespace wildcrest
{

void AdaptiveScan::pressed(Moment intoOffer, bool afterPassedOffer)
{
    const bool late = afterPassedOffer && intoOffer < kLateWindow;
    reactions_.push_back(late ? current_ + intoOffer : intoOffer);
    if (reactions_.size() > kRemembered)
        reactions_.pop_front();
    fresh_ = true;
}

void AdaptiveScan::endTurn()
{
    if (!fresh_)
        return;
    fresh_ = false;
    std::vector<Moment> sorted(reactions_.begin(), reactions_.end());
    std::sort(sorted.begin(), sorted.end());
    const Moment median = sorted.size() % 2 ? sorted[sorted.size() / 2] : (sorted[sorted.size() / 2 - 1] + sorted[sorted.size() / 2]) / 2;
    const Moment target = std::clamp(median * 8 / 5, kShortest, kLongest);
    current_ = target >= current_ ? target : std::max(target, current_ * 9 / 10);
}

} // namespace wildcrest
