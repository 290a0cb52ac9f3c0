// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/customoptions.h"

#include "app/optionrows.h"
#include "app/optiontext.h"
#include "player/scanmethod.h"

#include <algorithm>
#include <iterator>

namespace wildcrest
{

namespace
{

    // Each language by its own name, as its speakers look for it.
    std::string ownName(const std::string &language)
    {
        for (const auto &[code, name] : { std::pair { "en", "English" },
                 std::pair { "de", "Deutsch" },
                 std::pair { "fr", "Français" },
                 std::pair { "es", "Español" },
                 std::pair { "nl", "Nederlands" } })
            if (language == code)
                return name;
        return language;
    }

} // namespace

OptionInfo scanTimeOption()
{
    OptionInfo option = seconds("scan-time",
        &Settings::scanTime,
        0.5,
        10,
        WILDCREST_TEXT("Options", "how long each card and suit is offered, 0.5 to 10 seconds; auto learns it from the player's presses"),
        { WILDCREST_TEXT("SettingsDialog", "&Scan time:"), WILDCREST_TEXT("SettingsDialog", "Learn it from the player's presses") });
    option.values = "SECONDS|auto";
    option.read = [](Settings &settings, const std::string &value) -> std::string {
        if (value == "auto") {
            settings.adaptiveScan = true;
            return {};
        }
        const std::optional<std::chrono::milliseconds> length = parseSeconds(value, 0.5, 10);
        if (!length)
            return refusal("scan-time", "a number of seconds from 0.5 to 10, or auto", value);
        settings.adaptiveScan = false;
        settings.scanTime = *length;
        return {};
    };
    option.write = [](const Settings &settings) { return settings.adaptiveScan ? "auto" : secondsText(settings.scanTime); };
    option.editor.kind = EditorKind::SecondsOrAuto;
    option.editor.step = 0.25;
    return option;
}

OptionInfo secondSwitchOption()
{
    OptionInfo option { "second-switch",
        "none|enter|right-click|button:N|key:NAME",
        {},
        WILDCREST_TEXT("Options", "a second switch: Return or Enter, the right button, joystick button N (0 to 31), or the key Qt names NAME (key:F8)"),
        {},
        {},
        editorOf(EditorKind::SecondSwitch, { WILDCREST_TEXT("SettingsDialog", "Second s&witch:") }) };
    option.read = [](Settings &settings, const std::string &value) -> std::string {
        const std::optional<SecondSwitch> second = parseSecondSwitch(value);
        if (!second)
            return refusal("second-switch", "none, enter, right-click, button:N (N from 0 to 31) or key:NAME", value);
        settings.secondSwitch = *second;
        return {};
    };
    option.write = [](const Settings &settings) { return secondSwitchText(settings.secondSwitch); };
    return option;
}

OptionInfo playerSwitchOption()
{
    OptionInfo option { "switch",
        "any|key:NAME|button:N|right-click",
        {},
        WILDCREST_TEXT("Options",
            "this player's own switch when two play at one computer: any input another player does not name, the key Qt names NAME, joystick "
            "button N (0 to 31), or the right button"),
        {},
        {},
        editorOf(EditorKind::PlayerSwitch, { WILDCREST_TEXT("SettingsDialog", "Own sw&itch:") }) };
    option.read = [](Settings &settings, const std::string &value) -> std::string {
        const std::optional<PlayerSwitch> own = parsePlayerSwitch(value);
        if (!own)
            return refusal("switch", "any, key:NAME, button:N (N from 0 to 31) or right-click", value);
        settings.playerSwitch = *own;
        return {};
    };
    option.write = [](const Settings &settings) { return playerSwitchText(settings.playerSwitch); };
    return option;
}

OptionInfo opponentOption()
{
    OptionInfo option { "opponent",
        "computer|NAME",
        {},
        WILDCREST_TEXT("Options", "who plays the top hand: the computer, or the player NAME with the settings of their own file"),
        {},
        {},
        editorOf(EditorKind::Opponent, { WILDCREST_TEXT("SettingsDialog", "Top hand played &by:") }) };
    option.read = [](Settings &settings, const std::string &value) -> std::string {
        // A name is only ever a file in the players' folder: nothing that reaches out of it.
        // What else a name may hold is the players' own rule, checked where the files are.
        const bool pathLike = value.find_first_of("/\\") != std::string::npos || value.rfind('.', 0) == 0 || value.find("..") != std::string::npos;
        if (value.empty() || pathLike)
            return refusal("opponent", "computer or the name of a player", value);
        settings.opponent = value;
        return {};
    };
    option.write = [](const Settings &settings) { return settings.opponent; };
    return option;
}

OptionInfo scaleOption()
{
    std::vector<Choice<double>> sizes;
    for (double scale : kTableScales)
        sizes.push_back({ scaleText(scale), scale, scaleText(scale) + " \u00D7" });
    OptionInfo option = choice<double>("scale",
        &TableLook::scale,
        sizes,
        WILDCREST_TEXT("Options", "the whole table drawn this many times larger; fit: the largest that fits the screen"),
        { WILDCREST_TEXT("SettingsDialog", "Table si&ze:"), "", DialogGroup::Look });
    option.values += "|fit";
    option.editor.items.push_back({ "fit", WILDCREST_TEXT("SettingsDialog", "As large as the screen allows") });
    // Any way of writing one of the sizes: "2.50" is 2.5.
    option.read = [](Settings &settings, const std::string &value) -> std::string {
        if (value == "fit") {
            settings.look.fitScale = true;
            return {};
        }
        const std::optional<double> scale = parseNumber(value);
        if (!scale || std::find(std::begin(kTableScales), std::end(kTableScales), *scale) == std::end(kTableScales))
            return refusal("scale", "1, 1.5, 2, 2.5, 3 or fit", value);
        settings.look.fitScale = false;
        settings.look.scale = *scale;
        return {};
    };
    option.write = [](const Settings &settings) { return settings.look.fitScale ? "fit" : scaleText(settings.look.scale); };
    return option;
}

OptionInfo scanMethodOption()
{
    std::vector<Choice<std::string>> methods;
    std::string help;
    for (const ScanMethodEntry &method : scanMethods()) {
        methods.push_back({ method.name, method.name, method.label });
        help += (help.empty() ? "" : "; ") + std::string(method.help); // translated piece by piece where it is shown
    }
    return choice<std::string>("scan-method", &Settings::scanMethod, methods, help, { WILDCREST_TEXT("SettingsDialog", "S&canning:") });
}

OptionInfo languageOption()
{
    std::vector<Choice<std::string>> languages { { "auto", "auto", WILDCREST_TEXT("SettingsDialog", "The desktop's language") } };
    for (const std::string &code : gameLanguages())
        languages.push_back({ code, code, ownName(code) });
    return choice<std::string>("language",
        &Settings::language,
        languages,
        WILDCREST_TEXT("Options", "the language of the table, the speech and the settings; auto: the desktop's, or English"),
        { WILDCREST_TEXT("SettingsDialog", "Lan&guage:"), "", DialogGroup::Language });
}

OptionInfo scanLoopsOption()
{
    OptionInfo option = whole("scan-loops",
        &Settings::scanLoops,
        0,
        10,
        "0 (endless) or a whole number of passes from 1 to 10",
        WILDCREST_TEXT("Options", "after this many passes with no press the scan rests until the next press; 0 never"),
        { WILDCREST_TEXT("SettingsDialog", "Scan &loops:") });
    option.editor.lowText = WILDCREST_TEXT("SettingsDialog", "Endless");
    option.editor.suffix = WILDCREST_TEXT("SettingsDialog", " passes");
    return option;
}

} // namespace wildcrest
