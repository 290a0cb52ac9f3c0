// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/qt/picturefolder.h"

#include "table/picture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace wildcrest
{

std::string pictureFolder(const std::string &programDir)
{
    if (QFile::exists(QString::fromStdString(programDir + Picture::moving().fileName())))
        return programDir;
    const QString installed = QDir::cleanPath(QString::fromStdString(programDir) + QStringLiteral("/" WILDCREST_DATA_FROM_PROGRAM));
    return QFileInfo(installed).isDir() ? installed.toStdString() : programDir;
}

} // namespace wildcrest
