// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "player/scanning.h"
#include "settings/settings.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace wildcrest
{

class ScanRoom;

// One way of reaching a choice with the switch. Each lives in a file of its
// own, with its entry in the registry (scanmethods.cpp).
class ScanMethod
{
public:
    virtual ~ScanMethod() = default;
    // Offers `offers` until one is taken and returns its index; it stays on show.
    virtual std::size_t choose(ScanRoom &room, SwitchWaits &waits, const std::vector<Offer> &offers) = 0;
};

// A scanning method as the option scan-method names it, with the help that
// --help, the manual and the settings dialog show for it.
struct ScanMethodEntry {
    const char *name; // the option's value: "step-dwell"
    const char *help; // marked for the translators, context "Options"
    const char *label; // the settings dialog's item, context "SettingsDialog"
    bool needsSecondSwitch; // the second switch takes the offer: refused without one
    std::unique_ptr<ScanMethod> (*make)(const Settings &settings);
};

// Every method, in the order the help and the dialog list them; the first is the default.
const std::vector<ScanMethodEntry> &scanMethods();
// The method of that name, or nullptr.
const ScanMethodEntry *scanMethodNamed(const std::string &name);

} // namespace wildcrest
