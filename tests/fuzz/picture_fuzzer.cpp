// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a picture file: the check of a bitmap's size and the decoder
// behind it end without a crash, and a bitmap they pass holds all its rows.
#include "table/qt/picturefile.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

using namespace wildcrest;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QImage image = decodePicture(bytes);
    // A bitmap the check lets through is never one cut short.
    if (!image.isNull() && bytes.startsWith("BM") && !bmpComplete(bytes))
        std::abort();
    return 0;
}
