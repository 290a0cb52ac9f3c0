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

namespace
{

const double kScales[] = { 1, 1.5, 2, 2.5, 3, 4, 5, 6 };
const char *const kSets[] = { "standard", "large-index", "four-colour", "large-index+four-colour" };

QString scaleFolder(double scale)
{
    return QStringLiteral("x") + QString::number(scale);
}

int scaledSize(int size, double scale)
{
    return qRound(size * scale);
}

// The share of a rectangle's pixels that are ink of any colour: dark, or strongly coloured.
int countAnyInk(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.alpha() == 255 && (qGray(c.rgb()) < 170 || c.hsvSaturation() > 150);
        }
    return count;
}

// The mean colour of the strongly coloured or dark pixels: the ink of a card's suit.
QColor inkColour(const QImage &image)
{
    long r = 0, g = 0, b = 0, n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() == 255 && (qGray(c.rgb()) < 120 || c.hsvSaturation() > 200)) {
                r += c.red();
                g += c.green();
                b += c.blue();
                ++n;
            }
        }
    return n ? QColor(int(r / n), int(g / n), int(b / n)) : QColor();
}

// The height in pixels of the rank in the top-left corner of a card drawn at
// scale 2: the first band of rows with ink in the index column, inside the
// outline and left of every pip, that no gap of more than three rows breaks.
int rankHeight(const QImage &image)
{
    const QRect column(8, 4, 28, image.height() / 2);
    int first = -1;
    int last = -1;
    for (int y = column.top(); y <= column.bottom(); ++y) {
        if (countAnyInk(image, QRect(column.left(), y, column.width(), 1)) == 0)
            continue;
        if (first >= 0 && y - last > 4)
            break;
        if (first < 0)
            first = y;
        last = y;
    }
    return first < 0 ? 0 : last - first + 1;
}

} // namespace

TEST(PictureScales, EveryPictureIsDrawnAtEveryScaleWithItsSize)
{
    for (double scale : kScales) {
        SCOPED_TRACE(scale);
        const QString folder = scaleFolder(scale) + QStringLiteral("/");
        for (const char *name : { "Back", "Card", "Empty" }) {
            const QImage image = load(folder + name + QStringLiteral(".png"));
            EXPECT_EQ(image.size(), QSize(scaledSize(71, scale), scaledSize(96, scale))) << name;
            // Clear outside the rounded corners, so any table shows there.
            EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << name;
        }
        EXPECT_EQ(load(folder + "Title.png").size(), QSize(scaledSize(763, scale), scaledSize(232, scale)));
        EXPECT_EQ(load(folder + "Logo.png").size(), QSize(scaledSize(238, scale), scaledSize(200, scale)));
        EXPECT_EQ(load(folder + "Banner.png").size(), QSize(scaledSize(180, scale), scaledSize(50, scale)));
        for (const char *set : kSets)
            for (const QString &face : faceNames()) {
                const QString name = folder + set + QStringLiteral("/") + face.left(2) + QStringLiteral(".png");
                const QImage image = load(name);
                ASSERT_EQ(image.size(), QSize(scaledSize(71, scale), scaledSize(96, scale))) << name.toStdString();
                EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << name.toStdString();
                EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() - 2).alpha(), 255) << name.toStdString();
            }
    }
}

TEST(PictureScales, LargerScalesAreDrawnNotEnlarged)
{
    // An enlarged picture repeats each pixel; one drawn afresh has edges one
    // of its own pixels wide, so its pixel pairs differ far more often.
    const QImage big = load(QStringLiteral("x2/standard/QH.png"));
    int pairsDiffering = 0;
    for (int y = 0; y < big.height(); y += 2)
        for (int x = 0; x + 1 < big.width(); x += 2)
            pairsDiffering += big.pixel(x, y) != big.pixel(x + 1, y);
    EXPECT_GT(pairsDiffering, 200);
    // And it draws the same card: the same share of ink as at scale 1.
    const QImage small = load(QStringLiteral("QH.bmp"));
    const double inkSmall = countAnyInk(small, small.rect()) / double(small.width() * small.height());
    const double inkBig = countAnyInk(big, big.rect()) / double(big.width() * big.height());
    EXPECT_NEAR(inkBig, inkSmall, 0.03);
}

TEST(PictureScales, LargeIndexRanksStandFarTaller)
{
    for (const QString &face : faceNames()) {
        // The frame of a court card stands in the index column.
        if (face[0] == QLatin1Char('J') || face[0] == QLatin1Char('Q') || face[0] == QLatin1Char('K'))
            continue;
        SCOPED_TRACE(face.toStdString());
        const QString code = face.left(2);
        const int standard = rankHeight(load(QStringLiteral("x2/standard/") + code + QStringLiteral(".png")));
        const int large = rankHeight(load(QStringLiteral("x2/large-index/") + code + QStringLiteral(".png")));
        EXPECT_GE(standard, 20) << "the standard rank is 17 pixels at scale 1";
        EXPECT_GE(large, 1.4 * standard);
    }
}

TEST(PictureScales, FourColoursGiveEverySuitItsOwnColour)
{
    for (double scale : { 1.0, 3.0 }) {
        SCOPED_TRACE(scale);
        const QString folder = scaleFolder(scale) + QStringLiteral("/four-colour/");
        const QColor spades = inkColour(load(folder + "AS.png"));
        const QColor hearts = inkColour(load(folder + "AH.png"));
        const QColor diamonds = inkColour(load(folder + "AD.png"));
        const QColor clubs = inkColour(load(folder + "AC.png"));
        EXPECT_LT(spades.value(), 60) << "spades black";
        EXPECT_EQ(hearts.hue() < 20 || hearts.hue() > 340, true) << "hearts red, hue " << hearts.hue();
        EXPECT_NEAR(diamonds.hue(), 220, 25) << "diamonds blue";
        EXPECT_NEAR(clubs.hue(), 130, 25) << "clubs green";
        // The two-colour set keeps diamonds red and clubs black.
        const QString standard = scaleFolder(scale) + QStringLiteral("/standard/");
        EXPECT_EQ(inkColour(load(standard + "AD.png")).hue() < 20, true);
        EXPECT_LT(inkColour(load(standard + "AC.png")).value(), 60);
    }
}
