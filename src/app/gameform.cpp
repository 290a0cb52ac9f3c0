#include "app/gameform.h"

#include "cards/picturepaths.h"

namespace wildcrest
{

GameForm::GameForm(TableView &view, RandomSource &random, std::string appdir)
    : view_(view)
    , random_(random)
    , appdir_(std::move(appdir))
{
    switches_.onCounted([this](int, Moment) { hitkey = kTrue; });
    view_.setSwitchHandler([this](const SwitchEvent &e) { switchevent(e); });
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
