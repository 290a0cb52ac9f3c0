// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/options.h"

#include "app/customoptions.h"
#include "app/optionrows.h"
#include "app/optiontext.h"
#include "language/wording.h"
#include "player/scanmethod.h"

#include <algorithm>
#include <stdexcept>

namespace wildcrest
{

namespace
{

    using Group = DialogGroup;

    // The option table, one row for each option, in stretches for their
    // length; together they are in the order of the usage text.
    std::vector<OptionInfo> switchAndOfferOptions()
    {
        return {
            scanTimeOption(),
            onOff("mouse-switch",
                &Settings::mouseSwitch,
                WILDCREST_TEXT("Options", "a left click anywhere on the window is the switch too"),
                { WILDCREST_TEXT("SettingsDialog", "&Mouse:"), WILDCREST_TEXT("SettingsDialog", "A left click is the switch") }),
            onOff("joystick-switch",
                &Settings::joystickSwitch,
                WILDCREST_TEXT("Options", "any button of any joystick or gamepad is the switch too"),
                { WILDCREST_TEXT("SettingsDialog", "&Joystick:"), WILDCREST_TEXT("SettingsDialog", "Any joystick or gamepad button is the switch") }),
            secondSwitchOption(),
            milliseconds("debounce",
                &Settings::debounce,
                WILDCREST_TEXT("Options", "presses that follow the last one within this time are ignored, 0 to 2000"),
                { WILDCREST_TEXT("SettingsDialog", "&Debounce:") }),
            milliseconds("acceptance",
                &Settings::acceptance,
                WILDCREST_TEXT("Options", "a press counts only once the switch is held this long, 0 to 2000"),
                { WILDCREST_TEXT("SettingsDialog", "&Acceptance time:") }),
            onOff("pause-on-first-offer",
                &Settings::pauseOnFirstOffer,
                WILDCREST_TEXT("Options", "the first offer of a turn and of a suit choice lasts twice the scan time"),
                { WILDCREST_TEXT("SettingsDialog", "&First offer:"), WILDCREST_TEXT("SettingsDialog", "Twice as long") }),
            choice<Highlight>("highlight",
                &Settings::highlight,
                { { "lift", Highlight::Lift, WILDCREST_TEXT("SettingsDialog", "Lifted") },
                    { "lift+frame", Highlight::LiftAndFrame, WILDCREST_TEXT("SettingsDialog", "Lifted and framed") } },
                WILDCREST_TEXT("Options", "how the offered card is marked: lifted, or lifted and framed"),
                { WILDCREST_TEXT("SettingsDialog", "&Highlight:") }),
            onOff("sound-cue",
                &Settings::soundCue,
                WILDCREST_TEXT("Options", "a short sound at each new offer"),
                { WILDCREST_TEXT("SettingsDialog", "S&ound at each offer:"), WILDCREST_TEXT("SettingsDialog", "A short sound") }),
            onOff("speech",
                &Settings::speech,
                WILDCREST_TEXT("Options", "offered cards and suits, the computer's plays and the results are spoken"),
                { WILDCREST_TEXT("SettingsDialog", "S&peech:"), WILDCREST_TEXT("SettingsDialog", "Speak offers, plays and results") }),
            enabledBy("speech",
                onOff("speech-pacing",
                    &Settings::speechPacing,
                    WILDCREST_TEXT("Options", "with speech, an offer's time starts only once its name has been spoken to the end"),
                    { WILDCREST_TEXT("SettingsDialog", "Speech pacing:"), WILDCREST_TEXT("SettingsDialog", "Wait for each name to be spoken") })),
            choice<bool>("time-left",
                &Settings::timeLeftBar,
                { { "off", false, WILDCREST_TEXT("SettingsDialog", "Not shown") },
                    { "bar", true, WILDCREST_TEXT("SettingsDialog", "A bar under the offer that empties") } },
                WILDCREST_TEXT("Options", "bar: a bar under the card, suit or menu item on offer empties over the time it is offered"),
                { WILDCREST_TEXT("SettingsDialog", "Time left:") }),
        };
    }

    std::vector<OptionInfo> tableLookOptions()
    {
        return {
            scaleOption(),
            choice<CardStyle>("card-style",
                &TableLook::cardStyle,
                { { "standard", CardStyle::Standard, WILDCREST_TEXT("SettingsDialog", "Standard") },
                    { "large-index", CardStyle::LargeIndex, WILDCREST_TEXT("SettingsDialog", "Large rank and suit in the corners") } },
                WILDCREST_TEXT("Options", "large-index: a big rank and suit in the corners of every card"),
                { WILDCREST_TEXT("SettingsDialog", "&Cards:"), "", Group::Look }),
            onOff("four-colour",
                &TableLook::fourColour,
                WILDCREST_TEXT("Options", "spades black, hearts red, diamonds blue and clubs green"),
                { "", WILDCREST_TEXT("SettingsDialog", "Four colours: diamonds blue, clubs green"), Group::Look }),
            choice<Contrast>("contrast",
                &TableLook::contrast,
                { { "standard", Contrast::Standard, WILDCREST_TEXT("SettingsDialog", "Standard") },
                    { "high", Contrast::High, WILDCREST_TEXT("SettingsDialog", "High: dark table, light text") } },
                WILDCREST_TEXT("Options", "high: a dark table, light text, marked name plates and the strongest offer frame"),
                { WILDCREST_TEXT("SettingsDialog", "Co&ntrast:"), "", Group::Look }),
        };
    }

    std::vector<OptionInfo> scanAndMenuOptions()
    {
        return {
            scanMethodOption(),
            scanLoopsOption(),
            onOff("prompts",
                &Settings::prompts,
                WILDCREST_TEXT("Options", "a plain line on the table says what a press will do when nothing is offered"),
                { WILDCREST_TEXT("SettingsDialog", "P&rompts:"), WILDCREST_TEXT("SettingsDialog", "Say what a press will do") }),
            asCheckBox(choice<bool>("switch-menu",
                &Settings::longPressMenu,
                { { "off", false, {} }, { "long-press", true, {} } },
                WILDCREST_TEXT("Options", "long-press: holding the switch opens a menu to pause, change the speed, start a new match or end the game"),
                { WILDCREST_TEXT("SettingsDialog", "Switch m&enu:"), WILDCREST_TEXT("SettingsDialog", "A long press opens the menu") })),
            enabledBy("switch-menu",
                seconds("menu-hold",
                    &Settings::menuHold,
                    1.5,
                    10,
                    WILDCREST_TEXT("Options", "how long the switch is held to open the menu, 1.5 to 10 seconds"),
                    { WILDCREST_TEXT("SettingsDialog", "Menu &hold:") })),
            choice<std::string>("computer",
                &Settings::computer,
                { { "gentle", "gentle", WILDCREST_TEXT("SettingsDialog", "Gentle: easy to beat") },
                    { "standard", "standard", WILDCREST_TEXT("SettingsDialog", "Standard") },
                    { "clever", "clever", WILDCREST_TEXT("SettingsDialog", "Clever: plays well") } },
                WILDCREST_TEXT("Options", "how the computer plays: gentle for a beginner, standard, or clever"),
                { WILDCREST_TEXT("SettingsDialog", "Compu&ter:") }),
            languageOption(),
        };
    }

    // Two players at one computer, each with their own switch and settings.
    std::vector<OptionInfo> sharedTableOptions()
    {
        return {
            playerSwitchOption(),
            opponentOption(),
            choice<Hands>("hands",
                &Settings::hands,
                { { "handover", Hands::Handover, WILDCREST_TEXT("SettingsDialog", "Handed over: both face down between turns") },
                    { "open", Hands::Open, WILDCREST_TEXT("SettingsDialog", "Open: both face up") } },
                WILDCREST_TEXT("Options", "with two players: handover shows the backs of both hands between turns; open keeps both face up"),
                { WILDCREST_TEXT("SettingsDialog", "Hands between t&urns:") }),
            onOff("narration",
                &Settings::narration,
                WILDCREST_TEXT("Options", "a line on the table says what just happened"),
                { WILDCREST_TEXT("SettingsDialog", "Narration:"), WILDCREST_TEXT("SettingsDialog", "Say what just happened") }),
            choice<Resume>("resume",
                &Settings::resume,
                { { "ask", Resume::Ask, WILDCREST_TEXT("SettingsDialog", "Ask on the title") },
                    { "always", Resume::Always, WILDCREST_TEXT("SettingsDialog", "Always go on with it") },
                    { "never", Resume::Never, WILDCREST_TEXT("SettingsDialog", "Never: a new match each time") } },
                WILDCREST_TEXT(
                    "Options", "a match left unfinished is saved after every turn; at the next start: ask on the title, always go on with it, or never"),
                { WILDCREST_TEXT("SettingsDialog", "Unfinished match:") }),
        };
    }

    // What is kept for the therapist, and the rest offered when the player tires.
    std::vector<OptionInfo> recordOptions()
    {
        return {
            onOff("record",
                &Settings::record,
                WILDCREST_TEXT("Options", "every press and offer is kept on this computer, for the therapist's report (wildcrest --record)"),
                { WILDCREST_TEXT("SettingsDialog", "Record:"), WILDCREST_TEXT("SettingsDialog", "Keep a record of switch use on this computer") }),
            onOff("rest-offer",
                &Settings::restOffer,
                WILDCREST_TEXT("Options", "when the presses show the player tiring, a rest is offered until the next press"),
                { WILDCREST_TEXT("SettingsDialog", "Rest:"), WILDCREST_TEXT("SettingsDialog", "Offer a rest when the player tires") }),
        };
    }

} // namespace

const std::vector<OptionInfo> &optionTable()
{
    static const std::vector<OptionInfo> options = [] {
        std::vector<OptionInfo> rows;
        for (auto stretch : { switchAndOfferOptions, tableLookOptions, scanAndMenuOptions, sharedTableOptions, recordOptions })
            for (OptionInfo &row : stretch())
                rows.push_back(std::move(row));
        for (OptionInfo &row : rows)
            row.defaultValue = row.write(Settings {});
        return rows;
    }();
    return options;
}

const OptionInfo *optionNamed(const std::string &name)
{
    const auto &options = optionTable();
    const auto it = std::find_if(options.begin(), options.end(), [&](const OptionInfo &o) { return o.name == name; });
    return it == options.end() ? nullptr : &*it;
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
    const OptionInfo *option = optionNamed(name);
    if (!option)
        return "there is no option " + name;
    return option->read(settings, value);
}

std::string settingText(const Settings &settings, const std::string &name)
{
    const OptionInfo *option = optionNamed(name);
    if (!option)
        throw std::invalid_argument("there is no option " + name);
    return option->write(settings);
}

} // namespace wildcrest
