// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/resumeoffer.h"

#include "player/playerchoice.h"
#include "save/savefile.h"

#include <filesystem>

namespace wildcrest
{

std::string goOnText(const SavedMatch &saved, const SavedMatchStart &start, const Wording &words)
{
    const std::string bottom = start.bottom.empty() ? words.translate("Title", "you") : start.bottom;
    const std::string top = start.top.empty() ? words.translate("Title", "computer") : start.top;
    return fill(words.translate("Title", "Go on with the match: round %1 of 5, %2 %3, %4 %5"),
        { std::to_string(saved.match.gamecount), bottom, std::to_string(saved.match.playerscore), top, std::to_string(saved.match.cpuscore) });
}

bool startSavedMatch(GameForm &game, const SavedMatchStart &start, std::ostream &warnings)
{
    if (start.newMatch || start.resume == Resume::Never)
        return false;
    const FoundSave found = findSave(start.path, std::chrono::system_clock::now());
    TableView &view = game.view();
    const Wording &words = view.words();
    if (!found.message.empty()) {
        warnings << "wildcrest: " << found.message << std::endl;
        const std::string line = fill(words.translate("Title", "The saved match %1 could not be played and is put aside. [Press any key to start]"),
            { std::filesystem::path(start.path).filename().string() });
        view.setCaption(label(11), line);
        game.scan().announce(line);
        // Said until a press, even where the title's press was made already.
        game.scan().waitforpress(game.waits(), Await::Title);
        game.skipTitle();
        return false;
    }
    if (!found.saved)
        return false;
    if (start.resume == Resume::Ask) {
        const std::vector<std::string> choices { goOnText(*found.saved, start, words), words.translate("Title", "New match") };
        try {
            if (chooseplayer(view, game.scan(), game.waits(), choices) != 0) {
                game.skipTitle();
                return false;
            }
        } catch (const NewMatchWanted &) { // the switch menu's "New match"
            std::error_code error;
            std::filesystem::remove(start.path, error);
            game.skipTitle();
            return false;
        }
    }
    game.resume(*found.saved);
    return true;
}

} // namespace wildcrest
