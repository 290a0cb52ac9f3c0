// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the pictures as the game will load them: from the game's directory, and
// the window's own from where they are compiled in from.
#include <QFile>
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace
{

const QString kDir = QStringLiteral(WILDCREST_GAME_DIR);
const QString kBuiltInDir = QStringLiteral(WILDCREST_BUILT_IN_DIR);
const QString kBuiltIn = QStringLiteral("built-in/"); // names of the window's own pictures start so
const QColor kTable(0xC0, 0xFF, 0xC0);
const char kRanks[] = "A23456789TJQK";
const char kSuits[] = "SCHD";

struct Expected {
    QString name;
    int width;
    int height;
};

std::vector<QString> faceNames()
{
    std::vector<QString> names;
    for (const char *s = kSuits; *s; ++s)
        for (const char *r = kRanks; *r; ++r)
            names.push_back(QString(QChar(*r)) + QChar(*s) + QStringLiteral(".bmp"));
    return names;
}

std::vector<Expected> everyPicture()
{
    std::vector<Expected> all;
    for (const QString &face : faceNames())
        all.push_back({ face, 71, 96 });
    for (const char *s = kSuits; *s; ++s)
        all.push_back({ QStringLiteral("8") + QChar(*s) + QStringLiteral(".BMP"), 71, 96 });
    for (const char *name : { "Back.bmp", "Card.bmp", "Empty.bmp" })
        all.push_back({ QString::fromLatin1(name), 71, 96 });
    all.push_back({ kBuiltIn + "Back.bmp", 71, 96 });
    for (const char *s = kSuits; *s; ++s)
        all.push_back({ kBuiltIn + "8" + QChar(*s) + ".bmp", 71, 96 });
    all.push_back({ kBuiltIn + "Title.bmp", 763, 232 });
    all.push_back({ kBuiltIn + "Logo.bmp", 238, 200 });
    all.push_back({ kBuiltIn + "Banner.bmp", 180, 50 });
    all.push_back({ kBuiltIn + "wildcrest.png", 256, 256 });
    all.push_back({ QStringLiteral("wildcrest.png"), 256, 256 });
    all.push_back({ QStringLiteral("wildcrest-48.png"), 48, 48 });
    all.push_back({ QStringLiteral("wildcrest-128.png"), 128, 128 });
    return all;
}

QString pathOf(const QString &name)
{
    if (name.startsWith(kBuiltIn))
        return kBuiltInDir + QStringLiteral("/") + name.mid(kBuiltIn.size());
    return kDir + QStringLiteral("/") + name;
}

QImage load(const QString &name)
{
    return QImage(pathOf(name));
}

QByteArray bytes(const QString &name)
{
    QFile file(pathOf(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool isRedInk(QRgb p)
{
    return qRed(p) >= 140 && qGreen(p) <= 90 && qBlue(p) <= 90;
}

bool isInk(QRgb p)
{
    return qGray(p) < 170;
}

int countRedInk(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += isRedInk(image.pixel(x, y));
    return count;
}

// Separate blobs of ink inside a rectangle, joined through their eight neighbours.
int countInkBlobs(const QImage &image, const QRect &area)
{
    std::vector<char> seen(image.width() * image.height(), 0);
    int blobs = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (seen[y * image.width() + x] || !isInk(image.pixel(x, y)))
                continue;
            ++blobs;
            std::vector<QPoint> stack { QPoint(x, y) };
            seen[y * image.width() + x] = 1;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint q(p.x() + dx, p.y() + dy);
                        if (!area.contains(q) || seen[q.y() * image.width() + q.x()] || !isInk(image.pixel(q)))
                            continue;
                        seen[q.y() * image.width() + q.x()] = 1;
                        stack.push_back(q);
                    }
                }
            }
        }
    }
    return blobs;
}

} // namespace

TEST(PictureFiles, EveryPictureLoadsWithItsSize)
{
    for (const Expected &e : everyPicture()) {
        SCOPED_TRACE(e.name.toStdString());
        const QImage image = load(e.name);
        ASSERT_FALSE(image.isNull()) << "missing or unreadable";
        EXPECT_EQ(image.width(), e.width);
        EXPECT_EQ(image.height(), e.height);
    }
}

TEST(PictureFiles, BitmapsArePlain24BitWindowsBmp)
{
    for (const Expected &e : everyPicture()) {
        if (!e.name.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive))
            continue;
        SCOPED_TRACE(e.name.toStdString());
        const QByteArray data = bytes(e.name);
        ASSERT_GT(data.size(), 54);
        EXPECT_EQ(data.left(2), QByteArray("BM"));
        // Bits per pixel sit at offset 28 of the header; compression (none) at 30.
        EXPECT_EQ(static_cast<unsigned char>(data[28]) | static_cast<unsigned char>(data[29]) << 8, 24);
        EXPECT_EQ(data[30], 0);
    }
}

TEST(PictureFiles, SuitChoiceEightsAreTheFacesThemselves)
{
    for (const char *s = kSuits; *s; ++s) {
        const QString lower = QStringLiteral("8") + QChar(*s) + QStringLiteral(".bmp");
        const QString upper = QStringLiteral("8") + QChar(*s) + QStringLiteral(".BMP");
        SCOPED_TRACE(upper.toStdString());
        const QByteArray face = bytes(lower);
        ASSERT_FALSE(face.isEmpty());
        EXPECT_TRUE(bytes(upper) == face) << "differs from " << lower.toStdString();
    }
}

TEST(PictureFiles, TheWindowsOwnCardsAreTheCardsOfTheFiles)
{
    // The deck looks like the computer's face-down cards, and the title's eights like the eights in play.
    std::vector<QString> names { QStringLiteral("Back.bmp") };
    for (const char *s = kSuits; *s; ++s)
        names.push_back(QStringLiteral("8") + QChar(*s) + QStringLiteral(".bmp"));
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray file = bytes(name);
        ASSERT_FALSE(file.isEmpty());
        EXPECT_TRUE(bytes(kBuiltIn + name) == file);
    }
}

TEST(PictureInk, RedSuitsHaveRedInkAndBlackSuitsNone)
{
    for (const QString &face : faceNames()) {
        SCOPED_TRACE(face.toStdString());
        const QImage image = load(face);
        ASSERT_FALSE(image.isNull());
        const QChar suit = face[1];
        if (suit == QLatin1Char('H') || suit == QLatin1Char('D')) {
            EXPECT_GT(countRedInk(image), 60);
        } else {
            EXPECT_EQ(countRedInk(image), 0);
        }
    }
}

TEST(PictureInk, NumberCardsShowOnePipPerRank)
{
    // Between the corner indices only the pips are drawn, so touching or missing pips show up here.
    const QRect middle(17, 4, 37, 88);
    for (const QString &face : faceNames()) {
        const QChar rank = face[0];
        if (!rank.isDigit() && rank != QLatin1Char('T'))
            continue;
        SCOPED_TRACE(face.toStdString());
        const int expected = rank == QLatin1Char('T') ? 10 : rank.digitValue();
        EXPECT_EQ(countInkBlobs(load(face), middle), expected);
    }
}

TEST(PictureInk, FacesAndBacksAreAllDifferent)
{
    std::vector<QString> names = faceNames();
    for (const char *name : { "Back.bmp", "Card.bmp", "Empty.bmp" })
        names.push_back(QString::fromLatin1(name));
    std::set<QByteArray> seen;
    for (const QString &name : names) {
        const QImage image = load(name).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        const QByteArray pixels(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
        EXPECT_TRUE(seen.insert(pixels).second) << name.toStdString() << " looks exactly like an earlier picture";
    }
}

TEST(PictureInk, CourtCardsDifferFromEachOtherInManyPixels)
{
    // A court card must not be told from another only by a letter a few pixels wide.
    for (const char *s = kSuits; *s; ++s) {
        const QImage j = load(QStringLiteral("J") + QChar(*s) + QStringLiteral(".bmp"));
        const QImage q = load(QStringLiteral("Q") + QChar(*s) + QStringLiteral(".bmp"));
        const QImage k = load(QStringLiteral("K") + QChar(*s) + QStringLiteral(".bmp"));
        ASSERT_FALSE(j.isNull() || q.isNull() || k.isNull());
        auto differing = [](const QImage &a, const QImage &b) {
            int n = 0;
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x)
                    n += a.pixel(x, y) != b.pixel(x, y);
            return n;
        };
        SCOPED_TRACE(std::string(1, *s));
        EXPECT_GT(differing(j, q), 1000);
        EXPECT_GT(differing(q, k), 1000);
        EXPECT_GT(differing(j, k), 1000);
    }
}

TEST(PictureCards, CornersOutsideTheRoundingAreTheTable)
{
    std::vector<QString> names = faceNames();
    for (const char *name : { "Back.bmp", "Card.bmp", "Empty.bmp" })
        names.push_back(QString::fromLatin1(name));
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        const QImage image = load(name);
        ASSERT_FALSE(image.isNull());
        for (const QPoint corner : { QPoint(0, 0), QPoint(70, 0), QPoint(0, 95), QPoint(70, 95) })
            EXPECT_EQ(image.pixelColor(corner), kTable) << corner.x() << "," << corner.y();
        // The middle of every edge is inside the card: not the table, except on the empty place.
        if (name != QStringLiteral("Empty.bmp")) {
            EXPECT_NE(image.pixelColor(35, 0), kTable);
        }
    }
}

TEST(PictureCards, BacksAreBlueAndTheMovingCardRed)
{
    auto average = [](const QImage &image) {
        double r = 0, g = 0, b = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                r += qRed(p);
                g += qGreen(p);
                b += qBlue(p);
            }
        }
        const double n = image.width() * image.height();
        return std::vector<double> { r / n, g / n, b / n };
    };
    const auto back = average(load(QStringLiteral("Back.bmp")));
    const auto moving = average(load(QStringLiteral("Card.bmp")));
    EXPECT_GT(back[2], back[0] + 60);
    EXPECT_GT(moving[0], moving[2] + 60);
}

TEST(PictureCards, EmptyPlaceIsTableWithAFaintDarkerOutline)
{
    const QImage image = load(QStringLiteral("Empty.bmp"));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixelColor(35, 48), kTable);
    int outline = 0;
    for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, 1);
        // Darker than the table yet still green, so it reads as a place and not as a card.
        if (c != kTable) {
            EXPECT_LT(c.green() + c.red(), kTable.green() + kTable.red());
            EXPECT_GT(c.green(), c.red());
            EXPECT_GT(c.green(), 150);
            ++outline;
        }
    }
    EXPECT_GT(outline, 40);
}

TEST(PictureTitle, ArtIsOnWhiteAndCarriesInk)
{
    for (const char *name : { "Title.bmp", "Logo.bmp", "Banner.bmp" }) {
        SCOPED_TRACE(name);
        const QImage image = load(kBuiltIn + name);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
        EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), QColor(Qt::white));
        int ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ink += isInk(image.pixel(x, y));
        // At least a twentieth of the picture is drawn on.
        EXPECT_GT(ink, image.width() * image.height() / 20);
    }
}

TEST(PictureTitle, IconsAreTransparentRoundAFilledMiddle)
{
    for (const char *name : { "wildcrest.png", "wildcrest-48.png", "wildcrest-128.png" }) {
        SCOPED_TRACE(name);
        const QImage image = load(QString::fromLatin1(name));
        ASSERT_FALSE(image.isNull());
        EXPECT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
    }
}
