// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/picture.h"

namespace wildcrest
{

std::string Picture::fileName() const
{
    switch (kind) {
    case Kind::Face:
        return "/" + card.code() + ".bmp";
    case Kind::SuitChoice: // the four eights of the suit choice are spelled with an upper-case extension
        return "/" + card.code() + ".BMP";
    case Kind::Back:
        return "/Back.bmp";
    case Kind::Empty:
        return "/Empty.bmp";
    case Kind::Moving:
        return "/Card.bmp";
    case Kind::None:
        break;
    }
    return {};
}

} // namespace wildcrest
