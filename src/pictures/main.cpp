// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture the game shows: the files the game reads beside its
// executable into the first directory, the window's own pictures (compiled into
// the executable) into the second.
#include "cardfaces.h"
#include "table/look.h"
#include "titleart.h"

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

using namespace wildcrest::pictures;

namespace
{

bool save(const QDir &dir, const QString &name, const QImage &image, const char *format)
{
    const QString path = dir.filePath(name);
    // A BMP of an RGB32 image is written as plain 24-bit RGB; converting first makes sure of it.
    const QImage out = qstrcmp(format, "BMP") == 0 ? image.convertToFormat(QImage::Format_RGB888) : image;
    if (!out.save(path, format)) {
        std::fprintf(stderr, "wildcrest-pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// One scale's pictures, all drawn afresh at that size rather than enlarged, with
// clear corners so that any table shows round the cards: x2/Back.png,
// x2/Title.png, x2/four-colour/QH.png, ...
bool saveScaled(const QDir &dir, double scale)
{
    const QString folder = QStringLiteral("x") + QString::fromStdString(wildcrest::scaleText(scale));
    if (!dir.mkpath(folder)) {
        std::fprintf(stderr, "wildcrest-pictures: cannot create %s\n", qPrintable(dir.filePath(folder)));
        return false;
    }
    const QDir at(dir.filePath(folder));
    PictureLook look;
    look.scale = scale;
    look.transparent = true;
    bool ok = save(at, QStringLiteral("Back.png"), cardBack(look), "PNG");
    ok = save(at, QStringLiteral("Card.png"), movingCard(look), "PNG") && ok;
    ok = save(at, QStringLiteral("Empty.png"), emptyPlace(look), "PNG") && ok;
    ok = save(at, QStringLiteral("Title.png"), titleArt(scale), "PNG") && ok;
    ok = save(at, QStringLiteral("Logo.png"), makerLogo(scale), "PNG") && ok;
    ok = save(at, QStringLiteral("Banner.png"), banner(scale), "PNG") && ok;
    for (wildcrest::CardStyle style : { wildcrest::CardStyle::Standard, wildcrest::CardStyle::LargeIndex })
        for (bool fourColour : { false, true }) {
            const QString set = QString::fromStdString(wildcrest::cardSetName(style, fourColour));
            if (!at.mkpath(set)) {
                std::fprintf(stderr, "wildcrest-pictures: cannot create %s\n", qPrintable(at.filePath(set)));
                return false;
            }
            const QDir faces(at.filePath(set));
            look.largeIndex = style == wildcrest::CardStyle::LargeIndex;
            look.fourColour = fourColour;
            for (Suit suit : kSuits)
                for (char rank : kRanks)
                    ok = save(faces, cardCode(rank, suit) + QStringLiteral(".png"), cardFace(rank, suit, look), "PNG") && ok;
        }
    return ok;
}

// The game asks for the eights of the suit choice as "8H.BMP" and so on; they must be the faces themselves.
bool copyFile(const QDir &dir, const QString &from, const QString &to)
{
    const QString target = dir.filePath(to);
    QFile::remove(target);
    if (!QFile::copy(dir.filePath(from), target)) {
        std::fprintf(stderr, "wildcrest-pictures: cannot copy %s to %s\n", qPrintable(from), qPrintable(target));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: wildcrest-pictures GAME_DIRECTORY BUILT_IN_DIRECTORY\n");
        return 2;
    }
    // Without the real font every index and title would be drawn in whatever stands in for it.
    const QFontInfo font(boldSans(17));
    if (font.family() != QStringLiteral("Liberation Sans")) {
        std::fprintf(stderr, "wildcrest-pictures: font Liberation Sans not found (got %s); install fonts-liberation\n", qPrintable(font.family()));
        return 1;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    QDir builtIn(QString::fromLocal8Bit(argv[2]));
    for (const QDir &d : { dir, builtIn })
        if (!d.mkpath(QStringLiteral("."))) {
            std::fprintf(stderr, "wildcrest-pictures: cannot create %s\n", qPrintable(d.path()));
            return 1;
        }

    bool ok = true;
    for (Suit suit : kSuits)
        for (char rank : kRanks)
            ok = save(dir, cardCode(rank, suit) + QStringLiteral(".bmp"), cardFace(rank, suit), "BMP") && ok;
    for (Suit suit : kSuits) {
        const QString code = cardCode('8', suit);
        ok = ok && copyFile(dir, code + QStringLiteral(".bmp"), code + QStringLiteral(".BMP"));
    }
    ok = save(dir, QStringLiteral("Back.bmp"), cardBack(), "BMP") && ok;
    ok = save(dir, QStringLiteral("Card.bmp"), movingCard(), "BMP") && ok;
    ok = save(dir, QStringLiteral("Empty.bmp"), emptyPlace(), "BMP") && ok;
    // The icons are installed into the desktop's icon theme from the game's directory.
    ok = save(dir, QStringLiteral("wildcrest.png"), windowIcon(256), "PNG") && ok;
    ok = save(dir, QStringLiteral("wildcrest-48.png"), windowIcon(48), "PNG") && ok;
    ok = save(dir, QStringLiteral("wildcrest-128.png"), windowIcon(128), "PNG") && ok;
    for (double scale : wildcrest::kPictureScales)
        ok = saveScaled(dir, scale) && ok;

    // The window's own: the deck's back, the title screen's eights, artwork, logo and banner, and its icon.
    ok = save(builtIn, QStringLiteral("Back.bmp"), cardBack(), "BMP") && ok;
    for (Suit suit : kSuits)
        ok = save(builtIn, cardCode('8', suit) + QStringLiteral(".bmp"), cardFace('8', suit), "BMP") && ok;
    ok = save(builtIn, QStringLiteral("Title.bmp"), titleArt(), "BMP") && ok;
    ok = save(builtIn, QStringLiteral("Logo.bmp"), makerLogo(), "BMP") && ok;
    ok = save(builtIn, QStringLiteral("Banner.bmp"), banner(), "BMP") && ok;
    ok = save(builtIn, QStringLiteral("wildcrest.png"), windowIcon(256), "PNG") && ok;
    return ok ? 0 : 1;
}
