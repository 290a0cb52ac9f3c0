#include "app/gameform.h"
#include "table/layout.h"

#include <stdexcept>

namespace wildcrest {

void GameForm::turnloop()
{
    for (;;) {
        showcounter();
        reset = kFalse;
        drew = kFalse;
        hitkey = kFalse;
        view_.setBackColour(Label2, kRed);
        view_.setBackColour(Label3, kBlack);
        selection();
        if (reset == kTrue) {
            turnended();
            continue;
        }
        recordtopcard();
        turnended();
        view_.yield();

        showcounter();
        reset = kFalse;
        drew = kFalse;
        view_.setBackColour(Label3, kRed);
        view_.setBackColour(Label2, kBlack);
        computerturn();
        if (reset == kTrue) {
            turnended();
            continue;
        }
        recordtopcard();
        turnended();
        view_.yield();
    }
}

// A played card goes on the record by its real code (the eight itself, not the
// named suit). A draw leaves the pile, and so the record, exactly as it was.
void GameForm::recordtopcard()
{
    if (drew == kTrue)
        return;
    if (backdeckplace < 1 || backdeckplace > kDeckSize)
        throw std::logic_error("the pile record has no place " + std::to_string(backdeckplace));
    if (!real8.empty()) {
        backdeck[backdeckplace] = real8;
        real8.clear();
    } else {
        backdeck[backdeckplace] = curcard;
    }
    ++backdeckplace;
}

void GameForm::turnended()
{
    if (turnEnd_)
        turnEnd_(*this);
}

void GameForm::showcounter()
{
    view_.setCaption(Label16, std::to_string(cardsleft()));
}

} // namespace wildcrest
