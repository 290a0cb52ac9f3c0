// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "language/wording.h"
#include "settings/settings.h"

#include <QString>

#include <ostream>
#include <string>
#include <vector>

namespace wildcrest
{

// Settings files are a few hundred bytes; one larger than this is refused whole.
constexpr qint64 kMaxSettingsFileBytes = 64 * 1024;

// Where the person who sets up the computer keeps the player's settings:
// $XDG_CONFIG_HOME/wildcrest/wildcrest.conf, or ~/.config/wildcrest/wildcrest.conf.
QString settingsFilePath();

// Something in the settings file that the game does not take, and what it
// plays with instead.
struct SettingsProblem {
    std::vector<int> lines; // the lines of the file it is about, from 1; none: the file as a whole
    const char *what = ""; // English, marked for the translators in context "SettingsFile"
    std::vector<std::string> args; // the %1, %2 ... of `what`, as the file and the options write them
};
// The problem in the language of `words`, its lines first:
// "line 4: scan-time: scan-time must be ..., not "abc"; using the default 2".
std::string problemText(const SettingsProblem &problem, const Wording &words);

// Takes every good value of the INI file at `path` over `settings`, and
// returns what it did not take, each problem once, in the order of the file.
// A file that is not there changes nothing; with a bad value, an unknown key
// or an unreadable file the setting keeps what it had. Options that cannot go
// together (step scanning without a second switch) are put back to their
// defaults, unless `settle` is false because the command line may still mend
// them.
std::vector<SettingsProblem> readSettingsFile(const QString &path, Settings &settings, bool settle = true);
// The same, each problem told on `warnings` as a line "wildcrest: PATH: line 4: ...".
void readSettingsFile(const QString &path, Settings &settings, std::ostream &warnings, bool settle = true);

// Writes every option to the file, making its folder; returns what went wrong, or "".
std::string writeSettingsFile(const QString &path, const Settings &settings);

// What the command line asks for.
struct CommandLine {
    // Report: the record's report window (--record); ExportRecord: its rows as
    // CSV to `exportFile`; ForgetRecord: the player's record deleted.
    enum class Then { Play, EditSettings, Report, ExportRecord, ForgetRecord, Exit };
    Then then = Then::Play;
    int status = 0; // the exit status, for Exit
    Settings settings;
    QString file; // the settings file read: the player's, or the one of the player with no name
    std::vector<SettingsProblem> fileProblems; // what it did not take, told on `err` as well
    std::string player; // --player's name; "" for the player with no name
    std::string exportFile; // --export-record's file
    // The player of the top hand, when the settings name one rather than the computer.
    std::string opponent; // "" for the computer
    Settings opponentSettings; // read from their own file; its problems told on `err`
    // Two or more named players and no --player: the title offers their names,
    // and the command line is read again with --player=NAME added.
    bool choosePlayer = false;
    // --new-match: a saved match is neither offered nor gone on with.
    bool newMatch = false;
};

// Reads the settings file (the player's own with --player=NAME), then the
// options of `args` (without the program's name) over it, then the file of
// the opponent they name. --help and --version are answered on `out`; a bad
// option ends with its message and the usage on `err` and status 2, as does any
// word that is not an option, a player with no file, and two players at the
// table naming the same switch. Qt's own arguments (-platform offscreen, ...)
// are left to it.
CommandLine readCommandLine(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

// The usage text: every option with its values, default and meaning.
std::string usageText(const Wording &words = englishWording());

} // namespace wildcrest
