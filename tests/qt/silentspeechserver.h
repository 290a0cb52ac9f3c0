// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QTemporaryDir>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <optional>
#include <cstring>
#include <mutex>
#include <string>
#include <strings.h>
#include <thread>
#include <vector>
#include <deque>

namespace wildcrest::testing
{

// Points speech-dispatcher's clients (SPEECHD_ADDRESS) at a socket for as long as
// it lives: one where nobody listens, one that takes the connection and then
// never says a word, or one that answers every command as the server does and
// keeps the lines it was sent; that one may also report the end of each text
// some time after it was queued, as the server does when asked to (notification
// on), and a cancel of the texts not yet ended.
class SpeechServerAddress
{
public:
    SpeechServerAddress()
        : saved_(qgetenv("SPEECHD_ADDRESS"))
    {
    }
    ~SpeechServerAddress()
    {
        if (listener_ >= 0)
            ::shutdown(listener_, SHUT_RDWR);
        if (const int client = client_; client >= 0)
            ::shutdown(client, SHUT_RDWR);
        if (answering_.joinable())
            answering_.join();
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        due_.notify_all();
        if (reporting_.joinable())
            reporting_.join();
        if (listener_ >= 0)
            ::close(listener_);
        if (saved_.isNull())
            qunsetenv("SPEECHD_ADDRESS");
        else
            qputenv("SPEECHD_ADDRESS", saved_);
    }
    SpeechServerAddress(const SpeechServerAddress &) = delete;
    SpeechServerAddress &operator=(const SpeechServerAddress &) = delete;

    void pointAt(const std::string &socketPath)
    {
        qputenv("SPEECHD_ADDRESS", QByteArray::fromStdString("unix_socket:" + socketPath));
    }
    void listenSilently()
    {
        listen();
    }

    // Answers one client: "OK" to each command, and to the text after SPEAK
    // the queued message's number; with `endsAfter`, each message is reported
    // ended that long after it was queued, unless cancelled first.
    void listenAndAnswer(std::optional<std::chrono::milliseconds> endsAfter = std::nullopt)
    {
        listen();
        if (endsAfter)
            reporting_ = std::thread([this, after = *endsAfter] { reportEnds(after); });
        answering_ = std::thread([this] {
            const int client = ::accept(listener_, nullptr, nullptr);
            if (client < 0)
                return;
            client_ = client;
            std::string pending;
            bool text = false;
            char buffer[4096];
            for (ssize_t n; (n = ::read(client, buffer, sizeof buffer)) > 0;) {
                pending.append(buffer, std::size_t(n));
                for (std::size_t end; (end = pending.find("\r\n")) != std::string::npos;) {
                    const std::string line = pending.substr(0, end);
                    pending.erase(0, end + 2);
                    {
                        std::lock_guard lock(mutex_);
                        lines_.push_back(line);
                    }
                    std::string answer;
                    if (text && line == ".") {
                        text = false;
                        const int id = ++messages_;
                        answer = "225-" + std::to_string(id) + "\r\n225 OK MESSAGE QUEUED\r\n";
                        std::lock_guard lock(mutex_);
                        queued_.emplace_back(std::chrono::steady_clock::now(), id);
                        queuedAt_.push_back(queued_.back().first);
                        due_.notify_all();
                    } else if (!text && ::strcasecmp(line.c_str(), "SPEAK") == 0) {
                        text = true;
                        answer = "230 OK RECEIVING DATA\r\n";
                    } else if (!text) {
                        answer = "200 OK\r\n";
                        if (::strncasecmp(line.c_str(), "CANCEL", 6) == 0) {
                            std::lock_guard lock(mutex_);
                            for (const auto &[at, id] : queued_)
                                answer += event(703, id, "CANCELED");
                            queued_.clear();
                        }
                    }
                    if (!answer.empty() && !send(answer))
                        break;
                }
            }
            {
                std::lock_guard lock(writing_);
                client_ = -1;
            }
            ::close(client);
        });
    }

    // The messages the client has had queued so far.
    int messages() const
    {
        return messages_;
    }

    // When each message was queued, in order.
    std::vector<std::chrono::steady_clock::time_point> queuedAt() const
    {
        std::lock_guard lock(mutex_);
        return queuedAt_;
    }

    // The lines the client has sent so far.
    std::vector<std::string> lines() const
    {
        std::lock_guard lock(mutex_);
        return lines_;
    }

private:
    static std::string event(int code, int id, const char *what)
    {
        const std::string c = std::to_string(code);
        return c + "-" + std::to_string(id) + "\r\n" + c + "-1\r\n" + c + " " + what + "\r\n";
    }
    bool send(const std::string &text)
    {
        std::lock_guard lock(writing_);
        return client_ >= 0 && ::write(client_, text.data(), text.size()) == ssize_t(text.size());
    }
    void reportEnds(std::chrono::milliseconds after)
    {
        std::unique_lock lock(mutex_);
        while (!stopping_) {
            if (queued_.empty()) {
                due_.wait(lock);
                continue;
            }
            const auto [queuedAt, id] = queued_.front();
            if (due_.wait_until(lock, queuedAt + after) == std::cv_status::timeout && !queued_.empty() && queued_.front().second == id) {
                queued_.pop_front();
                lock.unlock();
                send(event(702, id, "END"));
                lock.lock();
            }
        }
    }

    void listen()
    {
        const std::string path = dir_.path().toStdString() + "/speechd.sock";
        listener_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(listener_, 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        ASSERT_EQ(::bind(listener_, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        // The kernel completes the connection; nobody ever answers it.
        ASSERT_EQ(::listen(listener_, 8), 0);
        pointAt(path);
    }

    QByteArray saved_;
    QTemporaryDir dir_;
    int listener_ = -1;
    std::thread answering_;
    std::atomic<int> client_ { -1 };
    mutable std::mutex mutex_;
    std::mutex writing_;
    std::vector<std::string> lines_;
    std::atomic<int> messages_ { 0 };
    std::deque<std::pair<std::chrono::steady_clock::time_point, int>> queued_;
    std::condition_variable due_;
    std::vector<std::chrono::steady_clock::time_point> queuedAt_;
    bool stopping_ = false;
    std::thread reporting_;
};

} // namespace wildcrest::testing
