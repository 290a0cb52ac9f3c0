// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/switchrecord.h"

#include <array>
#include <utility>

namespace wildcrest
{

namespace
{
    constexpr std::array kRowKinds {
        std::pair { RowKind::Offer, "offer" }, std::pair { RowKind::Press, "press" }, std::pair { RowKind::Pass, "pass" }, std::pair { RowKind::Take, "take" }
    };
    constexpr std::array kOfferKinds { std::pair { OfferKind::None, "none" },
        std::pair { OfferKind::Card, "card" },
        std::pair { OfferKind::Suit, "suit" },
        std::pair { OfferKind::Menu, "menu" },
        std::pair { OfferKind::Title, "title" },
        std::pair { OfferKind::Wait, "wait" } };
    constexpr std::array kOutcomes { std::pair { Outcome::Shown, "shown" },
        std::pair { Outcome::Taken, "taken" },
        std::pair { Outcome::Late, "late" },
        std::pair { Outcome::Moved, "moved" },
        std::pair { Outcome::Debounced, "debounced" },
        std::pair { Outcome::ReleasedEarly, "released-early" },
        std::pair { Outcome::NoPress, "no-press" },
        std::pair { Outcome::OutOfTurn, "out-of-turn" },
        std::pair { Outcome::Menu, "menu" } };

    template <typename Names, typename Value> const char *nameOf(const Names &names, Value value)
    {
        for (const auto &[v, name] : names)
            if (v == value)
                return name;
        return "";
    }

    template <typename Names> auto valueNamed(const Names &names, const std::string &name) -> std::optional<decltype(names[0].first)>
    {
        for (const auto &[v, n] : names)
            if (name == n)
                return v;
        return std::nullopt;
    }
} // namespace

const char *rowKindName(RowKind kind)
{
    return nameOf(kRowKinds, kind);
}

const char *offerKindName(OfferKind kind)
{
    return nameOf(kOfferKinds, kind);
}

const char *outcomeName(Outcome outcome)
{
    return nameOf(kOutcomes, outcome);
}

std::optional<RowKind> rowKindNamed(const std::string &name)
{
    return valueNamed(kRowKinds, name);
}

std::optional<OfferKind> offerKindNamed(const std::string &name)
{
    return valueNamed(kOfferKinds, name);
}

std::optional<Outcome> outcomeNamed(const std::string &name)
{
    return valueNamed(kOutcomes, name);
}

} // namespace wildcrest
