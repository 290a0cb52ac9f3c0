// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/look.h"

#include "table/controls.h"
#include "table/layout.h"

#include <algorithm>
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

double fitScale(int availableWidth, int availableHeight)
{
    double best = kTableScales[0];
    for (double s : kTableScales)
        if (std::lround(kWindowWidth * s / kTwipsPerPixel) <= availableWidth && std::lround(kWindowHeight * s / kTwipsPerPixel) <= availableHeight)
            best = s;
    return best;
}

double scaleOnScreen(const TableLook &look, int availableWidth, int availableHeight)
{
    const double largest = fitScale(availableWidth, availableHeight);
    return look.fitScale ? largest : std::min(look.scale, largest);
}

double pictureScaleFor(double pixelScale)
{
    constexpr double kSlack = 1e-6; // 1.5 x 2 must find 3, not 4
    for (double s : kPictureScales)
        if (s + kSlack >= pixelScale)
            return s;
    return std::size(kPictureScales) ? kPictureScales[std::size(kPictureScales) - 1] : 1;
}

bool ownPictures(const TableLook &look, double pictureScale)
{
    return pictureScale == 1 && look.standardCards() && look.contrast == Contrast::Standard;
}

} // namespace wildcrest
