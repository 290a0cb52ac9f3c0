// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/optionrows.h"

#include <cmath>

namespace wildcrest
{

std::string refusal(const std::string &name, const std::string &what, const std::string &value)
{
    return name + " must be " + what + ", not \"" + value + "\"";
}

OptionEditor editorOf(EditorKind kind, const Shown &shown)
{
    OptionEditor editor;
    editor.kind = kind;
    editor.group = shown.group;
    editor.label = shown.label;
    editor.text = shown.text;
    return editor;
}

OptionInfo onOff(const std::string &name, Field<bool> field, const char *help, const Shown &shown)
{
    OptionInfo option { name, "on|off", {}, help, {}, {}, editorOf(EditorKind::OnOff, shown) };
    option.read = [name, field](Settings &settings, const std::string &value) -> std::string {
        const std::optional<bool> on = parseSwitch(value);
        if (!on)
            return refusal(name, "on or off", value);
        field.of(settings) = *on;
        return {};
    };
    option.write = [field](const Settings &settings) -> std::string { return field.of(settings) ? "on" : "off"; };
    option.editor.items = { { "off", {} }, { "on", {} } };
    return option;
}

OptionInfo milliseconds(const std::string &name, Field<std::chrono::milliseconds> field, const char *help, const Shown &shown)
{
    OptionInfo option { name, "MILLISECONDS", {}, help, {}, {}, editorOf(EditorKind::Whole, shown) };
    option.read = [name, field](Settings &settings, const std::string &value) -> std::string {
        const std::optional<long> n = parseWhole(value, 0, 2000);
        if (!n)
            return refusal(name, "a whole number of milliseconds from 0 to 2000", value);
        field.of(settings) = std::chrono::milliseconds(*n);
        return {};
    };
    option.write = [field](const Settings &settings) { return std::to_string(field.of(settings).count()); };
    option.editor.high = 2000;
    option.editor.step = 50;
    option.editor.suffix = WILDCREST_TEXT("SettingsDialog", " ms");
    return option;
}

OptionInfo seconds(const std::string &name, Field<std::chrono::milliseconds> field, double low, double high, const char *help, const Shown &shown)
{
    OptionInfo option { name, "SECONDS", {}, help, {}, {}, editorOf(EditorKind::Seconds, shown) };
    const std::string range = "a number of seconds from " + secondsText(std::chrono::milliseconds(std::lround(low * 1000))) + " to "
        + secondsText(std::chrono::milliseconds(std::lround(high * 1000)));
    option.read = [name, field, low, high, range](Settings &settings, const std::string &value) -> std::string {
        const std::optional<std::chrono::milliseconds> length = parseSeconds(value, low, high);
        if (!length)
            return refusal(name, range, value);
        field.of(settings) = *length;
        return {};
    };
    option.write = [field](const Settings &settings) { return secondsText(field.of(settings)); };
    option.editor.low = low;
    option.editor.high = high;
    option.editor.step = 0.5;
    option.editor.suffix = WILDCREST_TEXT("SettingsDialog", " s");
    return option;
}

OptionInfo whole(const std::string &name, Field<int> field, long low, long high, const std::string &what, const char *help, const Shown &shown)
{
    const std::string values = std::to_string(low) + "|" + std::to_string(low + 1) + ".." + std::to_string(high);
    OptionInfo option { name, values, {}, help, {}, {}, editorOf(EditorKind::Whole, shown) };
    option.read = [name, field, low, high, what](Settings &settings, const std::string &value) -> std::string {
        const std::optional<long> n = parseWhole(value, low, high);
        if (!n)
            return refusal(name, what, value);
        field.of(settings) = int(*n);
        return {};
    };
    option.write = [field](const Settings &settings) { return std::to_string(field.of(settings)); };
    option.editor.low = double(low);
    option.editor.high = double(high);
    return option;
}

OptionInfo asCheckBox(OptionInfo option)
{
    option.editor.kind = EditorKind::OnOff;
    return option;
}

OptionInfo enabledBy(const std::string &by, OptionInfo option)
{
    option.editor.enabledBy = by;
    return option;
}

} // namespace wildcrest
