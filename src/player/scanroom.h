#pragma once

#include "app/scanning.h"
#include "app/settings.h"
#include "player/adaptivescan.h"
#include "player/scanmethod.h"
#include "table/tableview.h"

#include <memory>

namespace wildcrest
{

// The scanning room of one player: the settings that shape the scan, the scan
// time learnt from the presses, the aids that mark, sound and speak an offer,
// and the scanning method the settings name.
//
//     ScanRoom scan(view, settings);
//     GameForm game(view, random, appdir, scan);
class ScanRoom : public Scanning
{
public:
    explicit ScanRoom(TableView &view, Settings settings = {});

    // How the game is tuned for its player; set before the game's load.
    Settings settings;
    AdaptiveScan adaptive;

    void tune(SwitchInput &switches) const override;
    Moment scantime() const override;
    std::size_t choose(GameForm &game, const std::vector<Offer> &offers) override;
    void waitforpress(GameForm &game, Await what) override;
    void pause(GameForm &game) override;
    void announce(const std::string &text) override;
    void endTurn() override;

    // For the methods: an offer is put on show with the aids, and taken off
    // again; the mark alone comes off a taken offer, which stays on show.
    void present(const Offer &offer);
    void withdraw(const Offer &offer);
    void unmark();
    // Sleeps until a press of either switch counts.
    void waitforswitch(GameForm &game);
    // How long offer number `offer` of a choice is held.
    Moment offerlength(int offer) const;
    // Holds offer number `offer` for its time; says whether a press took it.
    bool hold(GameForm &game, int offer, const Offer &shown);
    // The scan has rested: a plain sign says so until a press starts it again.
    void rest(GameForm &game);
    TableView &view()
    {
        return view_;
    }

private:
    std::unique_ptr<ScanMethod> method() const;

    TableView &view_;
};

} // namespace wildcrest
