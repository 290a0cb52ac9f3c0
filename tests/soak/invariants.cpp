// SPDX-License-Identifier: GPL-3.0-or-later
#include "invariants.h"

#include "table/layout.h"

#include <map>

namespace wildcrest::simulation
{

void InvariantReport::expect(bool ok, const std::string &what)
{
    ++checks;
    if (!ok)
        failures.push_back(what);
}

void checkCards(const GameForm &game, const HeadlessView &view, InvariantReport &report)
{
    std::map<Card, int> seen;
    for (int p = std::max<int>(game.match.deckplace, 1); p <= kDeckSize; ++p)
        if (!game.match.deck[p].empty())
            ++seen[game.match.deck[p]];
    for (int column : { kPlayer, kComputer }) {
        bool gap = false;
        for (int i = 1; i <= kHandPlaces; ++i) {
            const Card &card = game.match.hand[i][column];
            if (card.empty()) {
                gap = true;
            } else {
                report.expect(!gap, "hand " + std::to_string(column) + " has a gap before place " + std::to_string(i));
                ++seen[card];
            }
        }
    }
    int recorded = 0;
    for (int p = 1; p <= kDeckSize; ++p) {
        if (game.match.backdeck[p].empty())
            continue;
        report.expect(p == recorded + 1, "the pile record has a gap before place " + std::to_string(p));
        recorded = p;
        ++seen[game.match.backdeck[p]];
    }
    report.expect(game.match.backdeckplace >= 1 && game.match.backdeckplace <= kDeckSize, "backdeckplace is " + std::to_string(game.match.backdeckplace));
    report.expect(
        game.match.backdeckplace == recorded + 1, "backdeckplace " + std::to_string(game.match.backdeckplace) + " is not after the record's last card");

    for (int position = 1; position <= kDeckSize; ++position) {
        const Card card = canonicalCard(position);
        const int n = seen.count(card) ? seen.at(card) : 0;
        report.expect(n == 1, card.code() + " is in " + std::to_string(n) + " places");
    }
    report.expect(seen.size() == 52u, std::to_string(seen.size()) + " different codes in play");

    if (recorded > 0) {
        const Card &last = game.match.backdeck[recorded];
        const bool matches = game.match.curcard.isEight() ? last.isEight() : last == game.match.curcard;
        report.expect(matches, "the record ends with " + last.code() + " but the pile shows " + game.match.curcard.code());
    }
    report.expect(game.match.real8.empty(), "real8 still holds " + game.match.real8.code());

    const std::string counter = view.state(Label16).caption;
    if (game.reset == kTrue)
        report.expect(counter == "39" && game.match.cardsleft() == 37, "after the deal the counter reads " + counter);
    else
        report.expect(
            counter == std::to_string(game.match.cardsleft()), "the counter reads " + counter + " with " + std::to_string(game.match.cardsleft()) + " left");
}

void checkTable(const HeadlessView &view, InvariantReport &report)
{
    const auto at = [&](Control c, Rect r) {
        report.expect(view.left(c) == r.left && view.top(c) == r.top,
            c.name() + " stands at (" + std::to_string(view.left(c)) + ", " + std::to_string(view.top(c)) + ")");
    };
    for (int k = 1; k <= kHandPlaces; ++k) {
        at(playerslot(k), playerslotRect(k));
        at(cpuslot(k), cpuslotRect(k));
    }
    for (Control c : { Image45, Image46, Image47 })
        at(c, specOf(c).rect);
    report.expect(!view.state(Image48).visible && !view.state(Image49).visible, "a travelling card is still shown");
    report.expect(!view.state(Shape2).visible, "the suit frame is still shown");
    report.expect(!view.state(Frame1).visible, "the title screen is back");
    for (int k = 1; k <= kMenuItems; ++k)
        report.expect(!view.state(menuitem(k)).visible, "menu item " + std::to_string(k) + " is still shown");
    report.expect(!view.state(MenuBackdrop).visible && !view.state(MenuQuestion).visible, "the menu's backdrop or question is still shown");
    report.expect(!view.offerMark().has_value(), "an offer is still framed");
}

} // namespace wildcrest::simulation
