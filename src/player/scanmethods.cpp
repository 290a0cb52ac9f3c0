// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/scanmethod.h"

namespace wildcrest
{

// The registry: one line a method. Each entry is defined in its method's file.
#define WILDCREST_SCAN_METHODS(METHOD)                                                                                                                         \
    METHOD(kAutoScan)                                                                                                                                          \
    METHOD(kStepScan)                                                                                                                                          \
    METHOD(kStepDwellScan)                                                                                                                                     \
    METHOD(kInverseScan)                                                                                                                                       \
    METHOD(kTwoStepScan)                                                                                                                                       \
    /* a new method: one line above this one */

#define WILDCREST_DECLARE(entry) extern const ScanMethodEntry entry;
WILDCREST_SCAN_METHODS(WILDCREST_DECLARE)
#undef WILDCREST_DECLARE

const std::vector<ScanMethodEntry> &scanMethods()
{
#define WILDCREST_LIST(entry) entry,
    static const std::vector<ScanMethodEntry> methods { WILDCREST_SCAN_METHODS(WILDCREST_LIST) };
#undef WILDCREST_LIST
    return methods;
}

const ScanMethodEntry *scanMethodNamed(const std::string &name)
{
    for (const ScanMethodEntry &method : scanMethods())
        if (name == method.name)
            return &method;
    return nullptr;
}

} // namespace wildcrest
