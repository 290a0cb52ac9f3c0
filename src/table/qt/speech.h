#pragma once

#include <string>

namespace wildcrest
{

// The spoken offers and plays, through speech-dispatcher. The connection is
// opened the first time something is said; without a speech server the game
// plays on silently, told once on stderr.
class Speech
{
public:
    Speech() = default;
    Speech(const Speech &) = delete;
    Speech &operator=(const Speech &) = delete;
    ~Speech();

    // Cuts short whatever is still being spoken and says `text`.
    void say(const std::string &text);
    // False once the connection could not be had.
    bool available() const
    {
        return !failed_;
    }

private:
    bool connect();

    void *connection_ = nullptr; // the library's SPDConnection, which cannot be declared ahead
    bool failed_ = false;
};

} // namespace wildcrest
