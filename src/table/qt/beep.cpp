// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/qt/beep.h"

#include <QApplication>

#include <alsa/asoundlib.h>
#include <canberra.h>

#include <atomic>
#include <cstdarg>
#include <cstdio>

namespace wildcrest
{

namespace
{

    std::atomic_flag soundTroubleSaid = ATOMIC_FLAG_INIT;

    // Said once in a run: a device that has gone stays gone, and a line for
    // every offer would bury everything else the game has to say.
    void sayOnce(const char *why)
    {
        if (!soundTroubleSaid.test_and_set())
            std::fprintf(stderr, "wildcrest: sound: %s; the offer cue and the match-end bell may be silent\n", why);
    }

    // ALSA, which libcanberra plays through, writes several lines for every
    // sound it cannot play, and from libcanberra's own threads; they come here.
    void alsaTrouble(const char *, int, const char *, int, const char *format, ...)
    {
        char text[256];
        va_list args;
        va_start(args, format);
        std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
        sayOnce(text);
    }

} // namespace

Bell::Bell()
    : soundThread_([this] { run(); })
{
}

Bell::~Bell()
{
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    soundThread_.join();
    if (context_)
        stopSounds();
}

// libcanberra plays each sound from a thread inside its sound driver, and
// destroying the context unloads the driver while such a thread may still be
// finishing, even after it has said the sound ended. So the context is never
// destroyed: the sounds still playing are cancelled and waited for (a second
// at most), and the context and its driver stay until the program ends.
void Bell::stopSounds()
{
    ca_context_cancel(context_, kSoundId);
    std::unique_lock<std::mutex> lock(mutex_);
    finished_.wait_for(lock, std::chrono::seconds(1), [this] { return playing_ == 0; });
}

void Bell::soundFinished(ca_context *, std::uint32_t, int, void *bell)
{
    Bell &self = *static_cast<Bell *>(bell);
    {
        const std::lock_guard<std::mutex> lock(self.mutex_);
        --self.playing_;
    }
    self.finished_.notify_all();
}

void Bell::play(Sound sound)
{
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        // A cue still waiting to be played says all a second one would.
        if (sound == Sound::Cue && !waiting_.empty() && waiting_.back() == Sound::Cue)
            return;
        waiting_.push_back(sound);
    }
    wake_.notify_one();
}

void Bell::run()
{
    for (;;) {
        Sound sound;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
            if (stopping_)
                return;
            sound = waiting_.front();
            waiting_.pop_front();
        }
        if (sound == Sound::Bell) {
            if (!playThemeSound("bell", "Match over"))
                QMetaObject::invokeMethod(
                    qApp, [] { QApplication::beep(); }, Qt::QueuedConnection);
            continue;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= nextCueTry_ && !playThemeSound("message", "Offer"))
            nextCueTry_ = now + std::chrono::minutes(1);
    }
}

bool Bell::playThemeSound(const char *eventId, const char *description)
{
    if (!context_) {
        snd_lib_error_set_handler(alsaTrouble);
        if (const int error = ca_context_create(&context_); error != CA_SUCCESS) {
            sayOnce(ca_strerror(error));
            context_ = nullptr;
            return false;
        }
        ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "Wildcrest", NULL);
    }
    ca_proplist *properties = nullptr;
    ca_proplist_create(&properties);
    ca_proplist_sets(properties, CA_PROP_EVENT_ID, eventId);
    ca_proplist_sets(properties, CA_PROP_EVENT_DESCRIPTION, description);
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        ++playing_;
    }
    // It only starts the sound, and tells soundFinished when it has ended.
    const int error = ca_context_play_full(context_, kSoundId, properties, soundFinished, this);
    ca_proplist_destroy(properties);
    if (error == CA_SUCCESS)
        return true;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        --playing_; // a sound that failed to start is never told finished
    }
    sayOnce(ca_strerror(error));
    return false;
}

void Bell::ring()
{
    play(Sound::Bell);
}

void Bell::cue()
{
    play(Sound::Cue);
}

} // namespace wildcrest
