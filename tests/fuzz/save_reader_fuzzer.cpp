// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a saved match: read without a crash, a hang or a leak, and a
// save that is taken writes back as the same text and reads back as the same match.
#include "fuzzcheck.h"
#include "save/savedmatch.h"

#include <cstdint>
#include <string_view>

using namespace wildcrest;
using namespace wildcrest::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const SaveReading reading = readSave(std::string_view(reinterpret_cast<const char *>(data), size));
    check(reading.saved.has_value() == reading.problem.empty());
    if (!reading.saved)
        return 0;
    const std::string text = saveText(*reading.saved);
    check(text == std::string_view(reinterpret_cast<const char *>(data), size));
    const SaveReading again = readSave(text);
    check(again.saved && again.saved->match == reading.saved->match && again.saved->tomove == reading.saved->tomove
        && again.saved->random == reading.saved->random && again.saved->memory == reading.saved->memory);
    return 0;
}
