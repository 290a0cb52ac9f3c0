// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace wildcrest
{

// The spoken offers and plays, through speech-dispatcher. Everything that talks
// to the server runs on a thread of its own, so a server that is slow or never
// answers cannot hold up an offer or the way out: `say` only hands the text
// over. The connection is opened the first time something is said; without a
// speech server the game plays on silently, told once on stderr. The server
// tells when each text has been spoken to its end.
class Speech
{
public:
    Speech();
    Speech(const Speech &) = delete;
    Speech &operator=(const Speech &) = delete;
    // Waits a moment for the speaking thread; one stuck in a server that does not
    // answer is left behind to end with the program.
    ~Speech();

    // Cuts short whatever is still being spoken and says `text`; a text not yet
    // begun is replaced by the newer one. Never waits for the server.
    void say(const std::string &text);
    // The language the texts are spoken in ("de"), as speech-dispatcher names
    // it; "" leaves the server's own.
    void setLanguage(const std::string &language);
    // False once the connection could not be had.
    bool available() const;
    // When the text last handed over was spoken to its end (steady clock, in
    // microseconds); nothing while it is still to be said. Without a server:
    // a moment long past, since nothing is said.
    std::optional<std::chrono::microseconds> heardToEnd() const;
    // Called on another thread whenever heardToEnd() has just changed.
    void onHeard(std::function<void()> wake);
    // Waits until everything handed over has been said or given up, or the time
    // is up; true when it has.
    bool settled(std::chrono::milliseconds within) const;

    struct Shared;

private:
    std::shared_ptr<Shared> shared_;
};

} // namespace wildcrest
