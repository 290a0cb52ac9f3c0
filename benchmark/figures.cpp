// SPDX-License-Identifier: GPL-3.0-or-later
#include "figures.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <sstream>

namespace wildcrest::bench
{

double wallSeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double cpuSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

Spread spread(std::vector<double> values)
{
    if (values.empty())
        return {};
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return { values.front(), median, values.back() };
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto rank = std::size_t(std::ceil(p / 100 * double(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

BusyCore::BusyCore()
    : spinner_([this] {
        volatile std::uint64_t spins = 0;
        while (!stop_.load(std::memory_order_relaxed))
            spins = spins + 1;
    })
{
}

BusyCore::~BusyCore()
{
    stop_ = true;
    spinner_.join();
}

std::string fixed(double value, int decimals)
{
    std::ostringstream out;
    out.setf(std::ios::fixed);
    out.precision(decimals);
    out << value;
    return out.str();
}

std::string spreadText(const Spread &s, int decimals)
{
    return fixed(s.min, decimals) + " / " + fixed(s.median, decimals) + " / " + fixed(s.max, decimals);
}

std::string ratioText(double literal, double ours)
{
    if (ours <= 0)
        return "n/a";
    const double r = literal / ours;
    return fixed(r, r < 10 ? 2 : r < 100 ? 1 : 0) + "x";
}

std::string tableText(const std::vector<Row> &rows)
{
    const std::vector<std::string> head { "Measure", "Ours", "Literal baseline", "Literal / ours", "Target (ours)", "Met" };
    std::vector<std::vector<std::string>> cells { head };
    for (const Row &r : rows)
        cells.push_back({ r.measure, r.ours, r.literal, r.ratio, r.target, r.met ? (*r.met ? "yes" : "NO") : "-" });

    std::vector<std::size_t> width(head.size(), 3);
    for (const auto &line : cells)
        for (std::size_t i = 0; i < line.size(); ++i)
            width[i] = std::max(width[i], line[i].size());

    std::ostringstream out;
    const auto print = [&](const std::vector<std::string> &line) {
        out << '|';
        for (std::size_t i = 0; i < line.size(); ++i)
            out << ' ' << line[i] << std::string(width[i] - line[i].size(), ' ') << " |";
        out << '\n';
    };
    print(cells[0]);
    out << '|';
    for (std::size_t w : width)
        out << std::string(w + 2, '-') << '|';
    out << '\n';
    for (std::size_t i = 1; i < cells.size(); ++i)
        print(cells[i]);
    return out.str();
}

} // namespace wildcrest::bench
