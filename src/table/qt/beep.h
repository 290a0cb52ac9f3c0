// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>

struct ca_context;

namespace wildcrest
{

// The end-of-match alert: the sound theme's "bell" through libcanberra, or the
// display's own beep where there is no sound device. Never fails, never waits:
// the sounds are played from a thread of their own, so that opening the device
// and decoding a sound never hold up the offers.
class Bell
{
public:
    Bell();
    Bell(const Bell &) = delete;
    Bell &operator=(const Bell &) = delete;
    ~Bell();

    void ring();
    // The short "message" sound of a new offer; silent where there is no sound device.
    void cue();

private:
    enum class Sound { Bell, Cue };
    void play(Sound sound);
    void run();
    bool playThemeSound(const char *eventId, const char *description);
    void stopSounds();
    static void soundFinished(ca_context *, std::uint32_t id, int error, void *bell);
    static constexpr std::uint32_t kSoundId = 1;

    // Only the sound thread touches these.
    ca_context *context_ = nullptr;
    // After a cue found no sound device, the next is tried only a minute later:
    // offers come every few seconds, and each try costs the sound system's complaints.
    std::chrono::steady_clock::time_point nextCueTry_ {};

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Sound> waiting_;
    bool stopping_ = false;
    std::condition_variable finished_;
    int playing_ = 0; // sounds started and not yet told finished
    std::thread soundThread_;
};

} // namespace wildcrest
