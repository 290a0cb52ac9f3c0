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

// Takes every good value of the INI file at `path` over `settings`. A file that
// is not there changes nothing; a bad value, an unknown key or an unreadable
// file is told once on `warnings`, and the setting keeps what it had. Options
// that cannot go together (step scanning without a second switch) are told and
// put back to their defaults, unless `settle` is false because the command
// line may still mend them.
void readSettingsFile(const QString &path, Settings &settings, std::ostream &warnings, bool settle = true);

// Writes every option to the file, making its folder; returns what went wrong, or "".
std::string writeSettingsFile(const QString &path, const Settings &settings);

// What the command line asks for.
struct CommandLine {
    enum class Then { Play, EditSettings, Exit };
    Then then = Then::Play;
    int status = 0; // the exit status, for Exit
    Settings settings;
    QString file; // the settings file read
};

// Reads the settings file, then the options of `args` (without the program's
// name) over it. --help and --version are answered on `out`; a bad option ends
// with its message and the usage on `err` and status 2. Arguments that do not
// start with "--" are left to Qt.
CommandLine readCommandLine(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

// The usage text: every option with its values, default and meaning.
std::string usageText(const Wording &words = englishWording());

} // namespace wildcrest
