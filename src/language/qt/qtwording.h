// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "language/wording.h"

#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <string>

namespace wildcrest
{

// The game's words in one language, from the translations built into the game.
class QtWording : public Wording
{
public:
    // The words of `language` ("de"); the game's own English for "en" and for a
    // language the game has no translation of.
    explicit QtWording(const std::string &language);

    std::string language() const override
    {
        return language_;
    }
    // Puts the translation (and Qt's own, for its standard buttons) into the
    // application, for the texts that Qt's widgets translate themselves.
    void install();

protected:
    std::string lookup(const char *context, const char *english, const char *disambiguation, int count) const override;

private:
    std::string language_ = "en";
    QTranslator game_;
    QTranslator qt_;
};

// The words of whatever translation is installed in the application, for the
// game's texts that Qt's widgets show.
class InstalledWording : public Wording
{
protected:
    std::string lookup(const char *context, const char *english, const char *disambiguation, int count) const override;
};

// The language the setting `language` chooses: a code of the game's languages
// as it stands, and for "auto" the first of `desktopLanguages` (as
// QLocale::uiLanguages gives them, "de-AT") the game has, or else English.
std::string chosenLanguage(const std::string &setting, const QStringList &desktopLanguages = QLocale::system().uiLanguages());

} // namespace wildcrest
