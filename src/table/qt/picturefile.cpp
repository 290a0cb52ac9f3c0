// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/qt/picturefile.h"

#include "table/tableview.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <cstdint>
#include <cstdlib>

namespace wildcrest
{

namespace
{

    std::uint32_t le32(const QByteArray &d, int at)
    {
        const auto b = [&](int i) { return std::uint32_t(std::uint8_t(d[at + i])); };
        return b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24;
    }

    std::uint16_t le16(const QByteArray &d, int at)
    {
        return std::uint16_t(std::uint8_t(d[at]) | std::uint8_t(d[at + 1]) << 8);
    }

    constexpr int kFileHeaderSize = 14;
    constexpr std::uint32_t kRgb = 0;
    constexpr std::uint32_t kBitfields = 3;

} // namespace

bool bmpComplete(const QByteArray &data)
{
    if (data.size() < kFileHeaderSize + 4)
        return false;
    const std::uint32_t pixelsAt = le32(data, 10);
    const std::uint32_t infoSize = le32(data, kFileHeaderSize);
    if (infoSize == 12) { // the old OS/2 header: 16-bit sizes, never compressed
        if (data.size() < kFileHeaderSize + 12)
            return false;
        const std::uint64_t width = le16(data, 18);
        const std::uint64_t height = le16(data, 20);
        const std::uint64_t bits = le16(data, 24);
        const std::uint64_t row = (width * bits + 31) / 32 * 4;
        return std::uint64_t(data.size()) >= pixelsAt + row * height;
    }
    if (infoSize < 40 || data.size() < kFileHeaderSize + 40)
        return false;
    const std::uint64_t width = le32(data, 18);
    const std::int32_t signedHeight = std::int32_t(le32(data, 22));
    const std::uint64_t height = std::uint64_t(std::abs(std::int64_t(signedHeight)));
    const std::uint64_t bits = le16(data, 28);
    const std::uint32_t compression = le32(data, 30);
    const std::uint64_t imageSize = le32(data, 34);
    if (compression == kRgb || compression == kBitfields) {
        const std::uint64_t row = (width * bits + 31) / 32 * 4;
        return std::uint64_t(data.size()) >= pixelsAt + row * height;
    }
    // Run-length data has no fixed size; trust the size the header records.
    return std::uint64_t(data.size()) >= pixelsAt + imageSize;
}

QImage decodePicture(const QByteArray &data)
{
    if (data.isEmpty() || (data.startsWith("BM") && !bmpComplete(data)))
        return {};
    // Decoded from the bytes, not through QPixmap::load, which would keep a copy in QPixmapCache.
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

QPixmap loadPicture(const std::string &path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        throw PictureError(path);
    const QImage image = decodePicture(file.readAll());
    if (image.isNull())
        throw PictureError(path);
    return QPixmap::fromImage(image);
}

} // namespace wildcrest
