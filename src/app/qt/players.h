// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "language/wording.h"

#include <QString>

#include <string>
#include <vector>

namespace wildcrest
{

// Players who keep settings of their own, each in players/NAME.conf beside the
// settings file (which stays the settings of the player with no name).
constexpr std::size_t kLongestPlayerName = 40;

// What is wrong with `name` as a player's name (empty, too long, a slash, a
// dot at its start, a character that is not printable), or "" when it can be one.
std::string playerNameProblem(const std::string &name);
// The same in the language of `words`.
std::string playerNameProblem(const std::string &name, const Wording &words);
// The folder of the players' files: the settings file's folder + "/players".
QString playersFolder();
// The settings file of the player `name`; "" is the player with no name (settingsFilePath()).
QString playerFilePath(const std::string &name);
// The named players, by their files, in alphabetical order.
std::vector<std::string> playerNames();
// What stops `name` being played: a bad name, or no file (the players there
// are named), or "" when the player has a file.
std::string playerProblem(const std::string &name);
// Renames the player's file; returns what went wrong, or "". Refuses a bad new
// name and one already taken.
std::string renamePlayer(const std::string &from, const std::string &to);
// Deletes the player's file; returns what went wrong, or "".
std::string deletePlayer(const std::string &name);

} // namespace wildcrest
