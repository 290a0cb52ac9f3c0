// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/look.h"

#include "table/controls.h"
#include "table/layout.h"

#include <cmath>
#include <cstdio>

namespace wildcrest
{

std::string scaleText(double scale)
{
    char text[16];
    std::snprintf(text, sizeof text, "%g", scale);
    return text;
}

std::string cardSetName(CardStyle style, bool fourColour)
{
    if (style == CardStyle::LargeIndex)
        return fourColour ? "large-index+four-colour" : "large-index";
    return fourColour ? "four-colour" : "standard";
}

double fitScale(int availableWidth, int availableHeight)
{
    double best = kTableScales[0];
    for (double s : kTableScales)
        if (std::lround(kWindowWidth * s / kTwipsPerPixel) <= availableWidth && std::lround(kWindowHeight * s / kTwipsPerPixel) <= availableHeight)
            best = s;
    return best;
}

double pictureScaleFor(double pixelScale)
{
    constexpr double kSlack = 1e-6; // 1.5 x 2 must find 3, not 4
    for (double s : kPictureScales)
        if (s + kSlack >= pixelScale)
            return s;
    return std::size(kPictureScales) ? kPictureScales[std::size(kPictureScales) - 1] : 1;
}

namespace
{

    // A card code such as "QH" or "8D": rank then suit.
    bool isFace(const std::string &stem)
    {
        static const std::string ranks = "A23456789TJQK";
        static const std::string suits = "SCHD";
        return stem.size() == 2 && ranks.find(stem[0]) != std::string::npos && suits.find(stem[1]) != std::string::npos;
    }

} // namespace

std::string lookPicturePath(const std::string &path, const TableLook &look, double pictureScale)
{
    if (pictureScale == 1 && look.standardCards() && look.contrast == Contrast::Standard)
        return path;
    const std::size_t slash = path.find_last_of('/');
    const std::string dir = slash == std::string::npos ? std::string(".") : path.substr(0, slash);
    const std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string stem = file.substr(0, file.find_last_of('.'));
    std::string scaled = dir + "/x" + scaleText(pictureScale) + "/";
    if (isFace(stem))
        scaled += cardSetName(look.cardStyle, look.fourColour) + "/";
    return scaled + stem + ".png";
}

} // namespace wildcrest
