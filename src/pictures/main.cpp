// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the pictures of the game's own look: the files the game reads from its
// folder into the first directory, the window's own pictures (compiled into
// the executable) into the second. Every other look is drawn by the game itself
// when it starts (LookPictures).
#include "cardfaces.h"
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
