// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/qt/speech.h"

#include <libspeechd.h>

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace wildcrest
{

// What the game's thread and the speaking thread share: the speaking thread
// holds it too, so it outlives a Speech whose thread is stuck in the server.
struct Speech::Shared {
    mutable std::mutex mutex;
    mutable std::condition_variable changed;
    std::optional<std::string> pending; // handed over, not yet begun
    std::string language;
    bool speaking = false;
    bool stopping = false;
    bool failed = false;
    bool threadStarted = false;
    bool threadEnded = false;
    std::uint64_t said = 0; // texts handed over so far: the last one's number
    std::optional<std::chrono::microseconds> heard; // when text number `said` ended
    std::uint64_t messageSerial = 0; // the text the server's message is
    long messageId = -1; // the server's number for it
    std::function<void()> wake;

    // Text `serial`, the server's message `id`, ended at `at`: if it is the last one handed over, it is heard.
    void ended(std::uint64_t serial, std::chrono::microseconds at)
    {
        std::function<void()> waking;
        {
            std::lock_guard lock(mutex);
            if (serial != said || heard)
                return;
            heard = at;
            waking = wake;
        }
        if (waking)
            waking();
    }
};

namespace
{

    constexpr auto kGoodbyeWait = std::chrono::milliseconds(300);

    std::chrono::microseconds steadyNow()
    {
        return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch());
    }

    // The server's end and cancel notifications come on libspeechd's own thread,
    // naming only the message: they are matched here to the Speech that said it.
    // An end may come before spd_say has given the speaking thread its number.
    struct Ends {
        std::mutex mutex;
        std::vector<std::weak_ptr<Speech::Shared>> speeches;
        std::deque<std::pair<long, std::chrono::microseconds>> recent; // message, when it ended
    };
    Ends &ends()
    {
        static Ends *all = new Ends; // never destroyed: a notification may come as the program ends
        return *all;
    }

    void messageEnded(size_t id, size_t, SPDNotificationType)
    {
        const auto at = steadyNow();
        std::vector<std::shared_ptr<Speech::Shared>> speeches;
        {
            Ends &all = ends();
            std::lock_guard lock(all.mutex);
            all.recent.emplace_back(long(id), at);
            if (all.recent.size() > 32)
                all.recent.pop_front();
            for (const auto &weak : all.speeches)
                if (auto speech = weak.lock())
                    speeches.push_back(std::move(speech));
        }
        for (const auto &speech : speeches) {
            std::uint64_t serial = 0;
            {
                std::lock_guard lock(speech->mutex);
                if (speech->messageId != long(id))
                    continue;
                serial = speech->messageSerial;
            }
            speech->ended(serial, at);
        }
    }

    // The server took text `serial` as message `id`: its end is awaited, or has come already.
    void messageQueued(const std::shared_ptr<Speech::Shared> &shared, std::uint64_t serial, long id)
    {
        std::optional<std::chrono::microseconds> endedAt;
        {
            Ends &all = ends();
            std::lock_guard lock(all.mutex);
            {
                std::lock_guard own(shared->mutex);
                shared->messageId = id;
                shared->messageSerial = serial;
            }
            for (const auto &[message, at] : all.recent)
                if (message == id)
                    endedAt = at;
        }
        if (endedAt)
            shared->ended(serial, *endedAt);
    }

    SPDConnection *open()
    {
        char *error = nullptr;
        // Started by itself where speech-dispatcher is installed but not yet
        // running. Threaded, so that the server's notifications come as they happen.
        SPDConnection *connection = spd_open2("wildcrest", "game", nullptr, SPD_MODE_THREADED, nullptr, 1, &error);
        if (!connection)
            std::cerr << "wildcrest: no speech (" << (error ? error : "speech-dispatcher cannot be reached") << "); playing on without it" << std::endl;
        std::free(error);
        if (connection) {
            connection->callback_end = messageEnded;
            connection->callback_cancel = messageEnded;
            spd_set_notification_on(connection, SPD_END);
            spd_set_notification_on(connection, SPD_CANCEL);
        }
        return connection;
    }

    // The speaking thread: each text in turn, the newest only, until the Speech goes.
    void speak(std::shared_ptr<Speech::Shared> shared)
    {
        SPDConnection *connection = nullptr;
        std::unique_lock lock(shared->mutex);
        for (;;) {
            shared->changed.wait(lock, [&] { return shared->stopping || shared->pending; });
            if (shared->stopping)
                break;
            const std::string text = std::move(*shared->pending);
            const std::string language = shared->language;
            const std::uint64_t serial = shared->said;
            shared->pending.reset();
            shared->speaking = true;
            lock.unlock();

            if (!connection && !shared->failed) {
                connection = open();
                if (connection && !language.empty())
                    spd_set_language(connection, language.c_str());
            }
            bool lost = !connection;
            if (connection) {
                spd_cancel(connection);
                const int id = spd_say(connection, SPD_TEXT, text.c_str());
                if (id < 0) {
                    std::cerr << "wildcrest: speech-dispatcher stopped answering; playing on without speech" << std::endl;
                    spd_close(connection);
                    connection = nullptr;
                    lost = true;
                } else
                    messageQueued(shared, serial, id);
            }

            lock.lock();
            shared->speaking = false;
            std::function<void()> waking;
            if (lost) {
                // Nothing more is said this run, and nothing is waited for.
                shared->failed = true;
                shared->pending.reset();
                waking = shared->wake;
            }
            shared->changed.notify_all();
            if (waking) {
                lock.unlock();
                waking();
                lock.lock();
            }
        }
        lock.unlock();
        if (connection)
            spd_close(connection);
        lock.lock();
        shared->threadEnded = true;
        shared->changed.notify_all();
    }

} // namespace

Speech::Speech()
    : shared_(std::make_shared<Shared>())
{
    Ends &all = ends();
    std::lock_guard lock(all.mutex);
    std::erase_if(all.speeches, [](const auto &weak) { return weak.expired(); });
    all.speeches.push_back(shared_);
}

Speech::~Speech()
{
    std::unique_lock lock(shared_->mutex);
    shared_->wake = nullptr;
    if (!shared_->threadStarted)
        return;
    shared_->stopping = true;
    shared_->changed.notify_all();
    shared_->changed.wait_for(lock, kGoodbyeWait, [&] { return shared_->threadEnded; });
}

void Speech::say(const std::string &text)
{
    std::lock_guard lock(shared_->mutex);
    if (shared_->failed)
        return;
    shared_->pending = text;
    ++shared_->said;
    shared_->heard.reset();
    if (!shared_->threadStarted) {
        shared_->threadStarted = true;
        // Detached: it holds what it shares, and one stuck in a silent server must not hold up the end.
        std::thread(speak, shared_).detach();
    }
    shared_->changed.notify_all();
}

void Speech::setLanguage(const std::string &language)
{
    std::lock_guard lock(shared_->mutex);
    shared_->language = language;
}

bool Speech::available() const
{
    std::lock_guard lock(shared_->mutex);
    return !shared_->failed;
}

std::optional<std::chrono::microseconds> Speech::heardToEnd() const
{
    std::lock_guard lock(shared_->mutex);
    if (shared_->failed)
        return std::chrono::microseconds { 0 };
    return shared_->heard;
}

void Speech::onHeard(std::function<void()> wake)
{
    std::lock_guard lock(shared_->mutex);
    shared_->wake = std::move(wake);
}

bool Speech::settled(std::chrono::milliseconds within) const
{
    std::unique_lock lock(shared_->mutex);
    return shared_->changed.wait_for(lock, within, [&] { return !shared_->pending && !shared_->speaking; });
}

} // namespace wildcrest
