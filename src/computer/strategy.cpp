// SPDX-License-Identifier: GPL-3.0-or-later
#include "computer/strategy.h"

#include <sstream>

#include "rules/rules.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace wildcrest
{

namespace
{

    // The cards of `column` other than the one in `skipped` that could follow `card` on the pile.
    int followers(const MatchState &match, int column, int skipped, const Card &card)
    {
        int count = 0;
        for (int i = 1; i <= kHandPlaces; ++i) {
            const Card &other = match.hand[i][column];
            if (i != skipped && !other.empty() && !other.isEight() && (other.suit() == card.suit() || other.rank() == card.rank()))
                ++count;
        }
        return count;
    }

    // The non-eights of `column` in each suit, in the order H, D, S, C.
    std::array<int, 4> suitCounts(const MatchState &match, int column)
    {
        static constexpr char kSuits[] = { 'H', 'D', 'S', 'C' };
        std::array<int, 4> counts {};
        for (int i = 1; i <= kHandPlaces; ++i)
            for (int s = 0; s < 4; ++s)
                counts[s] += !match.hand[i][column].empty() && !match.hand[i][column].isEight() && match.hand[i][column].suit() == kSuits[s];
        return counts;
    }

    // How many cards of each suit (H, D, S, C), eights left out, `column` has not
    // seen: neither in its hand nor on the pile. The other side can hold only these.
    std::array<int, 4> unseen(const MatchState &match, int column)
    {
        std::array<int, 4> counts { 12, 12, 12, 12 };
        const auto seen = [&counts](const Card &card) {
            if (!card.empty() && !card.isEight())
                --counts[std::size_t(std::string_view("HDSC").find(card.suit()))];
        };
        for (int i = 1; i <= kHandPlaces; ++i)
            seen(match.hand[i][column]);
        for (int i = 1; i < match.backdeckplace; ++i) // the pile's own card is the record's last
            seen(match.backdeck[i]);
        return counts;
    }

    std::size_t suitIndex(const Card &card)
    {
        return std::size_t(std::string_view("HDSC").find(card.suit()));
    }

    char suitAt(std::size_t index)
    {
        return "HDSC"[index];
    }

    // The playable place that scores best by `score`, eights only when nothing else can be played.
    template <typename Score> int best(const MatchState &match, int column, Score score)
    {
        int chosen = 0;
        int chosenScore = 0;
        for (int place : playableplaces(match, column)) {
            const Card &card = match.hand[place][column];
            const int s = card.isEight() ? -1000 : score(place, card);
            if (chosen == 0 || s > chosenScore) {
                chosen = place;
                chosenScore = s;
            }
        }
        return chosen;
    }

    class Standard : public Strategy
    {
    public:
        int choose(const MatchState &match, int column) override
        {
            return computerchoice(match, column);
        }
        char suit(const MatchState &match, int column) override
        {
            return computersuit(match, column);
        }
    };

    // For a beginner: the card that leaves it the fewest cards to follow with,
    // the lowest first, so its high cards stay in its hand; and a suit it holds
    // the fewest of.
    class Gentle : public Strategy
    {
    public:
        int choose(const MatchState &match, int column) override
        {
            return best(match, column, [&](int place, const Card &card) { return -10 * followers(match, column, place, card) - cardpoints(card); });
        }
        char suit(const MatchState &match, int column) override
        {
            const std::array<int, 4> counts = suitCounts(match, column);
            return suitAt(std::size_t(std::min_element(counts.begin(), counts.end()) - counts.begin()));
        }
    };

    // Plays well: the card that leaves it the most cards to follow with, the
    // heaviest first so its penalty shrinks early, into the suits the other
    // side is least likely to hold: those it drew on, and those whose cards it
    // has not seen many of; eights kept for when it cannot follow, or to change
    // the suit when the other side is down to two cards; and the suit it holds
    // most of, one the other side drew on first.
    class Clever : public Strategy
    {
    public:
        int choose(const MatchState &match, int column) override
        {
            const int other = column == kComputer ? kPlayer : kComputer;
            const int left = cardsIn(match, other);
            watch(match, left);
            const int weight = left > 3 ? 10 : 1;
            const std::array<int, 4> hidden = unseen(match, column);
            const int place = best(match, column, [&](int p, const Card &card) {
                const std::size_t s = suitIndex(card);
                return weight * followers(match, column, p, card) + cardpoints(card) - 5 * hidden[s] + (lacks_[s] ? 40 : 0);
            });
            int played = place;
            if (left <= 2 && place != 0 && !match.hand[place][column].isEight())
                for (int i = 1; i <= kHandPlaces; ++i)
                    if (match.hand[i][column].isEight())
                        played = i;
            pile_ = played ? match.hand[played][column] : match.curcard;
            return played;
        }
        char suit(const MatchState &match, int column) override
        {
            const std::array<int, 4> counts = suitCounts(match, column);
            std::size_t named = 0;
            for (std::size_t s = 1; s < 4; ++s)
                if (counts[s] + 4 * (lacks_[s] && counts[s] > 0) > counts[named] + 4 * (lacks_[named] && counts[named] > 0))
                    named = s;
            pile_ = Card('8', suitAt(named));
            return suitAt(named);
        }
        // "0100 8H 5 2": the suits the other side lacks (H, D, S, C as suitAt
        // counts them), the pile as this side left it, the other's cards, the round.
        std::string memory() const override
        {
            std::string lacks;
            for (bool lack : lacks_)
                lacks += lack ? '1' : '0';
            return lacks + ' ' + (pile_.empty() ? "-" : pile_.code()) + ' ' + std::to_string(otherLeft_) + ' ' + std::to_string(round_);
        }
        bool recall(const std::string &memory) override
        {
            std::istringstream in(memory);
            std::string lacks, pile;
            int left = -1, round = -1;
            if (!(in >> lacks >> pile >> left >> round) || !in.eof() || lacks.size() != 4 || lacks.find_first_not_of("01") != std::string::npos
                || (pile != "-" && !Card::fromCode(pile)) || left < 0 || left > kDeckSize || round < 0 || round > 5)
                return false;
            for (std::size_t s = 0; s < 4; ++s)
                lacks_[s] = lacks[s] == '1';
            pile_ = pile == "-" ? Card {} : *Card::fromCode(pile);
            otherLeft_ = left;
            round_ = round;
            return true;
        }

    private:
        static int cardsIn(const MatchState &match, int column)
        {
            int count = 0;
            for (int i = 1; i <= kHandPlaces; ++i)
                count += !match.hand[i][column].empty();
            return count;
        }

        // What the other side did since this side's last turn: a draw on the
        // pile this side left means it held nothing of that suit; a card it
        // played (or an eight's suit it named) means it may hold that suit.
        void watch(const MatchState &match, int left)
        {
            if (match.gamecount != round_ || left > otherLeft_ + 1 || pile_.empty())
                lacks_ = {};
            else if (left == otherLeft_ + 1 && match.curcard == pile_)
                lacks_[suitIndex(pile_)] = true;
            else if (match.curcard != pile_ && !match.curcard.empty())
                lacks_[suitIndex(match.curcard)] = false;
            round_ = match.gamecount;
            otherLeft_ = left;
        }

        std::array<bool, 4> lacks_ {};
        Card pile_; // the pile as this side left it
        int otherLeft_ = 0;
        int round_ = 0;
    };

} // namespace

const std::vector<std::string> &strategyLevels()
{
    static const std::vector<std::string> levels { "gentle", "standard", "clever" };
    return levels;
}

std::unique_ptr<Strategy> makeStrategy(const std::string &level)
{
    if (level == "gentle")
        return std::make_unique<Gentle>();
    if (level == "standard")
        return std::make_unique<Standard>();
    if (level == "clever")
        return std::make_unique<Clever>();
    return nullptr;
}

} // namespace wildcrest
