// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/qt/speech.h"

#include <libspeechd.h>

#include <condition_variable>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <optional>
#include <thread>

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
};

namespace
{

    constexpr auto kGoodbyeWait = std::chrono::milliseconds(300);

    SPDConnection *open()
    {
        char *error = nullptr;
        // Started by itself where speech-dispatcher is installed but not yet running.
        SPDConnection *connection = spd_open2("wildcrest", "game", nullptr, SPD_MODE_SINGLE, nullptr, 1, &error);
        if (!connection)
            std::cerr << "wildcrest: no speech (" << (error ? error : "speech-dispatcher cannot be reached") << "); playing on without it" << std::endl;
        std::free(error);
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
                if (spd_say(connection, SPD_TEXT, text.c_str()) < 0) {
                    std::cerr << "wildcrest: speech-dispatcher stopped answering; playing on without speech" << std::endl;
                    spd_close(connection);
                    connection = nullptr;
                    lost = true;
                }
            }

            lock.lock();
            shared->speaking = false;
            if (lost) {
                // Nothing more is said this run.
                shared->failed = true;
                shared->pending.reset();
            }
            shared->changed.notify_all();
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
}

Speech::~Speech()
{
    std::unique_lock lock(shared_->mutex);
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

bool Speech::settled(std::chrono::milliseconds within) const
{
    std::unique_lock lock(shared_->mutex);
    return shared_->changed.wait_for(lock, within, [&] { return !shared_->pending && !shared_->speaking; });
}

} // namespace wildcrest
