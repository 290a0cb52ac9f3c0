// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of every look other than the game's own, as the game draws them
// when it starts: "x2/four-colour/QH.png" names the queen of hearts drawn at
// scale 2 in four colours, "x3/Title.png" the title art at scale 3.
#include "pictures/lookpictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace
{

const char kRanks[] = "A23456789TJQK";
const char kSuits[] = "SCHD";

std::vector<QString> faceNames()
{
    std::vector<QString> names;
    for (const char *s = kSuits; *s; ++s)
        for (const char *r = kRanks; *r; ++r)
            names.push_back(QString(QChar(*r)) + QChar(*s) + QStringLiteral(".bmp"));
    return names;
}

// The pictures of the two looks drawn last; "QH.bmp" is the game's own file.
QImage load(const QString &name)
{
    if (!name.startsWith(QLatin1Char('x')))
        return QImage(QStringLiteral(WILDCREST_GAME_DIR "/") + name);
    static std::map<QString, wildcrest::pictures::LookPictures> drawn;
    const QStringList parts = name.split(QLatin1Char('/'));
    const QString set = parts.size() == 3 ? parts[1] : QStringLiteral("standard");
    const QString key = parts[0] + QLatin1Char('/') + set;
    if (!drawn.contains(key)) {
        if (drawn.size() >= 2)
            drawn.clear();
        wildcrest::pictures::PictureLook card;
        card.scale = parts[0].mid(1).toDouble();
        card.transparent = true;
        card.largeIndex = set.contains(QStringLiteral("large-index"));
        card.fourColour = set.contains(QStringLiteral("four-colour"));
        drawn.try_emplace(key, card);
    }
    return drawn.at(key).picture(parts.last().toStdString());
}

} // namespace

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

// Drawing needs the fonts, and so a QGuiApplication.
int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
