// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "language/wording.h"
#include "switch/eventloop.h"
#include "table/playeraids.h"
#include "table/screenreadernews.h"
#include "table/tabledrawing.h"

#include <stdexcept>
#include <string>

namespace wildcrest
{

// A picture file that is missing or unreadable; the program ends with its path.
class PictureError : public std::runtime_error
{
public:
    explicit PictureError(const std::string &path)
        : std::runtime_error("cannot load the picture " + path)
        , path_(path)
    {
    }
    const std::string &path() const
    {
        return path_;
    }

private:
    std::string path_;
};

// The words of the table's language, in which the game writes its captions and speaks.
class TableWords
{
public:
    virtual ~TableWords() = default;
    virtual const Wording &words() const
    {
        return englishWording();
    }
};

// The whole window as the game logic sees it, one part for each concern: the
// named controls, the events and the clock, the player's aids, the news for a
// screen reader and the words.
// The Qt window implements it for players, the headless view for tests; a
// piece of the game is handed only the part it uses.
class TableView : public TableDrawing, public EventLoop, public PlayerAids, public ScreenReaderNews, public TableWords
{
};

} // namespace wildcrest
