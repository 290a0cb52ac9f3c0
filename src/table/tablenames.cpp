// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/tablenames.h"

#include "cards/cardnames.h"
#include "table/layout.h"

namespace wildcrest
{

void TableNames::picture(Control c, const Picture &picture)
{
    pictures_[c] = picture;
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

Picture TableNames::shown(Control c) const
{
    const auto it = pictures_.find(c);
    return it == pictures_.end() ? Picture {} : it->second;
}

bool TableNames::showsCard(Control c) const
{
    const Picture p = shown(c);
    return p.showsBack() || !p.card.empty();
}

std::string TableNames::captionOf(Control c) const
{
    const auto it = captions_.find(c);
    return it == captions_.end() ? words_.translate("Table", specOf(c).caption.c_str()) : it->second;
}

int TableNames::countShown(int first, int last) const
{
    int n = 0;
    for (int k = first; k <= last; ++k)
        if (showsCard(image(k)))
            ++n;
    return n;
}

// Players with names are told by them; the table's own words stand for "Player" and "Computer".
bool TableNames::named() const
{
    return captionOf(Label2) != say(WILDCREST_TEXT("Table", "Player")) || captionOf(Label3) != say(WILDCREST_TEXT("Table", "Computer"));
}

std::string TableNames::say(const char *english) const
{
    return words_.translate("Table", english);
}

std::string TableNames::cards(int n) const
{
    return n == 1 ? words_.translate("Table", "%n card", nullptr, n) : words_.translate("Table", "%n cards", nullptr, n);
}

// The place is counted among the cards shown, so that a hand being packed
// never names a card past its count ("card 7 of 6").
std::string TableNames::handName(Control c, int first, int count, bool players) const
{
    const Picture card = shown(c);
    const bool plainYou = players && !named();
    const std::string owner = named() ? fill(words_.translate("Table", "%1's hand"), { captionOf(players ? Label2 : Label3) })
        : players                     ? say(WILDCREST_TEXT("Table", "Your hand"))
                                      : say(WILDCREST_TEXT("Table", "Computer's hand"));
    if (!showsCard(c))
        return fill(words_.translate("Table", "%1, empty place"), { owner });
    const std::string place = std::to_string(countShown(first, c.number));
    if (card.showsBack())
        return fill(words_.translate("Table", "%1, card %2 of %3"), { owner, place, std::to_string(count) });
    // The card first: a screen reader cut short by the next offer has said it.
    const std::string name = cardName(card.card, words_);
    return plainYou ? fill(words_.translate("Table", "%1, card %2 of %3", "the card's name first"), { name, place, std::to_string(count) })
                    : fill(words_.translate("Table", "%1, card %2 of %3, %4"), { name, place, std::to_string(count), owner });
}

std::string TableNames::nameOf(Control c) const
{
    if (c.kind == ControlKind::Image && c.number >= 1 && c.number <= 22)
        return handName(c, 1, countShown(1, 22), true);
    if (c.kind == ControlKind::Image && c.number >= 23 && c.number <= 44)
        return handName(c, 23, countShown(23, 44), false);
    if (c == shape(3))
        return named() ? fill(words_.translate("Table", "%1's hand: %2"), { captionOf(Label2), cards(countShown(1, 22)) })
                       : fill(words_.translate("Table", "Your hand: %1"), { cards(countShown(1, 22)) });
    if (c == shape(4))
        return named() ? fill(words_.translate("Table", "%1's hand: %2"), { captionOf(Label3), cards(countShown(23, 44)) })
                       : fill(words_.translate("Table", "Computer's hand: %1"), { cards(countShown(23, 44)) });
    if (c == Image45) {
        const Card card = shown(c).card;
        if (offered_ == Image45 && !card.empty())
            return fill(words_.translate("Table", "%1, name a suit"), { suitName(card.suit(), words_) });
        if (card.empty())
            return words_.translate("Table", "Pile: empty");
        if (card.isEight()) // an eight on the pile always shows the suit it named
            return fill(words_.translate("Table", "Pile: eight, %1 named"), { suitName(card.suit(), words_) });
        return fill(words_.translate("Table", "Pile: %1"), { cardName(card, words_) });
    }
    if (c == Image46 || c == Label16) // the second back behind is the same deck
        return fill(words_.translate("Table", "Deck: %1"), { cards(std::stoi("0" + captionOf(Label16))) });
    if (c == Image48 || c == Image49)
        return words_.translate("Table", "Card on its way");
    if (c == Label1) {
        std::string text = captionOf(Label1);
        const std::size_t colon = text.find(':');
        if (colon != std::string::npos)
            text.erase(colon > 0 && text[colon - 1] == ' ' ? colon - 1 : colon, colon > 0 && text[colon - 1] == ' ' ? 2 : 1);
        return text;
    }
    if (c == Label2 || c == Label3) {
        const auto it = turn_.find(c);
        const std::string who = captionOf(c); // "Player", "Computer", or the player's name
        return it != turn_.end() && it->second ? fill(words_.translate("Table", "%1, to play"), { who }) : who;
    }
    if ((c == Label4 || c == Label5) && named()) {
        const bool bottom = c == Label4;
        return fill(words_.translate("Table", "%1 %2, %3 %4"),
            { captionOf(bottom ? Label2 : Label3),
                captionOf(bottom ? Label4 : Label5),
                captionOf(bottom ? Label3 : Label2),
                captionOf(bottom ? Label5 : Label4) });
    }
    if (c == Label4)
        return fill(words_.translate("Table", "Player %1, Computer %2"), { captionOf(Label4), captionOf(Label5) });
    if (c == Label5)
        return fill(words_.translate("Table", "Computer %1, Player %2"), { captionOf(Label5), captionOf(Label4) });
    if (c == image(51))
        return "Wildcrest";
    if (c == image(50))
        return words_.translate("Table", "The Wildcrest crest");
    if (c == image(56))
        return words_.translate("Table", "One switch. Every card.");
    if (c.kind == ControlKind::Image) {
        const Card card = shown(c).card;
        return card.empty() ? std::string() : cardName(card, words_);
    }
    return {};
}

std::string TableNames::offerName(Control c) const
{
    if (c.kind == ControlKind::Label && c.number > menuitem(0).number && c.number <= menuitem(kMenuItems).number)
        return fill(words_.translate("Table", "%1, menu"), { captionOf(c) });
    const std::string name = nameOf(c);
    return name.empty() ? captionOf(c) : name;
}

} // namespace wildcrest
