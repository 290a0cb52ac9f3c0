// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "save/savedmatch.h"

#include <ostream>
#include <string>

namespace wildcrest
{

// Where the turn loop hands the match after every turn, and says when there
// is no match to keep any more (it ended, or a new one was asked for).
class MatchKeeper
{
public:
    virtual ~MatchKeeper() = default;
    // `turn` holds the table, the side to move, the generator and the computer's memory.
    virtual void keep(const SavedMatch &turn) = 0;
    virtual void forget() = 0;
};

// Keeps the match in a file, whole or not at all: the text is written beside
// it, flushed to the disk and renamed over it. `shape` gives the settings that
// shaped the play; a failure to write is told once on `warnings`, and the game
// plays on.
class FileKeeper : public MatchKeeper
{
public:
    FileKeeper(std::string path, const SavedMatch &shape, std::ostream &warnings);
    void keep(const SavedMatch &turn) override;
    void forget() override;

private:
    std::string path_;
    SavedMatch saved_;
    std::ostream &warnings_;
    bool told_ = false;
};

} // namespace wildcrest
