// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/options.h"

#include "language/wording.h"
#include "player/scanmethod.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <utility>

namespace wildcrest
{

namespace
{

    // "auto|step|...", from the registry of scanning methods.
    std::string scanMethodValues()
    {
        std::string values;
        for (const ScanMethodEntry &method : scanMethods())
            values += (values.empty() ? "" : "|") + std::string(method.name);
        return values;
    }

    // Each method's own help, in English; translated piece by piece where it is shown.
    std::string scanMethodHelp()
    {
        std::string help;
        for (const ScanMethodEntry &method : scanMethods())
            help += (help.empty() ? "" : "; ") + std::string(method.help);
        return help;
    }

} // namespace

const std::vector<OptionInfo> &optionTable()
{
    static const std::vector<OptionInfo> options {
        { "scan-time",
            "SECONDS|auto",
            "2",
            WILDCREST_TEXT("Options", "how long each card and suit is offered, 0.5 to 10 seconds; auto learns it from the player's presses") },
        { "mouse-switch", "on|off", "on", WILDCREST_TEXT("Options", "a left click anywhere on the window is the switch too") },
        { "joystick-switch", "on|off", "on", WILDCREST_TEXT("Options", "any button of any joystick or gamepad is the switch too") },
        { "second-switch",
            "none|enter|right-click|button:N|key:NAME",
            "none",
            WILDCREST_TEXT("Options", "a second switch: Return or Enter, the right button, joystick button N (0 to 31), or the key Qt names NAME (key:F8)") },
        { "debounce", "MILLISECONDS", "0", WILDCREST_TEXT("Options", "presses that follow the last one within this time are ignored, 0 to 2000") },
        { "acceptance", "MILLISECONDS", "0", WILDCREST_TEXT("Options", "a press counts only once the switch is held this long, 0 to 2000") },
        { "pause-on-first-offer", "on|off", "off", WILDCREST_TEXT("Options", "the first offer of a turn and of a suit choice lasts twice the scan time") },
        { "highlight", "lift|lift+frame", "lift", WILDCREST_TEXT("Options", "how the offered card is marked: lifted, or lifted and framed") },
        { "sound-cue", "on|off", "off", WILDCREST_TEXT("Options", "a short sound at each new offer") },
        { "speech", "on|off", "off", WILDCREST_TEXT("Options", "offered cards and suits, the computer's plays and the results are spoken") },
        { "scale", "1|1.5|2|2.5|3|fit", "1", WILDCREST_TEXT("Options", "the whole table drawn this many times larger; fit: the largest that fits the screen") },
        { "card-style", "standard|large-index", "standard", WILDCREST_TEXT("Options", "large-index: a big rank and suit in the corners of every card") },
        { "four-colour", "on|off", "off", WILDCREST_TEXT("Options", "spades black, hearts red, diamonds blue and clubs green") },
        { "contrast",
            "standard|high",
            "standard",
            WILDCREST_TEXT("Options", "high: a dark table, light text, marked name plates and the strongest offer frame") },
        { "scan-method", scanMethodValues(), scanMethods().front().name, scanMethodHelp() },
        { "scan-loops", "0|1..10", "0", WILDCREST_TEXT("Options", "after this many passes with no press the scan rests until the next press; 0 never") },
        { "prompts", "on|off", "off", WILDCREST_TEXT("Options", "a plain line on the table says what a press will do when nothing is offered") },
        { "switch-menu",
            "off|long-press",
            "off",
            WILDCREST_TEXT("Options", "long-press: holding the switch opens a menu to pause, change the speed, start a new match or end the game") },
        { "menu-hold", "SECONDS", "3", WILDCREST_TEXT("Options", "how long the switch is held to open the menu, 1.5 to 10 seconds") },
        { "language",
            "auto|en|de|fr|es|nl",
            "auto",
            WILDCREST_TEXT("Options", "the language of the table, the speech and the settings; auto: the desktop's, or English") },
    };
    return options;
}

std::string optionHelp(const OptionInfo &option, const Wording &words)
{
    const std::string whole = words.translate("Options", option.help.c_str());
    if (whole != option.help)
        return whole;
    std::string help;
    for (std::size_t from = 0; from < option.help.size();) {
        const std::size_t end = std::min(option.help.find("; ", from), option.help.size());
        help += (from == 0 ? "" : "; ") + words.translate("Options", option.help.substr(from, end - from).c_str());
        from = end + 2;
    }
    return help;
}

namespace
{

    bool parseSwitch(const std::string &value, bool &out)
    {
        if (value == "on" || value == "true" || value == "yes" || value == "1")
            out = true;
        else if (value == "off" || value == "false" || value == "no" || value == "0")
            out = false;
        else
            return false;
        return true;
    }

    // A whole number within the range, written as digits alone, or nothing.
    bool parseWhole(const std::string &value, long low, long high, long &out)
    {
        std::size_t used = 0;
        long n = 0;
        try {
            n = std::stol(value, &used);
        } catch (const std::logic_error &) {
            return false;
        }
        if (used != value.size() || n < low || n > high)
            return false;
        out = n;
        return true;
    }

    bool parseMilliseconds(const std::string &value, long low, long high, std::chrono::milliseconds &out)
    {
        long n = 0;
        if (!parseWhole(value, low, high, n))
            return false;
        out = std::chrono::milliseconds(n);
        return true;
    }

    // A whole finite number and nothing after it.
    bool parseNumber(const std::string &value, double &out)
    {
        std::size_t used = 0;
        try {
            out = std::stod(value, &used);
        } catch (const std::logic_error &) {
            return false;
        }
        return used != 0 && used == value.size() && std::isfinite(out);
    }

    // One of two named choices: "highlight must be lift or lift+frame, not \"glow\"".
    template <typename T> std::string chooseOne(const std::string &name, const std::string &value, const std::pair<const char *, T> (&choices)[2], T &out)
    {
        for (const auto &[text, choice] : choices)
            if (value == text) {
                out = choice;
                return {};
            }
        return name + " must be " + choices[0].first + " or " + choices[1].first + ", not \"" + value + "\"";
    }

    bool parseSeconds(const std::string &value, double low, double high, std::chrono::milliseconds &out)
    {
        std::size_t used = 0;
        double seconds = 0;
        try {
            seconds = std::stod(value, &used);
        } catch (const std::logic_error &) {
            return false;
        }
        if (used == 0 || used != value.size() || !std::isfinite(seconds) || seconds < low || seconds > high)
            return false;
        out = std::chrono::milliseconds(std::lround(seconds * 1000));
        return true;
    }

    std::string secondsText(std::chrono::milliseconds length)
    {
        std::string text = std::to_string(length.count() / 1000.0);
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
        return text;
    }

    std::string onOff(bool on)
    {
        return on ? "on" : "off";
    }

    bool parseSecondSwitch(const std::string &value, SecondSwitch &out)
    {
        using Kind = SecondSwitch::Kind;
        const auto after = [&](const std::string &prefix) -> std::optional<std::string> {
            if (value.rfind(prefix, 0) != 0)
                return std::nullopt;
            return value.substr(prefix.size());
        };
        if (value == "none")
            out = SecondSwitch {};
        else if (value == "enter")
            out = SecondSwitch { Kind::Enter, 0, {} };
        else if (value == "right-click")
            out = SecondSwitch { Kind::RightClick, 0, {} };
        else if (const auto number = after("button:")) {
            long n = 0;
            if (number->empty() || !std::isdigit(static_cast<unsigned char>(number->front())) || !parseWhole(*number, 0, 31, n))
                return false;
            out = SecondSwitch { Kind::Button, int(n), {} };
        } else if (const auto name = after("key:"); name && !name->empty())
            out = SecondSwitch { Kind::Key, 0, *name };
        else
            return false;
        return true;
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

    // "auto, step, step-dwell or inverse", as an error lists the methods.
    std::string scanMethodList()
    {
        std::string list;
        const auto &methods = scanMethods();
        for (std::size_t i = 0; i < methods.size(); ++i)
            list += (i == 0 ? "" : i + 1 == methods.size() ? " or " : ", ") + std::string(methods[i].name);
        return list;
    }

} // namespace

std::string settingsConflict(const Settings &settings)
{
    const ScanMethodEntry *method = scanMethodNamed(settings.scanMethod);
    if (method && method->needsSecondSwitch && settings.secondSwitch.kind == SecondSwitch::Kind::None)
        return "scan-method=" + settings.scanMethod + " needs a second switch to take the card on offer: set second-switch as well";
    return {};
}

void settleConflict(Settings &settings)
{
    if (!settingsConflict(settings).empty())
        settings.scanMethod = scanMethods().front().name;
}

std::string applySetting(Settings &settings, const std::string &name, const std::string &value)
{
    if (name == "scan-time") {
        if (value == "auto") {
            settings.adaptiveScan = true;
            return {};
        }
        std::chrono::milliseconds length {};
        if (!parseSeconds(value, 0.5, 10, length))
            return "scan-time must be a number of seconds from 0.5 to 10, or auto, not \"" + value + "\"";
        settings.adaptiveScan = false;
        settings.scanTime = length;
        return {};
    }
    if (name == "debounce" || name == "acceptance") {
        std::chrono::milliseconds &out = name == "debounce" ? settings.debounce : settings.acceptance;
        if (!parseMilliseconds(value, 0, 2000, out))
            return name + " must be a whole number of milliseconds from 0 to 2000, not \"" + value + "\"";
        return {};
    }
    if (name == "second-switch") {
        if (!parseSecondSwitch(value, settings.secondSwitch))
            return "second-switch must be none, enter, right-click, button:N (N from 0 to 31) or key:NAME, not \"" + value + "\"";
        return {};
    }
    if (name == "highlight")
        return chooseOne(name, value, { { "lift", Highlight::Lift }, { "lift+frame", Highlight::LiftAndFrame } }, settings.highlight);
    if (name == "scale") {
        if (value == "fit") {
            settings.look.fitScale = true;
            return {};
        }
        double scale = 0;
        if (parseNumber(value, scale))
            for (double s : kTableScales)
                if (scale == s) {
                    settings.look.fitScale = false;
                    settings.look.scale = s;
                    return {};
                }
        return "scale must be 1, 1.5, 2, 2.5, 3 or fit, not \"" + value + "\"";
    }
    if (name == "card-style")
        return chooseOne(name, value, { { "standard", CardStyle::Standard }, { "large-index", CardStyle::LargeIndex } }, settings.look.cardStyle);
    if (name == "contrast")
        return chooseOne(name, value, { { "standard", Contrast::Standard }, { "high", Contrast::High } }, settings.look.contrast);
    if (name == "scan-method") {
        if (scanMethodNamed(value))
            settings.scanMethod = value;
        else
            return "scan-method must be " + scanMethodList() + ", not \"" + value + "\"";
        return {};
    }
    if (name == "menu-hold") {
        if (!parseSeconds(value, 1.5, 10, settings.menuHold))
            return "menu-hold must be a number of seconds from 1.5 to 10, not \"" + value + "\"";
        return {};
    }
    if (name == "switch-menu") {
        if (value != "off" && value != "long-press")
            return "switch-menu must be off or long-press, not \"" + value + "\"";
        settings.longPressMenu = value == "long-press";
        return {};
    }
    if (name == "language") {
        const auto &known = gameLanguages();
        if (value != "auto" && std::find(known.begin(), known.end(), value) == known.end())
            return "language must be auto, en, de, fr, es or nl, not \"" + value + "\"";
        settings.language = value;
        return {};
    }
    if (name == "scan-loops") {
        long n = 0;
        if (!parseWhole(value, 0, 10, n))
            return "scan-loops must be 0 (endless) or a whole number of passes from 1 to 10, not \"" + value + "\"";
        settings.scanLoops = int(n);
        return {};
    }
    bool *flag = name == "mouse-switch"  ? &settings.mouseSwitch
        : name == "joystick-switch"      ? &settings.joystickSwitch
        : name == "pause-on-first-offer" ? &settings.pauseOnFirstOffer
        : name == "sound-cue"            ? &settings.soundCue
        : name == "speech"               ? &settings.speech
        : name == "four-colour"          ? &settings.look.fourColour
        : name == "prompts"              ? &settings.prompts
                                         : nullptr;
    if (!flag)
        return "there is no option " + name;
    if (!parseSwitch(value, *flag))
        return name + " must be on or off, not \"" + value + "\"";
    return {};
}

std::string settingText(const Settings &settings, const std::string &name)
{
    if (name == "scan-time") {
        if (settings.adaptiveScan)
            return "auto";
        return secondsText(settings.scanTime);
    }
    if (name == "menu-hold")
        return secondsText(settings.menuHold);
    if (name == "switch-menu")
        return settings.longPressMenu ? "long-press" : "off";
    if (name == "debounce")
        return std::to_string(settings.debounce.count());
    if (name == "acceptance")
        return std::to_string(settings.acceptance.count());
    if (name == "highlight")
        return settings.highlight == Highlight::Lift ? "lift" : "lift+frame";
    if (name == "mouse-switch")
        return onOff(settings.mouseSwitch);
    if (name == "joystick-switch")
        return onOff(settings.joystickSwitch);
    if (name == "second-switch")
        return secondSwitchText(settings.secondSwitch);
    if (name == "pause-on-first-offer")
        return onOff(settings.pauseOnFirstOffer);
    if (name == "sound-cue")
        return onOff(settings.soundCue);
    if (name == "speech")
        return onOff(settings.speech);
    if (name == "scale")
        return settings.look.fitScale ? "fit" : scaleText(settings.look.scale);
    if (name == "card-style")
        return settings.look.cardStyle == CardStyle::LargeIndex ? "large-index" : "standard";
    if (name == "four-colour")
        return onOff(settings.look.fourColour);
    if (name == "contrast")
        return settings.look.contrast == Contrast::High ? "high" : "standard";
    if (name == "prompts")
        return onOff(settings.prompts);
    if (name == "scan-loops")
        return std::to_string(settings.scanLoops);
    if (name == "language")
        return settings.language;
    if (name == "scan-method")
        return settings.scanMethod;
    throw std::invalid_argument("there is no option " + name);
}

} // namespace wildcrest
