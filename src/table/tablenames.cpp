// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/tablenames.h"

#include "cards/cardnames.h"
#include "table/layout.h"

namespace wildcrest
{

namespace
{

    std::string stemOf(const std::string &path)
    {
        const std::size_t slash = path.find_last_of("/\\");
        std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
        return file.substr(0, file.find_last_of('.'));
    }

    bool isCardCode(const std::string &stem)
    {
        static const std::string ranks = "A23456789TJQK";
        static const std::string suits = "SCHD";
        return stem.size() == 2 && ranks.find(stem[0]) != std::string::npos && suits.find(stem[1]) != std::string::npos;
    }

    std::string cards(int n)
    {
        return std::to_string(n) + (n == 1 ? " card" : " cards");
    }

} // namespace

void TableNames::picture(Control c, const std::string &path)
{
    const std::string stem = stemOf(path);
    if (isCardCode(stem))
        pictures_[c] = stem;
    else if (stem == "Back" || stem == "Card")
        pictures_[c] = "back";
    else
        pictures_[c] = "";
}

void TableNames::caption(Control c, const std::string &text)
{
    captions_[c] = text;
}

void TableNames::backColour(Control c, Colour colour)
{
    turn_[c] = colour == kRed;
}

void TableNames::offered(std::optional<Control> c)
{
    offered_ = c;
}

std::string TableNames::shown(Control c) const
{
    const auto it = pictures_.find(c);
    return it == pictures_.end() ? std::string() : it->second;
}

std::string TableNames::captionOf(Control c) const
{
    const auto it = captions_.find(c);
    return it == captions_.end() ? specOf(c).caption : it->second;
}

int TableNames::countShown(int first, int last) const
{
    int n = 0;
    for (int k = first; k <= last; ++k)
        if (!shown(image(k)).empty())
            ++n;
    return n;
}

std::string TableNames::handName(Control c, int place, int count, const std::string &owner) const
{
    const std::string card = shown(c);
    if (card.empty())
        return owner + ", empty place";
    std::string name = owner + ", card " + std::to_string(place) + " of " + std::to_string(count);
    return card == "back" ? name : name + ": " + cardName(card);
}

std::string TableNames::nameOf(Control c) const
{
    if (c.kind == ControlKind::Image && c.number >= 1 && c.number <= 22)
        return handName(c, c.number, countShown(1, 22), "Your hand");
    if (c.kind == ControlKind::Image && c.number >= 23 && c.number <= 44)
        return handName(c, c.number - 22, countShown(23, 44), "Computer's hand");
    if (c == shape(3))
        return "Your hand: " + cards(countShown(1, 22));
    if (c == shape(4))
        return "Computer's hand: " + cards(countShown(23, 44));
    if (c == Image45) {
        const std::string card = shown(c);
        if (offered_ == Image45 && card.size() == 2)
            return "Name a suit: " + suitName(card[1]);
        if (card.size() != 2)
            return "Pile: empty";
        if (card[0] == '8') // an eight on the pile always shows the suit it named
            return "Pile: eight, " + suitName(card[1]) + " named";
        return "Pile: " + cardName(card);
    }
    if (c == Image46 || c == Label16) // the second back behind is the same deck
        return "Deck: " + cards(std::stoi("0" + captionOf(Label16)));
    if (c == Image48 || c == Image49)
        return "Card on its way";
    if (c == Label1) {
        std::string text = captionOf(Label1);
        const std::size_t colon = text.find(':');
        if (colon != std::string::npos)
            text.erase(colon, 1);
        return text;
    }
    if (c == Label2 || c == Label3) {
        const auto it = turn_.find(c);
        const std::string who = c == Label2 ? "Player" : "Computer";
        return it != turn_.end() && it->second ? who + ", to play" : who;
    }
    if (c == Label4)
        return "Player " + captionOf(Label4) + ", Computer " + captionOf(Label5);
    if (c == Label5)
        return "Computer " + captionOf(Label5) + ", Player " + captionOf(Label4);
    if (c == image(51))
        return "Wildcrest";
    if (c == image(50))
        return "The Wildcrest crest";
    if (c == image(56))
        return "One switch. Every card.";
    if (c.kind == ControlKind::Image) {
        const std::string card = shown(c);
        return card.size() == 2 ? cardName(card) : std::string();
    }
    return {};
}

} // namespace wildcrest
