// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "language/wording.h"
#include "settings/settings.h"

#include <functional>
#include <string>
#include <vector>

namespace wildcrest
{

// How the settings dialog edits an option.
enum class EditorKind {
    OnOff, // a check box: unchecked is the first item's value, checked the second's
    Choice, // a list of the items
    Whole, // a whole number from low to high
    Seconds, // seconds with two decimals, from low to high
    SecondsOrAuto, // seconds, and below them a check box (`text`) for "auto"
    SecondSwitch, // the second switch's kind, with the button's number or the key's name
    PlayerSwitch, // the player's own switch: any, or a key, a button or the right click
    Opponent, // the computer or one of the named players
};

// The settings dialog shows its rows group by group, in this order; within a
// group they keep the order of the options.
enum class DialogGroup { Play, Look, Language };

// One value of an option as the dialog offers it.
struct ChoiceItem {
    std::string value; // as the file writes it: "lift+frame"
    std::string label; // the dialog's item, context "SettingsDialog"
};

// An option's row in the settings dialog. Its texts are English, marked for
// the translators in context "SettingsDialog".
struct OptionEditor {
    EditorKind kind = EditorKind::OnOff;
    DialogGroup group = DialogGroup::Play;
    const char *label = ""; // the form's label, with its accelerator ("&Mouse:"); "" for none
    const char *text = ""; // the check box's own text
    std::vector<ChoiceItem> items; // Choice; OnOff: unchecked, checked
    double low = 0, high = 0, step = 1; // Whole, Seconds, SecondsOrAuto
    const char *suffix = ""; // after the number: " ms"
    const char *lowText = ""; // shown for the lowest number instead of it: "Endless"
    std::string enabledBy; // an on/off option that greys this one out while it is off
};

// One option: its name in the file and on the command line, its text form
// both ways, and its row in the settings dialog.
struct OptionInfo {
    std::string name; // "scan-time": key in the file, --scan-time on the command line
    std::string values; // what it takes, for the usage text
    std::string defaultValue; // as `write` gives it for the default settings
    std::string help; // marked for the translators, context "Options"
    // Sets the option from its text; returns what is wrong with the text, or ""
    // when it was taken. A refused text leaves the settings as they were.
    std::function<std::string(Settings &, const std::string &)> read;
    // The option's text, as `read` takes it back.
    std::function<std::string(const Settings &)> write;
    OptionEditor editor;
};
// Every option, in the order the usage text and the manual list them.
const std::vector<OptionInfo> &optionTable();
// The option of that name, or nullptr.
const OptionInfo *optionNamed(const std::string &name);
// The option's help in the language of `words`; a help made of several
// pieces ("auto: ...; step: ...") is translated piece by piece.
std::string optionHelp(const OptionInfo &option, const Wording &words);

// Sets one option from its text; returns what is wrong with the value, or "" when it was taken.
std::string applySetting(Settings &settings, const std::string &name, const std::string &value);
// The text form of an option's current value, as applySetting reads it back.
std::string settingText(const Settings &settings, const std::string &name);
// What is wrong with the options taken together (step scanning needs a second
// switch), or "" when nothing is; the option at fault is named in the text.
std::string settingsConflict(const Settings &settings);
// Puts the options at fault back to their defaults.
void settleConflict(Settings &settings);

} // namespace wildcrest
