// SPDX-License-Identifier: GPL-3.0-or-later
// Any command line (arguments split at NUL bytes): parsed without a crash, and
// its answer is always one the program can act on.
#include "app/qt/settingsfile.h"
#include "fuzzcheck.h"

#include <QTemporaryDir>
#include <QtGlobal>

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

using namespace wildcrest;
using namespace wildcrest::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // No settings file of the machine's: the command line alone.
    static QTemporaryDir config;
    static const bool configured = qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    check(configured);

    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back().push_back(char(data[i]));
    }
    std::ostringstream out, err;
    const CommandLine line = readCommandLine(args, out, err);
    switch (line.then) {
    case CommandLine::Then::Exit:
        // --help and --version say something on the output; a mistake says what on the error output.
        check((line.status == 0 && !out.str().empty()) || (line.status == 2 && err.str().find("wildcrest: ") == 0));
        break;
    case CommandLine::Then::ExportRecord:
        check(!line.exportFile.empty());
        [[fallthrough]];
    case CommandLine::Then::Play:
    case CommandLine::Then::EditSettings:
    case CommandLine::Then::Report:
    case CommandLine::Then::ForgetRecord:
        check(line.status == 0 && err.str().empty());
        everyValueReadsBack(line.settings);
        break;
    }
    return 0;
}
