// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/store/recordcsv.h"

#include <cstdio>
#include <ctime>

namespace wildcrest
{

namespace
{

    std::string isoTime(std::int64_t wallMs)
    {
        const std::time_t seconds = std::time_t(wallMs / 1000);
        std::tm utc {};
        gmtime_r(&seconds, &utc);
        char text[96];
        std::snprintf(text,
            sizeof text,
            "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ",
            utc.tm_year + 1900,
            utc.tm_mon + 1,
            utc.tm_mday,
            utc.tm_hour,
            utc.tm_min,
            utc.tm_sec,
            int(wallMs % 1000));
        return text;
    }

    std::string ms(Moment m)
    {
        char text[32];
        std::snprintf(text, sizeof text, "%.3f", double(m.count()) / 1000);
        return text;
    }

    std::string ms(const std::optional<Moment> &m)
    {
        return m ? ms(*m) : "";
    }

} // namespace

std::string csvField(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

void writeCsvHeader(std::ostream &out)
{
    out << "player,session,time,moment_ms,kind,outcome,offer,item,place,pass,reaction_ms,held_ms,scan_time_ms,switch\r\n";
}

void writeCsvLine(std::ostream &out, const std::string &player, std::int64_t session, std::int64_t wallMs, const RecordRow &row)
{
    out << csvField(player) << ',' << session << ',' << isoTime(wallMs) << ',' << ms(row.when) << ',' << rowKindName(row.kind) << ','
        << outcomeName(row.outcome) << ',' << offerKindName(row.offer) << ',' << csvField(row.item) << ',' << row.place << ',' << row.pass << ','
        << ms(row.reaction) << ',' << ms(row.held) << ',' << ms(row.scanTime) << ',' << row.which << "\r\n";
}

} // namespace wildcrest
