// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "language/wording.h"

#include "switch/switchfilter.h"

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace wildcrest
{

// One press of a switch as the try-out saw it, told once it is over.
struct TriedPress {
    SwitchSource source = SwitchSource::Key;
    int which = 1;
    Moment held {}; // from down to up; zero for a press while already down
    std::optional<Moment> sinceLast; // from the last press's start to this one's
    Verdict verdict = Verdict::None;
    std::chrono::milliseconds acceptance {}; // the acceptance time it was judged by
};

// The filter's verdict as the person setting up reads it: "counted",
// "ignored: within debounce", "ignored: released after 80 ms, acceptance 150 ms".
std::string verdictText(const TriedPress &press, const Wording &words = englishWording());

// Tries the player's switches out under a debounce and an acceptance time: the
// game's own filter judges every press, and after a dozen presses the gaps
// between them give a debounce that would have stopped the bounces seen.
//
//     SwitchTrial trial(debounce, acceptance);
//     if (auto done = trial.take(e)) list(*done);
//     if (trial.suggestion()) offer(*trial.suggestion());
class SwitchTrial
{
public:
    static constexpr std::size_t kPressesForSuggestion = 12;

    explicit SwitchTrial(std::chrono::milliseconds debounce = {}, std::chrono::milliseconds acceptance = {});

    // New times for the presses still to come; what was seen stays.
    void retune(std::chrono::milliseconds debounce, std::chrono::milliseconds acceptance);
    // The press that this event ends, if it ends one.
    std::optional<TriedPress> take(const SwitchEvent &e);
    std::size_t presses() const;
    // A debounce, once enough presses were seen: zero when none bounced.
    std::optional<std::chrono::milliseconds> suggestion() const;
    // The longest gap taken for a bounce (zero when none).
    Moment longestBounce() const;

private:
    struct Down {
        Moment since {};
        SwitchSource source = SwitchSource::Key;
    };
    std::array<SwitchFilter, 2> filters_;
    std::array<std::optional<Down>, 2> down_;
    std::array<std::optional<Verdict>, 2> verdicts_; // of the press held, when given at its start
    std::array<std::optional<Moment>, 2> sinceLast_;
    std::optional<Moment> lastStart_;
    std::vector<Moment> gaps_; // between the starts of successive presses
    std::size_t presses_ = 0;
};

} // namespace wildcrest
