// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/offertimer.h"

#include <algorithm>

namespace wildcrest
{

void OfferTimer::start(Moment now, Moment length, std::optional<Moment> pacedFrom, std::optional<Control> shown)
{
    start_ = now;
    length_ = length;
    extra_ = Moment { 0 };
    pacedFrom_ = pacedFrom;
    shown_ = shown;
    told_ = false;
    tell();
}

Moment OfferTimer::runsFrom()
{
    if (!pacedFrom_)
        return start_;
    const Moment latest = *pacedFrom_ + kSpeechBound;
    const std::optional<Moment> heard = aids_->spokenToEnd();
    return std::max(start_, std::min(heard.value_or(latest), latest));
}

Moment OfferTimer::ends()
{
    tell();
    return runsFrom() + length_ + extra_;
}

void OfferTimer::extend(Moment by)
{
    extra_ += by;
    told_ = false;
    tell();
}

void OfferTimer::settle(Moment now)
{
    if (!pacedFrom_)
        return;
    const Moment latest = *pacedFrom_ + kSpeechBound;
    start_ = std::max(start_, std::min(aids_->spokenToEnd().value_or(now), latest));
    pacedFrom_.reset();
}

void OfferTimer::stop()
{
    if (shown_ && told_)
        aids_->showTimeLeft(std::nullopt, {}, {});
    shown_.reset();
    told_ = false;
}

void OfferTimer::tell()
{
    if (!shown_)
        return;
    const Moment from = runsFrom() + extra_;
    const Moment until = from + length_;
    if (told_ && from == toldFrom_ && until == toldEnds_)
        return;
    told_ = true;
    toldFrom_ = from;
    toldEnds_ = until;
    aids_->showTimeLeft(shown_, from, until);
}

} // namespace wildcrest
