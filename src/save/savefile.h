// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "save/savedmatch.h"

#include <chrono>
#include <optional>
#include <string>

namespace wildcrest
{

// Where a match is kept: in $XDG_DATA_HOME/wildcrest (~/.local/share/wildcrest),
// match.save for the player with no name, players/NAME.save for a named player
// against the computer, and for two players at one table pairs/TOP.save or
// pairs/BOTTOM/TOP.save. `environment` reads a variable (std::getenv).
std::string savePath(const std::string &player, const std::string &opponent, const char *(*environment)(const char *));

// Writes `text` to `path` whole or not at all: into a file beside it, flushed
// to the disk, then renamed over it; makes the folders. Returns what went wrong, or "".
std::string writeWhole(const std::string &path, const std::string &text);

// The save found at the start: none, a match to offer, or one that cannot be
// played, which has been moved aside (to PATH.damaged-YYYYMMDD-HHMMSS) so
// that it is said once and never played.
struct FoundSave {
    std::optional<SavedMatch> saved;
    std::string message; // English: which file, what was wrong with it, and where it is now
};
FoundSave findSave(const std::string &path, std::chrono::system_clock::time_point now);

} // namespace wildcrest
