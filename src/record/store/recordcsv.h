// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/switchrecord.h"

#include <cstdint>
#include <ostream>
#include <string>

namespace wildcrest
{

// The record as comma-separated values, one line per event after a header
// line; times in milliseconds, the wall clock as an ISO 8601 time in UTC.
void writeCsvHeader(std::ostream &out);
void writeCsvLine(std::ostream &out, const std::string &player, std::int64_t session, std::int64_t wallMs, const RecordRow &row);
// A field quoted when it has to be: "eight of hearts, named clubs".
std::string csvField(const std::string &text);

} // namespace wildcrest
