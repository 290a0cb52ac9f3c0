#pragma once

struct ca_context;

namespace wildcrest
{

// The end-of-match alert: the sound theme's "bell" through libcanberra, or the
// display's own beep where there is no sound device. Never fails, never waits.
class Bell
{
public:
    Bell() = default;
    Bell(const Bell &) = delete;
    Bell &operator=(const Bell &) = delete;
    ~Bell();

    void ring();

private:
    bool playThemeSound();

    ca_context *context_ = nullptr;
};

} // namespace wildcrest
