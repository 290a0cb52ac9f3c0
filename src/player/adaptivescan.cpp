// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/adaptivescan.h"

#include "record/recordfigures.h"

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
    const Moment median = medianOf({ reactions_.begin(), reactions_.end() });
    const Moment target = std::clamp(median * 8 / 5, kShortest, kLongest);
    current_ = target >= current_ ? target : std::max(target, current_ * 9 / 10);
}

} // namespace wildcrest
