// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordfigures.h"

#include <algorithm>
#include <cmath>

namespace wildcrest
{

namespace
{
    bool inTime(const RecordRow &row)
    {
        return row.outcome == Outcome::Taken && row.reaction && row.offer != OfferKind::Wait && row.offer != OfferKind::None;
    }

    double ms(Moment m)
    {
        return std::chrono::duration<double, std::milli>(m).count();
    }
} // namespace

Moment medianOf(std::vector<Moment> values)
{
    if (values.empty())
        return {};
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

SessionFigures figuresOf(std::span<const RecordRow> rows)
{
    SessionFigures f;
    double sum = 0;
    double squares = 0;
    for (const RecordRow &row : rows) {
        if (row.kind == RowKind::Offer)
            f.scanTime = row.scanTime;
        if (inTime(row)) {
            ++f.taken;
            sum += ms(*row.reaction);
            squares += ms(*row.reaction) * ms(*row.reaction);
        }
        f.late += row.outcome == Outcome::Late;
        f.noPressPasses += row.outcome == Outcome::NoPress;
        f.ignored += row.outcome == Outcome::Debounced || row.outcome == Outcome::ReleasedEarly;
    }
    if (f.taken == 0)
        return f;
    const double n = double(f.taken);
    f.meanReactionMs = sum / n;
    f.sdReactionMs = f.taken > 1 ? std::sqrt(std::max(0.0, (squares - n * f.meanReactionMs * f.meanReactionMs) / (n - 1))) : 0;
    f.variation = f.meanReactionMs > 0 ? f.sdReactionMs / f.meanReactionMs : 0;
    f.lateShare = double(f.late) / n;
    f.noPressShare = double(f.noPressPasses) / n;
    f.ignoredShare = double(f.ignored) / n;
    f.suggestedScanTime = std::chrono::round<Moment>(std::chrono::duration<double, std::milli>(f.meanReactionMs / kScanRule));
    return f;
}

std::vector<std::pair<Moment, Moment>> fatigueCurve(std::span<const RecordRow> rows, std::size_t window)
{
    std::vector<std::pair<Moment, Moment>> curve;
    std::vector<Moment> recent;
    for (const RecordRow &row : rows) {
        if (!inTime(row))
            continue;
        recent.push_back(*row.reaction);
        if (recent.size() > window)
            recent.erase(recent.begin());
        curve.emplace_back(row.when, medianOf(recent));
    }
    return curve;
}

} // namespace wildcrest
