// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/picturepaths.h"

namespace wildcrest
{

std::string facepath(const std::string &appdir, const CardCode &code)
{
    return appdir + "/" + trimmed(code) + ".bmp";
}

std::string picturepath(const std::string &appdir, const std::string &name)
{
    return appdir + name;
}

} // namespace wildcrest
