// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/playerchoice.h"

namespace wildcrest
{

namespace
{
    constexpr Control kTitleLine = label(11); // "[Press any key to start]"
}

std::size_t chooseplayer(TableView &view, Scanning &scan, SwitchWaits &waits, const std::vector<std::string> &names)
{
    std::vector<Offer> offers;
    for (const std::string &name : names)
        offers.push_back({ kTitleLine, name, [&view, name] { view.setCaption(kTitleLine, name); }, [] {} });
    return scan.choose(waits, offers); // the name taken stays, until the deal hides the title
}

} // namespace wildcrest
