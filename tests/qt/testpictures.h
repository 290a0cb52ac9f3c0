// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../common/gamepicture.h"
#include "table/layout.h"
#include "table/qt/qttableview.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace wildcrest::testing
{

// What a window told its switch handler, as "key 1 down", "mouse 2 up", "joystick 1 down".
struct SwitchLog {
    std::vector<std::string> seen;
    std::vector<Moment> at;

    void operator()(const SwitchEvent &e)
    {
        seen.push_back(sourceName(e.source) + " " + std::to_string(e.which) + (e.pressed ? " down" : " up"));
        at.push_back(e.when);
    }
    // The switches that went down, in order.
    std::vector<int> presses() const
    {
        std::vector<int> which;
        for (const std::string &s : seen)
            if (s.ends_with(" down"))
                which.push_back(s[s.find(' ') + 1] - '0');
        return which;
    }
};

inline QImage solid(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A throwaway directory of pictures.
class PictureDir
{
public:
    PictureDir()
    {
        EXPECT_TRUE(dir_.isValid());
    }

    std::string path() const
    {
        return dir_.path().toStdString();
    }
    std::string file(const std::string &name) const
    {
        return path() + "/" + name;
    }
    std::string write(const std::string &name, const QImage &image) const
    {
        EXPECT_TRUE(image.save(QString::fromStdString(file(name)), "BMP"));
        return file(name);
    }
    std::string writeBytes(const std::string &name, const QByteArray &bytes) const
    {
        QFile f(QString::fromStdString(file(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return file(name);
    }

private:
    QTemporaryDir dir_;
};

// A window, and a fresh directory for the pictures a test shows in it.
class ViewTest : public ::testing::Test
{
protected:
    PictureDir pictures;
    std::unique_ptr<QtTableView> view = std::make_unique<QtTableView>(pictures.path());
};

} // namespace wildcrest::testing
