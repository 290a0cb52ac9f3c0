#include "table/switchfilter.h"

namespace wildcrest
{

SwitchFilter::SwitchFilter(std::chrono::milliseconds debounce, std::chrono::milliseconds acceptance)
    : debounce_(debounce)
    , acceptance_(acceptance)
{
}

bool SwitchFilter::counts(Moment t)
{
    if (lastCounted_ && t - *lastCounted_ < debounce_)
        return false;
    lastCounted_ = t;
    return true;
}

bool SwitchFilter::press(Moment t)
{
    if (down_)
        return false; // still held: the same press
    down_ = true;
    if (acceptance_ > Moment::zero()) {
        pendingSince_ = t;
        return false;
    }
    return counts(t);
}

void SwitchFilter::release(Moment)
{
    down_ = false;
    pendingSince_.reset();
}

std::optional<Moment> SwitchFilter::acceptanceDue() const
{
    if (!pendingSince_)
        return std::nullopt;
    return *pendingSince_ + acceptance_;
}

bool SwitchFilter::held(Moment t)
{
    if (!pendingSince_ || t < *pendingSince_ + acceptance_)
        return false;
    pendingSince_.reset();
    return counts(t);
}

} // namespace wildcrest
