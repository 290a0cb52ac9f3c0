// SPDX-License-Identifier: GPL-3.0-or-later
#include "statejson.h"

#include "table/layout.h"

#include <sstream>

namespace wildcrest::simulation
{

namespace
{

    std::string quoted(const std::string &text)
    {
        std::string out = "\"";
        for (char c : text) {
            if (c == '"' || c == '\\')
                out += '\\';
            out += c;
        }
        return out + "\"";
    }

    template <typename Cards> std::string list(const Cards &cards)
    {
        std::string out = "[";
        for (std::size_t i = 0; i < cards.size(); ++i)
            out += (i ? "," : "") + quoted(cards[i].code());
        return out + "]";
    }

} // namespace

std::string stateJson(const GameForm &game, const HeadlessView &view, long turn)
{
    std::vector<Card> player, computer, deck, record;
    for (int i = 1; i <= kHandPlaces; ++i) {
        player.push_back(game.match.hand[i][kPlayer]);
        computer.push_back(game.match.hand[i][kComputer]);
    }
    for (int p = std::max<int>(game.match.deckplace, 1); p <= kDeckSize; ++p)
        deck.push_back(game.match.deck[p]);
    for (int p = 1; p <= kDeckSize; ++p)
        record.push_back(game.match.backdeck[p]);
    while (!record.empty() && record.back().empty())
        record.pop_back();

    std::ostringstream out;
    out << "{\"turn\":" << turn << ",\"side\":" << (view.state(Label2).backColour == kRed ? "\"player\"" : "\"computer\"") << ",\"player\":" << list(player)
        << ",\"computer\":" << list(computer) << ",\"curcard\":" << quoted(game.match.curcard.code()) << ",\"real8\":" << quoted(game.match.real8.code())
        << ",\"deckplace\":" << game.match.deckplace << ",\"deck\":" << list(deck) << ",\"backdeck\":" << list(record)
        << ",\"backdeckplace\":" << game.match.backdeckplace << ",\"playerscore\":" << game.match.playerscore << ",\"cpuscore\":" << game.match.cpuscore
        << ",\"gamecount\":" << game.match.gamecount << ",\"reset\":" << game.reset << ",\"Label16\":" << quoted(view.state(Label16).caption)
        << ",\"Label1\":" << quoted(view.state(Label1).caption) << "}";
    return out.str();
}

} // namespace wildcrest::simulation
