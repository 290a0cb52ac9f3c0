// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QTemporaryDir>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <string>

namespace wildcrest::testing
{

// Points speech-dispatcher's clients (SPEECHD_ADDRESS) at a socket for as long as
// it lives: one where nobody listens, or one that takes the connection and then
// never says a word.
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

private:
    QByteArray saved_;
    QTemporaryDir dir_;
    int listener_ = -1;
};

} // namespace wildcrest::testing
