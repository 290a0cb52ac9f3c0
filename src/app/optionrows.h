// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/options.h"
#include "app/optiontext.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <type_traits>
#include <vector>

namespace wildcrest
{

// The builders of the option table's rows: each writes the option's text form
// both ways and its row in the dialog from one description.

// Where an option lives in Settings, directly or in its table look. Made
// implicitly, so that a row names the member alone: &Settings::speech.
template <typename T> class Field
{
public:
    Field(T Settings::*member)
        : member_(member)
    {
    }
    Field(T TableLook::*member)
        : lookMember_(member)
    {
    }
    T &of(Settings &settings) const
    {
        return member_ ? settings.*member_ : settings.look.*lookMember_;
    }
    const T &of(const Settings &settings) const
    {
        return member_ ? settings.*member_ : settings.look.*lookMember_;
    }

private:
    T Settings::*member_ = nullptr;
    T TableLook::*lookMember_ = nullptr;
};

// The dialog's label and, for a check box, its own text; both marked in context "SettingsDialog".
struct Shown {
    const char *label;
    const char *text = "";
    DialogGroup group = DialogGroup::Play;
};

// One value of a choice: its text, what it sets, and the dialog's item for it.
template <typename T> struct Choice {
    std::string value;
    T is;
    std::string label;
};

// `name` must be `what`, not "value": the error every option gives.
std::string refusal(const std::string &name, const std::string &what, const std::string &value);
// A row whose dialog editor is `kind`, with the label and text of `shown`.
OptionEditor editorOf(EditorKind kind, const Shown &shown);

// on|off, a check box in the dialog.
OptionInfo onOff(const std::string &name, Field<bool> field, const char *help, const Shown &shown);
// A whole number of milliseconds from 0 to 2000.
OptionInfo milliseconds(const std::string &name, Field<std::chrono::milliseconds> field, const char *help, const Shown &shown);
// A number of seconds from low to high.
OptionInfo seconds(const std::string &name, Field<std::chrono::milliseconds> field, double low, double high, const char *help, const Shown &shown);
// A whole number from low to high; `what` says it in an error ("a whole number of passes from 1 to 10").
OptionInfo whole(const std::string &name, Field<int> field, long low, long high, const std::string &what, const char *help, const Shown &shown);

// One of the values of `choices`, a list in the dialog.
template <typename T> OptionInfo choice(const std::string &name, Field<T> field, std::vector<Choice<T>> choices, std::string help, const Shown &shown)
{
    OptionInfo option { name, {}, {}, std::move(help), {}, {}, editorOf(EditorKind::Choice, shown) };
    std::vector<std::string> values;
    for (const Choice<T> &choice : choices) {
        values.push_back(choice.value);
        option.editor.items.push_back(ChoiceItem { choice.value, choice.label });
    }
    option.values = alternatives(values);
    option.read = [name, field, choices, list = listOf(values)](Settings &settings, const std::string &value) -> std::string {
        const auto it = std::find_if(choices.begin(), choices.end(), [&](const Choice<T> &c) { return c.value == value; });
        if (it == choices.end())
            return refusal(name, list, value);
        field.of(settings) = it->is;
        return {};
    };
    option.write = [field, choices](const Settings &settings) -> std::string {
        if constexpr (std::is_same_v<T, std::string>)
            return field.of(settings); // as it stands, even a name no longer known
        else {
            const auto it = std::find_if(choices.begin(), choices.end(), [&](const Choice<T> &c) { return c.is == field.of(settings); });
            return it == choices.end() ? choices.front().value : it->value;
        }
    };
    return option;
}

// A choice of two shown as a check box: unchecked is its first value, checked its second.
OptionInfo asCheckBox(OptionInfo option);
// The same option, greyed out in the dialog while the on/off option `by` is off.
OptionInfo enabledBy(const std::string &by, OptionInfo option);

} // namespace wildcrest
