// SPDX-License-Identifier: GPL-3.0-or-later
// The game in each of its languages: every text translated, every caption
// fitting its label at every scale, whole matches spoken in the language, and
// English wherever a translation lacks a text.
#include "cards/random.h"
#include "game/gameform.h"
#include "language/qt/qtwording.h"
#include "player/scanroom.h"
#include "switchuser.h"
#include "table/headless/headlessview.h"
#include "table/layout.h"
#include "table/qt/qttableview.h"

#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

using namespace wildcrest;
using namespace wildcrest::simulation;
using namespace std::chrono_literals;

namespace
{

struct Message {
    std::string context;
    std::string source;
    std::string disambiguation;
    std::vector<std::string> forms; // one, or the plural forms
    bool finished = true;
};

// The messages of the language's translation file in the sources.
std::vector<Message> messagesOf(const std::string &language)
{
    QFile file(QString::fromStdString(std::string(WILDCREST_SOURCE_DIR) + "/src/language/translations/wildcrest_" + language + ".ts"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    std::string context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        if (name == u"message")
            messages.push_back({ context, {}, {}, {}, true });
        else if (name == u"name")
            context = xml.readElementText().toStdString();
        else if (name == u"source")
            messages.back().source = xml.readElementText().toStdString();
        else if (name == u"comment")
            messages.back().disambiguation = xml.readElementText().toStdString();
        else if (name == u"numerusform")
            messages.back().forms.push_back(xml.readElementText().toStdString());
        else if (name == u"translation") {
            messages.back().finished = xml.attributes().value("type").isEmpty();
            if (xml.readNext() == QXmlStreamReader::Characters && !xml.isWhitespace())
                messages.back().forms.push_back(xml.text().toString().toStdString());
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

std::vector<std::string> translations()
{
    return { gameLanguages().begin() + 1, gameLanguages().end() };
}

std::multiset<std::string> markers(const std::string &text)
{
    std::multiset<std::string> found;
    static const QRegularExpression marker("%[1-9n]");
    for (const QRegularExpressionMatch &m : marker.globalMatch(QString::fromStdString(text)))
        found.insert(m.captured().toStdString());
    return found;
}

// The texts of a context, in a language ("en": the sources' own).
std::vector<std::string> textsOf(const std::string &context, const Wording &words)
{
    std::vector<std::string> texts;
    for (const Message &m : messagesOf("de"))
        if (m.context == context)
            texts.push_back(words.translate(context.c_str(), m.source.c_str()));
    return texts;
}

} // namespace

TEST(Translations, EveryTextIsTranslatedKeepingItsMarkersAndEveryLanguageIsBuiltIn)
{
    const std::vector<Message> german = messagesOf("de");
    ASSERT_GT(german.size(), 150u);
    for (const std::string &language : translations()) {
        SCOPED_TRACE(language);
        const std::vector<Message> messages = messagesOf(language);
        EXPECT_EQ(messages.size(), german.size()); // every file brought up to date with the sources
        for (const Message &m : messages) {
            SCOPED_TRACE(m.context + ": " + m.source);
            EXPECT_TRUE(m.finished);
            ASSERT_FALSE(m.forms.empty());
            for (const std::string &form : m.forms) {
                EXPECT_FALSE(form.empty());
                // A translation says the same numbers and names as the English; a
                // plural form may leave out the count ("une carte").
                std::multiset<std::string> wanted = markers(m.source), given = markers(form);
                if (m.forms.size() > 1)
                    wanted.erase("%n"), given.erase("%n");
                EXPECT_EQ(given, wanted) << form;
            }
        }
        const QtWording words(language);
        EXPECT_EQ(words.language(), language);
        EXPECT_NE(words.translate("Table", "Tie Game!"), "Tie Game!");
    }
}

TEST(Translations, EnglishStandsWhereATranslationLacksTheTextOrTheLanguage)
{
    const QtWording german("de");
    EXPECT_EQ(german.translate("Table", "a text no translation has"), "a text no translation has");
    EXPECT_EQ(german.translate("Table", "%n cards", nullptr, 3), german.translate("Table", "%n cards", nullptr, 3)); // steady
    EXPECT_EQ(fill(german.translate("Nowhere", "Round: %1 of 5"), { "2" }), "Round: 2 of 5"); // a context it lacks

    for (const char *lacking : { "pt", "", "de_DE", "../de" }) {
        const QtWording words(lacking);
        EXPECT_EQ(words.language(), "en") << lacking;
        EXPECT_EQ(words.translate("Table", "Tie Game!"), "Tie Game!");
        EXPECT_EQ(words.decimal(2.5, 2), "2.50");
    }
    EXPECT_EQ(englishWording().translate("Table", "%n cards", nullptr, 12), "12 cards");
    EXPECT_EQ(fill("%2 before %1, %3 stays, %1 again", { "a", "%1" }), "%1 before a, %3 stays, a again");

    EXPECT_EQ(chosenLanguage("auto", { "de-AT", "en-US" }), "de");
    EXPECT_EQ(chosenLanguage("auto", { "pt-BR", "nl_BE", "fr" }), "nl");
    EXPECT_EQ(chosenLanguage("auto", { "pt-BR" }), "en");
    EXPECT_EQ(chosenLanguage("auto", {}), "en");
    EXPECT_EQ(chosenLanguage("fr", { "de-DE" }), "fr");
}

TEST(Translations, EveryCaptionFitsItsLabelInEveryLanguageAtEveryScale)
{
    for (const std::string &language : gameLanguages()) {
        const QtWording words(language);
        // The longest texts the game writes into its labels, besides the layout's own.
        std::vector<std::pair<Control, std::string>> written { { Label1, fill(words.translate("Table", "Round: %1 of 5"), { "5" }) }, { Label4, "1900" } };
        for (const std::string &prompt : textsOf("Prompts", words))
            written.emplace_back(Label18, prompt);
        for (const std::string &item : textsOf("Menu", words))
            written.emplace_back(menuitem(1), item);
        ASSERT_GE(written.size(), 2u + 4u + 5u);
        for (double scale : kTableScales) {
            SCOPED_TRACE(language + " at " + std::to_string(scale));
            TableLook look;
            look.scale = scale;
            QtTableView view(WILDCREST_GAME_DIR, look, words);
            std::vector<std::pair<Control, std::string>> captions = written;
            for (const ControlSpec &entry : tableLayout())
                if (entry.control.kind == ControlKind::Label && !entry.caption.empty())
                    captions.emplace_back(entry.control, words.translate("Table", entry.caption.c_str()));
            for (const auto &[control, caption] : captions) {
                auto *label = qobject_cast<QLabel *>(view.widgetOf(control));
                ASSERT_NE(label, nullptr);
                EXPECT_LE(label->fontMetrics().horizontalAdvance(QString::fromStdString(caption)), label->contentsRect().width())
                    << control.name() << ": " << caption;
            }
            // The table shows the layout's captions in the language.
            EXPECT_EQ(qobject_cast<QLabel *>(view.widgetOf(Label15))->text().toStdString(), words.translate("Table", "Tie Game!"));
            // The title screen's lines keep clear of its cards.
            for (const ControlSpec &line : tableLayout()) {
                const auto *label = qobject_cast<QLabel *>(view.widgetOf(line.control));
                if (!line.onTitleScreen || !label)
                    continue;
                const int width = std::min(label->fontMetrics().horizontalAdvance(label->text()), label->width());
                const QRect text(label->geometry().center().x() - width / 2, label->y(), width, label->height());
                for (const ControlSpec &card : tableLayout()) {
                    const bool aCard = card.onTitleScreen && card.shows.kind == Picture::Kind::Face;
                    EXPECT_FALSE(aCard && text.intersects(view.widgetOf(card.control)->geometry()))
                        << line.control.name() << " runs into " << card.control.name();
                }
            }
        }
    }
}

TEST(Translations, TheWindowWritesAndNamesTheGameInItsLanguage)
{
    const QtWording french("fr");
    QtTableView view(WILDCREST_GAME_DIR, {}, french);
    ClockFoldedRandom random(1);
    GameForm game(view, random);
    game.load();
    const std::string round = fill(french.translate("Table", "Round: %1 of 5"), { "1" });
    EXPECT_NE(round, "Round: 1 of 5");
    EXPECT_EQ(qobject_cast<QLabel *>(view.widgetOf(Label1))->text().toStdString(), round);
    EXPECT_EQ(view.widgetOf(Image45)->accessibleName().toStdString(), french.translate("Table", "Pile: empty"));
    EXPECT_EQ(qobject_cast<QLabel *>(view.widgetOf(Label2))->text().toStdString(), french.translate("Table", "Player"));
}

namespace
{

// Everything said in a whole match with speech and prompts, the player taking
// the second card offered whenever there is one.
std::vector<std::string> spokenMatch(const Wording &words, std::uint64_t seed)
{
    HeadlessView view;
    view.setWords(words);
    view.setTimeLimit(std::chrono::hours(24));
    ClockFoldedRandom random(seed);
    ScanRoom scan(view);
    scan.settings.speech = true;
    scan.settings.prompts = true;
    GameForm game(view, random, scan);
    SwitchUser user(view, game, [](const Situation &s) -> std::optional<Moment> {
        if (s.wait == Wait::Other || ((s.wait == Wait::Offer || s.wait == Wait::Suit) && s.offer < 2))
            return std::nullopt;
        return 500ms;
    });
    int rounds = 0;
    game.onTurnEnd([&](const GameForm &g) {
        user.turnEnded();
        if (g.reset == kTrue && ++rounds == 5)
            view.closeAt(view.now());
    });
    try {
        game.load();
        game.activate();
    } catch (const GameEnded &) {
    }
    return view.spoken();
}

} // namespace

TEST(Translations, AWholeMatchIsSpokenInTheChosenLanguage)
{
    const std::vector<std::string> english = spokenMatch(englishWording(), 11);
    ASSERT_GT(english.size(), 50u);
    for (const std::string &language : translations()) {
        SCOPED_TRACE(language);
        const QtWording words(language);
        // Texts a language writes as English does ("menu" in Dutch).
        std::set<std::string> same;
        for (const Message &m : messagesOf(language))
            if (m.forms.size() == 1 && m.forms[0] == m.source)
                same.insert(m.source);
        const std::vector<std::string> spoken = spokenMatch(words, 11);
        ASSERT_EQ(spoken.size(), english.size()); // the same match, told in another language
        for (std::size_t i = 0; i < spoken.size(); ++i) {
            EXPECT_EQ(spoken[i].find('%'), std::string::npos) << spoken[i];
            if (!same.count(english[i])) {
                EXPECT_NE(spoken[i], english[i]);
            }
        }
    }
}
