// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/savefile.h"

#include "save/matchkeeper.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace wildcrest
{

namespace fs = std::filesystem;

std::string savePath(const std::string &player, const std::string &opponent, const char *(*environment)(const char *))
{
    const char *data = environment("XDG_DATA_HOME");
    const char *home = environment("HOME");
    fs::path folder = data && *data == '/' ? fs::path(data) : fs::path(home ? home : "") / ".local" / "share";
    folder /= "wildcrest";
    if (!opponent.empty())
        return (player.empty() ? folder / "pairs" / (opponent + ".save") : folder / "pairs" / player / (opponent + ".save")).string();
    return (player.empty() ? folder / "match.save" : folder / "players" / (player + ".save")).string();
}

std::string writeWhole(const std::string &path, const std::string &text)
{
    std::error_code error;
    fs::create_directories(fs::path(path).parent_path(), error);
    const std::string beside = path + ".new";
    const int fd = ::open(beside.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return beside + ": " + std::strerror(errno);
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const std::string why = beside + ": " + std::strerror(errno);
            ::close(fd);
            ::unlink(beside.c_str());
            return why;
        }
        done += std::size_t(n);
    }
    // On the disk before the rename, so that a crash leaves the old save or the new one.
    const bool synced = ::fsync(fd) == 0;
    const int syncError = errno;
    ::close(fd);
    if (!synced || ::rename(beside.c_str(), path.c_str()) != 0) {
        const std::string why = path + ": " + std::strerror(synced ? errno : syncError);
        ::unlink(beside.c_str());
        return why;
    }
    return {};
}

FoundSave findSave(const std::string &path, std::chrono::system_clock::time_point now)
{
    FoundSave found;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return found;
    std::string text(kLongestSave + 1, '\0');
    in.read(text.data(), std::streamsize(text.size()));
    text.resize(std::size_t(in.gcount()));
    SaveReading reading = readSave(text);
    if (reading.saved) {
        found.saved = std::move(reading.saved);
        return found;
    }
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm utc {};
    gmtime_r(&t, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &utc);
    const std::string aside = path + ".damaged-" + stamp;
    std::error_code error;
    fs::rename(path, aside, error);
    found.message = "the saved match " + path + " cannot be played (" + reading.problem + "); "
        + (error ? "it could not be moved aside: " + error.message() : "it is kept as " + aside) + ", and a new match starts";
    if (error)
        fs::remove(path, error);
    return found;
}

FileKeeper::FileKeeper(std::string path, const SavedMatch &shape, std::ostream &warnings)
    : path_(std::move(path))
    , saved_(shape)
    , warnings_(warnings)
{
}

void FileKeeper::keep(const SavedMatch &turn)
{
    saved_.match = turn.match;
    saved_.tomove = turn.tomove;
    saved_.random = turn.random;
    saved_.memory = turn.memory;
    const std::string problem = writeWhole(path_, saveText(saved_));
    if (!problem.empty() && !told_)
        warnings_ << "wildcrest: the match cannot be saved: " << problem << std::endl;
    told_ = told_ || !problem.empty();
}

void FileKeeper::forget()
{
    std::error_code error;
    fs::remove(path_, error);
}

} // namespace wildcrest
