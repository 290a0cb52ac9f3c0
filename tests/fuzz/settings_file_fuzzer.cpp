// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the settings file: read without a crash, a hang or a leak, and
// whatever is taken is a value the game can use and writes back the same.
#include "app/qt/settingsfile.h"
#include "fuzzcheck.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <sstream>

using namespace wildcrest;
using namespace wildcrest::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.path() + "/wildcrest.conf";
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    Settings settings;
    std::ostringstream warnings;
    readSettingsFile(path, settings, warnings);

    everyValueReadsBack(settings);
    return 0;
}
