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
#include <cstring>
#include <mutex>
#include <string>
#include <strings.h>
#include <thread>
#include <vector>

namespace wildcrest::testing
{

// Points speech-dispatcher's clients (SPEECHD_ADDRESS) at a socket for as long as
// it lives: one where nobody listens, one that takes the connection and then
// never says a word, or one that answers every command as the server does and
// keeps the lines it was sent.
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
    // the queued message's number.
    void listenAndAnswer()
    {
        listen();
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
                    const char *answer = text && line == "."       ? (text = false, "225-1\r\n225 OK MESSAGE QUEUED\r\n")
                        : text                                     ? nullptr
                        : ::strcasecmp(line.c_str(), "SPEAK") == 0 ? (text = true, "230 OK RECEIVING DATA\r\n")
                                                                   : "200 OK\r\n";
                    if (answer && ::write(client, answer, std::strlen(answer)) < 0)
                        break;
                }
            }
            ::close(client);
        });
    }

    // The lines the client has sent so far.
    std::vector<std::string> lines() const
    {
        std::lock_guard lock(mutex_);
        return lines_;
    }

private:
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
    std::vector<std::string> lines_;
};

} // namespace wildcrest::testing
