#include "app/gameform.h"
#include "app/speeds.h"

namespace wildcrest
{

Moment GameForm::scantime() const
{
    return settings.adaptiveScan ? adaptive.current() : Moment(settings.scanTime);
}

// The first offer of a turn or of a suit choice may be held twice as long, so
// the player can find it.
Moment GameForm::offerlength(int offer) const
{
    return offer == 1 && settings.pauseOnFirstOffer ? 2 * scantime() : scantime();
}

// High contrast always frames the offer: it is that look's strongest mark.
bool GameForm::framesoffer() const
{
    return settings.highlight == Highlight::LiftAndFrame || settings.look.contrast == Contrast::High;
}

void GameForm::showoffer(Control c, const std::string &spoken)
{
    view_.focusOffer(c);
    if (framesoffer())
        view_.markOffer(c);
    if (settings.soundCue)
        view_.cue();
    announce(spoken);
}

void GameForm::endoffer()
{
    view_.focusOffer(std::nullopt);
    if (framesoffer())
        view_.markOffer(std::nullopt);
}

void GameForm::announce(const std::string &text)
{
    if (settings.speech)
        view_.say(text);
}

// Holds offer number `offer` of a scan for its time; says whether the switch
// took it, and tells the learnt scan time when its press came.
bool GameForm::holdoffer(int offer, Control c, const std::string &spoken)
{
    showoffer(c, spoken);
    const Moment start = view_.now();
    const bool taken = pacingdelay(true, offerlength(offer));
    if (taken)
        adaptive.pressed(view_.now() - start, offer > 1);
    endoffer();
    return taken;
}

} // namespace wildcrest
