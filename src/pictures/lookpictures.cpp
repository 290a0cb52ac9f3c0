// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookpictures.h"

#include "cardfaces.h"
#include "titleart.h"

namespace wildcrest::pictures
{

LookPictures::LookPictures(const TableLook &look, double pictureScale)
{
    PictureLook card;
    card.scale = pictureScale;
    card.transparent = true;
    card.largeIndex = look.cardStyle == CardStyle::LargeIndex;
    card.fourColour = look.fourColour;
    for (Suit suit : kSuits)
        for (char rank : kRanks)
            drawn_[cardCode(rank, suit).toStdString()] = cardFace(rank, suit, card);
    drawn_["Back"] = cardBack(card);
    drawn_["Card"] = movingCard(card);
    drawn_["Empty"] = emptyPlace(card);
    drawn_["Title"] = titleArt(pictureScale);
    drawn_["Logo"] = makerLogo(pictureScale);
    drawn_["Banner"] = banner(pictureScale);
}

QImage LookPictures::picture(const std::string &path) const
{
    const std::size_t slash = path.find_last_of('/');
    const std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    const auto found = drawn_.find(file.substr(0, file.find_last_of('.')));
    return found == drawn_.end() ? QImage() : found->second;
}

} // namespace wildcrest::pictures
