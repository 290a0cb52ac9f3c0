// SPDX-License-Identifier: GPL-3.0-or-later
#include "invariants.h"

#include "settings/speeds.h"
#include "table/layout.h"

#include <algorithm>
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

bool Seating::openBetweenTurns(int column) const
{
    return !handover && (column == kPlayer || twoPlayers);
}

namespace
{

    Control slotOf(int column, int k)
    {
        return column == kPlayer ? playerslot(k) : cpuslot(k);
    }

    std::string where(int column, int k)
    {
        return std::string(column == kPlayer ? "bottom" : "top") + " place " + std::to_string(k);
    }

    // Each card of the hand shows its face or its back as `open` says.
    void expectShown(const GameForm &game, const HeadlessView &view, int column, bool open, const std::string &when, InvariantReport &report)
    {
        for (int k = 1; k <= kHandPlaces; ++k) {
            const Card &card = game.match.hand[k][column];
            const Picture &shown = view.state(slotOf(column, k)).shown;
            const Picture due = card.empty() ? Picture::empty() : open ? Picture::face(card) : Picture::back();
            if (shown != due) // the message is built only for a failure: this runs for every place at every turn
                report.failures.push_back(where(column, k) + " shows " + shown.fileName() + " " + when + " instead of " + due.fileName());
            ++report.checks;
        }
    }

    // How far the card in place `k` of `column` stands out of its row, toward the pile.
    Twips outOfRow(const HeadlessView &view, int column, int k)
    {
        return column == kPlayer ? playerslotRect(k).top - view.top(playerslot(k)) : view.top(cpuslot(k)) - cpuslotRect(k).top;
    }

} // namespace

void checkHands(const GameForm &game, const HeadlessView &view, Seating seating, InvariantReport &report)
{
    for (int column : { kPlayer, kComputer })
        expectShown(game, view, column, seating.openBetweenTurns(column), "between turns", report);
}

void checkOffer(const GameForm &game, const HeadlessView &view, Seating seating, int seat, InvariantReport &report)
{
    const int mover = seat == 1 ? kComputer : kPlayer;
    const int other = seat == 1 ? kPlayer : kComputer;
    report.expect(seat == 0 || seating.twoPlayers, "a top card is on offer with the computer at the top");
    expectShown(game, view, mover, true, "on offer", report);
    expectShown(game, view, other, seating.openBetweenTurns(other), "in the other's turn", report);
    int lifted = 0;
    for (int k = 1; k <= kHandPlaces; ++k) {
        lifted += outOfRow(view, mover, k) == kLift;
        if (outOfRow(view, other, k) != 0)
            report.failures.push_back(where(other, k) + " is out of its row in the other's turn");
        ++report.checks;
    }
    report.expect(lifted == 1, std::to_string(lifted) + " cards out of the row on offer");
}

HandCards handsOf(const GameForm &game)
{
    HandCards hands;
    for (int i : { 0, 1 }) {
        for (int k = 1; k <= kHandPlaces; ++k)
            if (!game.match.hand[k][i == 0 ? kPlayer : kComputer].empty())
                hands[std::size_t(i)].push_back(game.match.hand[k][i == 0 ? kPlayer : kComputer]);
        std::sort(hands[std::size_t(i)].begin(), hands[std::size_t(i)].end());
    }
    return hands;
}

void checkMove(const HandCards &before, const GameForm &game, int column, InvariantReport &report)
{
    const HandCards after = handsOf(game);
    const std::size_t mover = column == kPlayer ? 0 : 1;
    const std::string side = column == kPlayer ? "the bottom hand" : "the top hand";
    report.expect(after[1 - mover] == before[1 - mover], "the hand not to move changed in " + side + "'s turn");
    std::vector<Card> gone, come;
    std::set_difference(before[mover].begin(), before[mover].end(), after[mover].begin(), after[mover].end(), std::back_inserter(gone));
    std::set_difference(after[mover].begin(), after[mover].end(), before[mover].begin(), before[mover].end(), std::back_inserter(come));
    if (game.drew == kTrue) {
        report.expect(gone.empty() && come.size() <= 1, side + " drew " + std::to_string(come.size()) + " and lost " + std::to_string(gone.size()));
        return;
    }
    const Card &pile = game.match.curcard;
    report.expect(come.empty() && gone.size() == 1 && (gone.front() == pile || (gone.front().isEight() && pile.isEight())),
        side + " played " + (gone.size() == 1 ? gone.front().code() : std::to_string(gone.size()) + " cards") + " and the pile shows " + pile.code());
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
