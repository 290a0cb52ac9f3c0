// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/qt/qtwording.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include <algorithm>

namespace wildcrest
{

QtWording::QtWording(const std::string &language)
{
    const auto &known = gameLanguages();
    if (language == "en" || std::find(known.begin(), known.end(), language) == known.end())
        return;
    if (!game_.load(QString::fromStdString(":/i18n/wildcrest_" + language + ".qm")))
        return;
    language_ = language;
    // Not every system has Qt's own translations; the buttons are then in English.
    (void)qt_.load(QLocale(QString::fromStdString(language)), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void QtWording::install()
{
    if (!game_.isEmpty())
        QCoreApplication::installTranslator(&game_);
    if (!qt_.isEmpty())
        QCoreApplication::installTranslator(&qt_);
}

std::string QtWording::lookup(const char *context, const char *english, const char *disambiguation, int count) const
{
    return game_.translate(context, english, disambiguation, count).toStdString();
}

std::string InstalledWording::lookup(const char *context, const char *english, const char *disambiguation, int count) const
{
    return QCoreApplication::translate(context, english, disambiguation, count).toStdString();
}

std::string chosenLanguage(const std::string &setting, const QStringList &desktopLanguages)
{
    const auto &known = gameLanguages();
    if (setting != "auto")
        return setting;
    for (const QString &tag : desktopLanguages) {
        const std::string code = tag.section('-', 0, 0).section('_', 0, 0).toLower().toStdString();
        if (std::find(known.begin(), known.end(), code) != known.end())
            return code;
    }
    return "en";
}

} // namespace wildcrest
