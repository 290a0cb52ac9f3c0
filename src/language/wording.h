// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

// Marks a text where it is written, for the translation tools, when it is
// translated later where it is shown. The text itself is the English wording.
#define WILDCREST_TEXT(context, text) text

namespace wildcrest
{

// The words the game shows and speaks, in the player's language. This class
// is the game's own English; a translation overrides `lookup`. Every text is
// asked for by its English wording and a context that groups it for the
// translators ("Table", "Speech", "Menu" ...), and falls back to the English
// where the translation lacks it.
class Wording
{
public:
    virtual ~Wording() = default;

    // `english` in the player's language. With a `count`, a translation picks
    // its plural form, and %n in the text becomes the count.
    std::string translate(const char *context, const char *english, const char *disambiguation = nullptr, int count = -1) const;

    // The language's code, as speech and the settings name it ("en", "de").
    virtual std::string language() const
    {
        return "en";
    }

    // A number with `decimals` places, as the language writes it ("2.5", "2,5").
    std::string decimal(double value, int decimals) const;

protected:
    // The translation of `english`, or "" where there is none.
    virtual std::string lookup(const char *context, const char *english, const char *disambiguation, int count) const;
};

// The game's own English.
const Wording &englishWording();

// `pattern` with %1, %2 ... replaced by `args` in order.
std::string fill(std::string pattern, std::initializer_list<std::string> args);
std::string fill(std::string pattern, const std::vector<std::string> &args);

// The languages the game has words for, English first.
const std::vector<std::string> &gameLanguages();

} // namespace wildcrest
