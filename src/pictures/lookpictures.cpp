// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookpictures.h"

#include "cardfaces.h"
#include "titleart.h"

namespace wildcrest::pictures
{

namespace
{

    // Everything but the moving card: the title screen's first.
    LookPictures::Drawn drawTheRest(PictureLook card)
    {
        LookPictures::Drawn drawn;
        drawn["Title"] = titleArt(card.scale);
        drawn["Logo"] = makerLogo(card.scale);
        drawn["Banner"] = banner(card.scale);
        drawn["Back"] = cardBack(card);
        for (Suit suit : kSuits)
            for (char rank : kRanks)
                drawn[cardCode(rank, suit).toStdString()] = cardFace(rank, suit, card);
        drawn["Empty"] = emptyPlace(card);
        return drawn;
    }

} // namespace

LookPictures::LookPictures(const PictureLook &card)
{
    rest_ = std::async(std::launch::async, drawTheRest, card).share();
    first_["Card"] = movingCard(card);
}

LookPictures::~LookPictures()
{
    rest_.wait();
}

QImage LookPictures::picture(const std::string &path) const
{
    const std::size_t slash = path.find_last_of('/');
    const std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string name = file.substr(0, file.find_last_of('.'));
    if (const auto found = first_.find(name); found != first_.end())
        return found->second;
    const Drawn &rest = rest_.get();
    const auto found = rest.find(name);
    return found == rest.end() ? QImage() : found->second;
}

} // namespace wildcrest::pictures
