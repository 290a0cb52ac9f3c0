// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gameform.h"

#include "cards/picturepaths.h"
#include "player/scanroom.h"

namespace wildcrest
{

GameForm::GameForm(TableView &view, RandomSource &random, std::string appdir, Scanning &scan)
    : GameForm(view, random, std::move(appdir), nullptr, &scan)
{
}

GameForm::GameForm(TableView &view, RandomSource &random, std::string appdir)
    : GameForm(view, random, std::move(appdir), std::make_unique<ScanRoom>(view), nullptr)
{
}

GameForm::GameForm(TableView &view, RandomSource &random, std::string appdir, std::unique_ptr<Scanning> own, Scanning *scan)
    : ownScan_(std::move(own))
    , view_(view)
    , scan_(scan ? *scan : *ownScan_)
    , random_(random)
    , appdir_(std::move(appdir))
{
    switches_.onCounted([this](int, Moment) { hitkey = kTrue; });
    view_.setSwitchHandler([this](const SwitchEvent &e) { switchevent(e); });
}

GameForm::~GameForm() = default;

void GameForm::announce(const std::string &text)
{
    scan_.announce(text);
}

std::string GameForm::facepath(const CardCode &code) const
{
    return wildcrest::facepath(appdir_, code);
}

std::string GameForm::picturepath(const std::string &name) const
{
    return wildcrest::picturepath(appdir_, name);
}

std::int32_t GameForm::Rand(std::int32_t Low, std::int32_t High)
{
    return random_.rand(Low, High);
}

void GameForm::reseed()
{
    random_.reseed(static_cast<std::uint64_t>(view_.now().count()));
}

} // namespace wildcrest
