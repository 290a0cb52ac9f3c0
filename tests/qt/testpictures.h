#pragma once

#include "table/layout.h"
#include "table/qt/qttableview.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace wildcrest::testing
{

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
    std::unique_ptr<QtTableView> view = std::make_unique<QtTableView>();
};

} // namespace wildcrest::testing
