// SPDX-License-Identifier: GPL-3.0-or-later
// How long the therapist's report takes to open on a large record.
#include "app/qt/recordreport.h"
#include "bench.h"

#include <QCoreApplication>
#include <QTemporaryDir>

namespace wildcrest::bench
{

// A record of 1,000,000 presses that took a card, in 100 sessions, then the
// report opened on it until it is drawn.
void recordReportRows(std::vector<Row> &rows)
{
    constexpr int kSessions = 100, kPresses = 10'000;
    progress("a record of " + std::to_string(kSessions * kPresses) + " presses written, and the report opened on it");
    QTemporaryDir data;
    const QString path = data.path() + "/record.sqlite";
    {
        RecordStore store(path);
        for (int s = 0; s < kSessions; ++s) {
            std::unique_ptr<RecordSession> session = store.startSession("", "");
            RecordRow row;
            row.kind = RowKind::Press;
            row.outcome = Outcome::Taken;
            row.offer = OfferKind::Card;
            row.item = "seven of hearts";
            row.scanTime = std::chrono::seconds(2);
            for (int i = 0; i < kPresses; ++i) {
                row.when = Moment(std::int64_t(i) * 3'000'000);
                row.reaction = Moment(400'000 + (i * 7919) % 600'000);
                session->row(row);
            }
            store.flush(); // the queue kept short, as a real session's is
        }
    }
    const double start = wallSeconds();
    RecordReport report(path, "");
    report.show();
    QCoreApplication::processEvents();
    const double open = wallSeconds() - start;
    rows.push_back(
        { "Report opened on a record of " + std::to_string(report.sessionCount() * kPresses) + " presses (s)", fixed(open, 2), "-", "-", "< 2 s", open < 2 });
}

} // namespace wildcrest::bench
