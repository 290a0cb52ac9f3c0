// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/optiontext.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <stdexcept>

namespace wildcrest
{

std::optional<bool> parseSwitch(const std::string &value)
{
    if (value == "on" || value == "true" || value == "yes" || value == "1")
        return true;
    if (value == "off" || value == "false" || value == "no" || value == "0")
        return false;
    return std::nullopt;
}

std::optional<long> parseWhole(const std::string &value, long low, long high)
{
    std::size_t used = 0;
    long n = 0;
    try {
        n = std::stol(value, &used);
    } catch (const std::logic_error &) {
        return std::nullopt;
    }
    if (used != value.size() || n < low || n > high)
        return std::nullopt;
    return n;
}

std::optional<double> parseNumber(const std::string &value)
{
    // The dialog runs with the desktop's locale, whose decimal point may be a
    // comma: the file's numbers are always written with a point.
    static const locale_t plain = newlocale(LC_NUMERIC_MASK, "C", locale_t {});
    const char *start = value.c_str();
    char *end = nullptr;
    errno = 0;
    const double number = strtod_l(start, &end, plain);
    if (end == start || errno == ERANGE || std::size_t(end - start) != value.size() || !std::isfinite(number))
        return std::nullopt;
    return number;
}

std::optional<std::chrono::milliseconds> parseSeconds(const std::string &value, double low, double high)
{
    const std::optional<double> seconds = parseNumber(value);
    if (!seconds || *seconds < low || *seconds > high)
        return std::nullopt;
    return std::chrono::milliseconds(std::lround(*seconds * 1000));
}

std::string secondsText(std::chrono::milliseconds length)
{
    std::string text = std::to_string(length.count() / 1000) + "." + std::to_string(1000 + length.count() % 1000).substr(1);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text;
}

namespace
{

    // What follows `prefix` at the start of `value`.
    std::optional<std::string> after(const std::string &value, const std::string &prefix)
    {
        if (value.rfind(prefix, 0) != 0)
            return std::nullopt;
        return value.substr(prefix.size());
    }

    // The N of "button:N", 0 to 31, written as digits alone.
    std::optional<int> buttonOf(const std::string &value)
    {
        const std::optional<std::string> number = after(value, "button:");
        if (!number || number->empty() || !std::isdigit(static_cast<unsigned char>(number->front())))
            return std::nullopt;
        if (const std::optional<long> n = parseWhole(*number, 0, 31))
            return int(*n);
        return std::nullopt;
    }

    // The NAME of "key:NAME"; Qt alone can tell whether it names a key.
    std::optional<std::string> keyOf(const std::string &value)
    {
        const std::optional<std::string> name = after(value, "key:");
        if (!name || name->empty())
            return std::nullopt;
        return name;
    }

} // namespace

std::optional<SecondSwitch> parseSecondSwitch(const std::string &value)
{
    using Kind = SecondSwitch::Kind;
    if (value == "none")
        return SecondSwitch {};
    if (value == "enter")
        return SecondSwitch { Kind::Enter, 0, {} };
    if (value == "right-click")
        return SecondSwitch { Kind::RightClick, 0, {} };
    if (const std::optional<int> button = buttonOf(value))
        return SecondSwitch { Kind::Button, *button, {} };
    if (const std::optional<std::string> key = keyOf(value))
        return SecondSwitch { Kind::Key, 0, *key };
    return std::nullopt;
}

std::string secondSwitchText(const SecondSwitch &second)
{
    switch (second.kind) {
    case SecondSwitch::Kind::None:
        break;
    case SecondSwitch::Kind::Enter:
        return "enter";
    case SecondSwitch::Kind::RightClick:
        return "right-click";
    case SecondSwitch::Kind::Button:
        return "button:" + std::to_string(second.button);
    case SecondSwitch::Kind::Key:
        return "key:" + second.key;
    }
    return "none";
}

std::optional<PlayerSwitch> parsePlayerSwitch(const std::string &value)
{
    using Kind = PlayerSwitch::Kind;
    if (value == "any")
        return PlayerSwitch {};
    if (value == "right-click")
        return PlayerSwitch { Kind::RightClick, {}, 0 };
    if (const std::optional<int> button = buttonOf(value))
        return PlayerSwitch { Kind::Button, {}, *button };
    if (const std::optional<std::string> key = keyOf(value))
        return PlayerSwitch { Kind::Key, *key, 0 };
    return std::nullopt;
}

std::string playerSwitchText(const PlayerSwitch &own)
{
    switch (own.kind) {
    case PlayerSwitch::Kind::Any:
        break;
    case PlayerSwitch::Kind::Key:
        return "key:" + own.key;
    case PlayerSwitch::Kind::Button:
        return "button:" + std::to_string(own.button);
    case PlayerSwitch::Kind::RightClick:
        return "right-click";
    }
    return "any";
}

std::string listOf(const std::vector<std::string> &words)
{
    std::string list;
    for (std::size_t i = 0; i < words.size(); ++i)
        list += (i == 0 ? "" : i + 1 == words.size() ? " or " : ", ") + words[i];
    return list;
}

std::string alternatives(const std::vector<std::string> &words)
{
    std::string list;
    for (const std::string &word : words)
        list += (list.empty() ? "" : "|") + word;
    return list;
}

} // namespace wildcrest
