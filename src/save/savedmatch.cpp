// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/savedmatch.h"

#include "computer/strategy.h"
#include "player/scanmethod.h"

#include <charconv>
#include <map>
#include <sstream>
#include <vector>

namespace wildcrest
{

namespace
{

    const char *const kFirstWords = "wildcrest match";

    std::string written(const Card &card)
    {
        return card.empty() ? "-" : card.code();
    }

    std::string hexText(std::uint64_t n)
    {
        static const char digits[] = "0123456789abcdef";
        std::string text(16, '0');
        for (int i = 15; i >= 0; --i, n >>= 4)
            text[std::size_t(i)] = digits[n & 15];
        return text;
    }

    template <std::size_t N> std::string allPlaces(const std::array<Card, N> &cards)
    {
        std::string text;
        for (std::size_t i = 1; i < N; ++i)
            text += ' ' + written(cards[i]);
        return text;
    }

    struct Unreadable {
        std::string why;
    };

    // The save's lines one by one, each a key and its words.
    class Lines
    {
    public:
        explicit Lines(std::string_view text)
        {
            std::size_t from = 0;
            while (from < text.size()) {
                const std::size_t end = text.find('\n', from);
                if (end == std::string_view::npos)
                    throw Unreadable { "it is cut short" }; // every line ends, the last one too
                lines_.push_back(text.substr(from, end - from));
                from = end + 1;
            }
        }
        // The words of the next line, which must start with `key`.
        std::vector<std::string_view> next(std::string_view key)
        {
            if (at_ >= lines_.size())
                throw Unreadable { "it is cut short before \"" + std::string(key) + "\"" };
            std::vector<std::string_view> words;
            const std::string_view line = lines_[at_++];
            for (std::size_t from = 0; from <= line.size();) {
                const std::size_t end = std::min(line.find(' ', from), line.size());
                words.push_back(line.substr(from, end - from));
                from = end + 1;
            }
            if (words.front() != key)
                throw Unreadable { "line " + std::to_string(at_) + " is not \"" + std::string(key) + "\"" };
            words.erase(words.begin());
            return words;
        }
        std::string_view only(std::string_view key)
        {
            const auto words = next(key);
            if (words.size() != 1)
                throw Unreadable { "\"" + std::string(key) + "\" wants one word" };
            return words.front();
        }
        // What the next line says after `key` and a space, whole.
        std::string_view rest(std::string_view key)
        {
            if (at_ >= lines_.size())
                throw Unreadable { "it is cut short before \"" + std::string(key) + "\"" };
            const std::string_view line = lines_[at_++];
            if (line == key)
                return {};
            if (line.substr(0, key.size() + 1) != std::string(key) + ' ')
                throw Unreadable { "line " + std::to_string(at_) + " is not \"" + std::string(key) + "\"" };
            return line.substr(key.size() + 1);
        }
        bool done() const
        {
            return at_ == lines_.size();
        }

    private:
        std::vector<std::string_view> lines_;
        std::size_t at_ = 0;
    };

    long number(std::string_view word, long low, long high, const char *what)
    {
        long n = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), n);
        if (error != std::errc() || end != word.data() + word.size() || word.empty())
            throw Unreadable { std::string(what) + " is not a number" };
        if (n < low || n > high)
            throw Unreadable { std::string(what) + " " + std::to_string(n) + " is outside " + std::to_string(low) + " to " + std::to_string(high) };
        return n;
    }

    Card card(std::string_view word)
    {
        if (word == "-")
            return Card {};
        if (const auto c = Card::fromCode(word))
            return *c;
        throw Unreadable { "\"" + std::string(word) + "\" is not a card" };
    }

    template <std::size_t N> void readPlaces(const std::vector<std::string_view> &words, std::size_t first, std::array<Card, N> &cards, const char *what)
    {
        if (words.size() != first + N - 1)
            throw Unreadable { std::string(what) + " does not list " + std::to_string(N - 1) + " places" };
        for (std::size_t i = 1; i < N; ++i)
            cards[i] = card(words[first + i - 1]);
    }

    void readHand(const std::vector<std::string_view> &words, MatchState &match, int column)
    {
        if (words.empty() || words.size() > std::size_t(kHandPlaces))
            throw Unreadable { "a hand holds 1 to 22 cards, not " + std::to_string(words.size()) };
        for (std::size_t i = 0; i < words.size(); ++i)
            if ((match.hand[i + 1][column] = card(words[i])).empty())
                throw Unreadable { "a hand has a gap" };
    }

    std::uint64_t hexNumber(std::string_view word)
    {
        std::uint64_t n = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), n, 16);
        if (word.size() != 16 || error != std::errc() || end != word.data() + word.size())
            throw Unreadable { "the generator's state is not two 16-digit numbers" };
        return n;
    }

    // What the rules could never have left on the table, or "".
    std::string impossible(const SavedMatch &saved)
    {
        const MatchState &m = saved.match;
        std::map<Card, int> seen;
        int count = 0;
        const auto add = [&](const Card &c) {
            if (!c.empty()) {
                ++seen[c];
                ++count;
            }
        };
        for (int p = 1; p <= kDeckSize; ++p) {
            if (p < m.deckplace && !m.deck[p].empty())
                return "the deck holds a card before the place it draws from";
            add(m.deck[p]);
            add(m.backdeck[p]);
            if (p < m.backdeckplace && m.backdeck[p].empty())
                return "the pile record has a gap";
            if (p >= m.backdeckplace && !m.backdeck[p].empty())
                return "the pile record goes on past its end";
        }
        for (int i = 1; i <= kHandPlaces; ++i)
            for (int column : { kPlayer, kComputer })
                add(m.hand[i][column]);
        if (count != kDeckSize)
            return std::to_string(count) + " cards, where a deck has 52";
        for (const auto &[c, n] : seen)
            if (n > 1)
                return c.code() + " is in " + std::to_string(n) + " places";
        const Card &last = m.backdeck[m.backdeckplace - 1];
        if (m.curcard.isEight() ? !last.isEight() : last != m.curcard)
            return "the pile shows " + m.curcard.code() + " but its record ends with " + last.code();
        if (!m.real8.empty() && !m.real8.isEight())
            return "the eight played is " + m.real8.code();
        return {};
    }

    SavedMatch read(std::string_view text)
    {
        if (text.size() > kLongestSave)
            throw Unreadable { "it is longer than any save" };
        const std::string_view first = text.substr(0, text.find('\n'));
        const std::string prefix = std::string(kFirstWords) + ' ';
        if (first.substr(0, prefix.size()) != prefix)
            throw Unreadable { "it is not a saved match" };
        const long version = number(first.substr(prefix.size()), 1, 1000000, "the version");
        if (version != kSaveVersion)
            throw Unreadable { "it was saved by version " + std::to_string(version) + " of the save, and this game reads version "
                + std::to_string(kSaveVersion) };
        Lines lines(text);
        lines.next("wildcrest");
        SavedMatch saved;
        MatchState &m = saved.match;
        m.gamecount = std::int16_t(number(lines.only("round"), 1, 5, "the round"));
        const auto scores = lines.next("scores");
        if (scores.size() != 2)
            throw Unreadable { "\"scores\" wants two numbers" };
        m.playerscore = std::int16_t(number(scores[0], 0, kMostPoints, "the player's score"));
        m.cpuscore = std::int16_t(number(scores[1], 0, kMostPoints, "the computer's score"));
        const std::string_view tomove = lines.only("tomove");
        if (tomove != "player" && tomove != "computer")
            throw Unreadable { "the side to move is neither the player nor the computer" };
        saved.tomove = tomove == "player" ? kPlayer : kComputer;
        if ((m.curcard = card(lines.only("pile"))).empty())
            throw Unreadable { "the pile has no card" };
        m.real8 = card(lines.only("real8"));
        readHand(lines.next("player"), m, kPlayer);
        readHand(lines.next("computer"), m, kComputer);
        const auto deck = lines.next("deck");
        m.deckplace = std::int16_t(number(deck.empty() ? "" : deck[0], 1, kDeckSize, "the deck's next place"));
        readPlaces(deck, 1, m.deck, "the deck");
        const auto record = lines.next("record");
        m.backdeckplace = std::int16_t(number(record.empty() ? "" : record[0], 2, kDeckSize, "the pile record's next place"));
        readPlaces(record, 1, m.backdeck, "the pile record");
        const auto random = lines.next("random");
        if (random.size() != 2)
            throw Unreadable { "the generator's state is not two 16-digit numbers" };
        saved.random = { hexNumber(random[0]), hexNumber(random[1]) };
        saved.computer = lines.only("level");
        const std::unique_ptr<Strategy> strategy = makeStrategy(saved.computer);
        if (!strategy)
            throw Unreadable { "the computer has no level " + saved.computer };
        const std::string_view memory = lines.rest("memory");
        saved.memory = memory;
        if (!strategy->recall(saved.memory))
            throw Unreadable { "the computer's memory cannot be taken back" };
        saved.scanMethod = lines.only("scan");
        if (!scanMethodNamed(saved.scanMethod))
            throw Unreadable { "there is no scanning method " + saved.scanMethod };
        saved.opponent = lines.rest("opponent");
        if (saved.opponent.empty())
            throw Unreadable { "the opponent has no name" };
        lines.next("end");
        if (!lines.done())
            throw Unreadable { "something follows its end" };
        if (const std::string why = impossible(saved); !why.empty())
            throw Unreadable { "its table cannot be: " + why };
        // One text for one match: no leading zeros, capitals or doubled spaces slip by.
        if (saveText(saved) != text)
            throw Unreadable { "it is not written as the game writes a save" };
        return saved;
    }

} // namespace

std::string saveText(const SavedMatch &saved)
{
    const MatchState &m = saved.match;
    std::string hands[3];
    for (int column : { kPlayer, kComputer })
        for (int i = 1; i <= kHandPlaces && !m.hand[i][column].empty(); ++i)
            hands[column] += ' ' + m.hand[i][column].code();
    std::ostringstream out;
    out << kFirstWords << ' ' << kSaveVersion << "\nround " << m.gamecount << "\nscores " << m.playerscore << ' ' << m.cpuscore << "\ntomove "
        << (saved.tomove == kPlayer ? "player" : "computer") << "\npile " << written(m.curcard) << "\nreal8 " << written(m.real8) << "\nplayer"
        << hands[kPlayer] << "\ncomputer" << hands[kComputer] << "\ndeck " << m.deckplace << allPlaces(m.deck) << "\nrecord " << m.backdeckplace
        << allPlaces(m.backdeck) << "\nrandom " << hexText(saved.random[0]) << ' ' << hexText(saved.random[1]) << "\nlevel " << saved.computer << "\nmemory"
        << (saved.memory.empty() ? "" : " ") << saved.memory << "\nscan " << saved.scanMethod << "\nopponent " << saved.opponent << "\nend\n";
    return out.str();
}

SaveReading readSave(std::string_view text)
{
    SaveReading reading;
    try {
        reading.saved = read(text);
    } catch (const Unreadable &bad) {
        reading.problem = bad.why;
    }
    return reading;
}

} // namespace wildcrest
