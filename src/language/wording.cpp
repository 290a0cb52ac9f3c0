// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/wording.h"

#include <cstdio>

namespace wildcrest
{

namespace
{

    void replaceAll(std::string &text, const std::string &marker, const std::string &by)
    {
        for (std::size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + by.size()))
            text.replace(at, marker.size(), by);
    }

} // namespace

std::string Wording::translate(const char *context, const char *english, const char *disambiguation, int count) const
{
    std::string text = lookup(context, english, disambiguation, count);
    if (text.empty())
        text = english;
    if (count >= 0)
        replaceAll(text, "%n", std::to_string(count));
    return text;
}

std::string Wording::decimal(double value, int decimals) const
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string written = text;
    const std::string point = translate("Numbers", ".", "decimal point");
    replaceAll(written, ".", point);
    return written;
}

std::string Wording::lookup(const char *, const char *, const char *, int) const
{
    return {};
}

const Wording &englishWording()
{
    static const Wording english;
    return english;
}

std::string fill(std::string pattern, std::initializer_list<std::string> args)
{
    return fill(std::move(pattern), std::vector<std::string>(args));
}

std::string fill(std::string pattern, const std::vector<std::string> &args)
{
    // One pass, so that an argument's own text is never read as a marker.
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t arg = std::size_t(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && arg < args.size()) {
            text += *(args.begin() + arg);
            ++i;
        } else
            text += pattern[i];
    }
    return text;
}

const std::vector<std::string> &gameLanguages()
{
    static const std::vector<std::string> languages { "en", "de", "fr", "es", "nl" };
    return languages;
}

} // namespace wildcrest
