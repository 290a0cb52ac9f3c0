// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "watchedview.h"

#include <QWidget>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace wildcrest::bench
{

// Posts a press of Space to `window`, as the window system would deliver it.
void postPress(QWidget *window);

// Presses the switch from its own thread, as a key from the window system
// arrives while the game sleeps or spins: a timestamp, then the press.
class Presser
{
public:
    // `press` runs on the presser's thread; by default a posted key press.
    Presser(QWidget &window, WatchedView &view, std::function<void()> press = {})
        : window_(window)
        , view_(view)
        , press_(press ? std::move(press) : [this] { postPress(&window_); })
        , thread_([this] { run(); })
    {
    }
    ~Presser()
    {
        {
            std::lock_guard lock(mutex_);
            quit_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }
    void pressAfter(std::chrono::microseconds delay)
    {
        {
            std::lock_guard lock(mutex_);
            delay_ = delay;
        }
        wake_.notify_one();
    }

private:
    void run()
    {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return quit_ || delay_; });
            if (quit_)
                return;
            const auto delay = *std::exchange(delay_, std::nullopt);
            lock.unlock();
            std::this_thread::sleep_for(delay);
            view_.pressed(Clock::now());
            press_();
            lock.lock();
        }
    }

    QWidget &window_;
    WatchedView &view_;
    std::function<void()> press_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<std::chrono::microseconds> delay_;
    bool quit_ = false;
    std::thread thread_;
};

} // namespace wildcrest::bench
