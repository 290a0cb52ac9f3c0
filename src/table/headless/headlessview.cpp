// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/headless/headlessview.h"

#include "table/layout.h"

#include <stdexcept>

namespace wildcrest
{

namespace
{
    constexpr std::size_t kNumbersPerKind = 64;
    constexpr std::size_t kKinds = 4;
} // namespace

std::size_t HeadlessView::indexOf(Control c)
{
    return std::size_t(c.kind) * kNumbersPerKind + std::size_t(c.number);
}

HeadlessView::HeadlessView(std::string pictureDir)
    : pictureDir_(std::move(pictureDir))
    , states_(kKinds * kNumbersPerKind)
    , exists_(kKinds * kNumbersPerKind, false)
{
    for (const ControlSpec &entry : tableLayout()) {
        ControlState s;
        s.left = entry.rect.left;
        s.top = entry.rect.top;
        s.caption = entry.caption;
        s.backColour = entry.backColour.value_or(0);
        s.picture = entry.builtInPicture;
        s.shown = entry.shows;
        states_[indexOf(entry.control)] = s;
        exists_[indexOf(entry.control)] = true;
    }
}

const ControlState &HeadlessView::state(Control c) const
{
    const std::size_t i = indexOf(c);
    if (c.number < 0 || std::size_t(c.number) >= kNumbersPerKind || !exists_[i])
        throw std::out_of_range("no control " + c.name());
    return states_[i];
}

ControlState &HeadlessView::stateOf(Control c)
{
    return const_cast<ControlState &>(state(c));
}

int HeadlessView::beeps() const
{
    return beeps_;
}

bool HeadlessView::autoRedraw() const
{
    return autoRedraw_;
}

bool HeadlessView::keyPreview() const
{
    return keyPreview_;
}

void HeadlessView::setPicture(Control c, const Picture &picture)
{
    ControlState &s = stateOf(c);
    s.shown = picture;
    s.picture = picture.kind == Picture::Kind::None ? std::string() : pictureDir_ + picture.fileName();
    ++s.pictureSets;
}

void HeadlessView::setVisible(Control c, bool visible)
{
    stateOf(c).visible = visible;
}

Twips HeadlessView::left(Control c) const
{
    return state(c).left;
}

Twips HeadlessView::top(Control c) const
{
    return state(c).top;
}

void HeadlessView::setLeft(Control c, Twips x)
{
    stateOf(c).left = x;
    stateOf(c).movedAt = now_;
}

void HeadlessView::setTop(Control c, Twips y)
{
    stateOf(c).top = y;
    stateOf(c).movedAt = now_;
}

void HeadlessView::setCaption(Control c, const std::string &text)
{
    stateOf(c).caption = text;
}

void HeadlessView::setBackColour(Control c, Colour colour)
{
    stateOf(c).backColour = colour;
}

void HeadlessView::setAutoRedraw(bool on)
{
    autoRedraw_ = on;
}

void HeadlessView::setKeyPreview(bool on)
{
    keyPreview_ = on;
}

void HeadlessView::centreWindow()
{
}

void HeadlessView::beep()
{
    ++beeps_;
}

void HeadlessView::markOffer(std::optional<Control> c)
{
    offerMark_ = c;
}

void HeadlessView::cue()
{
    ++cues_;
}

void HeadlessView::say(const std::string &text)
{
    spoken_.push_back(text);
    heard_.reset();
    const std::size_t said = spoken_.size();
    if (!speechLength_)
        return; // never heard to the end: a server that does not report it
    if (speechLength_->count() == 0)
        heard_ = now_;
    else
        at(now_ + *speechLength_, [this, said] {
            if (spoken_.size() == said)
                heard_ = now_;
        });
}

std::optional<Moment> HeadlessView::spokenToEnd() const
{
    return heard_;
}

void HeadlessView::setSpeechLength(std::optional<Moment> length)
{
    speechLength_ = length;
}

void HeadlessView::showTimeLeft(std::optional<Control> c, Moment runsFrom, Moment ends)
{
    timeLeft_ = c ? std::optional<TimeLeft>(TimeLeft { *c, runsFrom, ends }) : std::nullopt;
}

std::optional<HeadlessView::TimeLeft> HeadlessView::timeLeft() const
{
    return timeLeft_;
}

void HeadlessView::notifyScreenReader(const std::string &text)
{
    notices_.push_back(text);
}

std::optional<Control> HeadlessView::offerMark() const
{
    return offerMark_;
}

int HeadlessView::cues() const
{
    return cues_;
}

const std::vector<std::string> &HeadlessView::spoken() const
{
    return spoken_;
}

} // namespace wildcrest
