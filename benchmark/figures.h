// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace wildcrest::bench
{

// Seconds of wall time on the steady clock, and of CPU time used by the whole
// process (every thread), for measuring a stretch of time by difference.
double wallSeconds();
double cpuSeconds();

struct Spread {
    double min = 0;
    double median = 0;
    double max = 0;
};
Spread spread(std::vector<double> values);
// The nearest-rank percentile, `p` from 0 to 100.
double percentile(std::vector<double> values, double p);

// Keeps one core spinning for as long as it lives: the "busy" condition.
class BusyCore
{
public:
    BusyCore();
    ~BusyCore();
    BusyCore(const BusyCore &) = delete;
    BusyCore &operator=(const BusyCore &) = delete;

private:
    std::atomic<bool> stop_ { false };
    std::thread spinner_;
};

// One line of the printed table. `met` is empty where no target applies.
struct Row {
    std::string measure;
    std::string ours;
    std::string literal;
    std::string ratio;
    std::string target;
    std::optional<bool> met;
};

std::string fixed(double value, int decimals);
std::string spreadText(const Spread &s, int decimals);
// How many times `literal` is `ours`, as "12.3x".
std::string ratioText(double literal, double ours);
// Prints the rows as a Markdown table, ready to paste into the README.
std::string tableText(const std::vector<Row> &rows);

} // namespace wildcrest::bench
