// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/options.h"

#include <cstdlib>

namespace wildcrest::fuzzing
{

// A broken promise is a crash, which libFuzzer keeps as the input that made it.
inline void check(bool ok)
{
    if (!ok)
        std::abort();
}

// Every value taken reads back as itself: nothing out of range slipped through.
inline void everyValueReadsBack(const Settings &settings)
{
    for (const OptionInfo &option : optionTable()) {
        Settings again;
        check(applySetting(again, option.name, settingText(settings, option.name)).empty());
        check(settingText(again, option.name) == settingText(settings, option.name));
    }
}

} // namespace wildcrest::fuzzing
