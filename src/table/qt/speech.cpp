#include "table/qt/speech.h"

#include <libspeechd.h>

#include <cstdlib>
#include <iostream>

namespace wildcrest
{

namespace
{

    SPDConnection *spd(void *connection)
    {
        return static_cast<SPDConnection *>(connection);
    }

} // namespace

Speech::~Speech()
{
    if (connection_)
        spd_close(spd(connection_));
}

bool Speech::connect()
{
    if (connection_)
        return true;
    if (failed_)
        return false;
    char *error = nullptr;
    // Started by itself where speech-dispatcher is installed but not yet running.
    connection_ = spd_open2("wildcrest", "game", nullptr, SPD_MODE_SINGLE, nullptr, 1, &error);
    if (!connection_) {
        failed_ = true;
        std::cerr << "wildcrest: no speech (" << (error ? error : "speech-dispatcher cannot be reached") << "); playing on without it" << std::endl;
        std::free(error);
        return false;
    }
    return true;
}

void Speech::say(const std::string &text)
{
    if (!connect())
        return;
    spd_cancel(spd(connection_));
    if (spd_say(spd(connection_), SPD_TEXT, text.c_str()) < 0) {
        // The server went away: nothing more is said this run.
        spd_close(spd(connection_));
        connection_ = nullptr;
        failed_ = true;
        std::cerr << "wildcrest: speech-dispatcher stopped answering; playing on without speech" << std::endl;
    }
}

} // namespace wildcrest
