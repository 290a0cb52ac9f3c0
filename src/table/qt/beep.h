// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

struct ca_context;

namespace wildcrest
{

// The end-of-match alert: the sound theme's "bell" through libcanberra, or the
// display's own beep where there is no sound device. Never fails, never waits.
class Bell
{
public:
    Bell() = default;
    Bell(const Bell &) = delete;
    Bell &operator=(const Bell &) = delete;
    ~Bell();

    void ring();
    // The short "message" sound of a new offer; silent where there is no sound device.
    void cue();

private:
    bool playThemeSound(const char *eventId, const char *description);

    ca_context *context_ = nullptr;
    // After a cue found no sound device, the next is tried only a minute later:
    // offers come every few seconds, and each try costs the sound system's complaints.
    std::chrono::steady_clock::time_point nextCueTry_ {};
};

} // namespace wildcrest
