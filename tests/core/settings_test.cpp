// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/options.h"
#include "switch/switchfilter.h"

#include <gtest/gtest.h>

using namespace wildcrest;
using namespace std::chrono_literals;

TEST(Settings, TheDefaultsAreTheGameAsItAlwaysPlays)
{
    const Settings s;
    EXPECT_EQ(s.scanTime, 2000ms);
    EXPECT_FALSE(s.adaptiveScan);
    EXPECT_TRUE(s.mouseSwitch);
    EXPECT_EQ(s.debounce, 0ms);
    EXPECT_EQ(s.acceptance, 0ms);
    EXPECT_FALSE(s.pauseOnFirstOffer);
    EXPECT_EQ(s.highlight, Highlight::Lift);
    EXPECT_FALSE(s.soundCue);
    EXPECT_FALSE(s.speech);
    EXPECT_EQ(s.look.scale, 1);
    EXPECT_FALSE(s.look.fitScale);
    EXPECT_TRUE(s.look.standardCards());
    EXPECT_EQ(s.look.contrast, Contrast::Standard);
    for (const OptionInfo &o : optionTable())
        EXPECT_EQ(settingText(s, o.name), o.defaultValue) << o.name;
}

TEST(Settings, GoodValuesAreTakenAndReadBack)
{
    Settings s;
    EXPECT_EQ(applySetting(s, "scan-time", "3"), "");
    EXPECT_EQ(s.scanTime, 3000ms);
    EXPECT_EQ(applySetting(s, "scan-time", "0.5"), "");
    EXPECT_EQ(settingText(s, "scan-time"), "0.5");
    EXPECT_EQ(applySetting(s, "scan-time", "10"), "");
    EXPECT_EQ(applySetting(s, "scan-time", "auto"), "");
    EXPECT_TRUE(s.adaptiveScan);
    EXPECT_EQ(settingText(s, "scan-time"), "auto");
    EXPECT_EQ(applySetting(s, "scan-time", "2.25"), "");
    EXPECT_FALSE(s.adaptiveScan);
    EXPECT_EQ(s.scanTime, 2250ms);
    EXPECT_EQ(applySetting(s, "debounce", "2000"), "");
    EXPECT_EQ(applySetting(s, "acceptance", "150"), "");
    EXPECT_EQ(s.acceptance, 150ms);
    EXPECT_EQ(applySetting(s, "mouse-switch", "off"), "");
    EXPECT_FALSE(s.mouseSwitch);
    EXPECT_EQ(applySetting(s, "highlight", "lift+frame"), "");
    EXPECT_EQ(s.highlight, Highlight::LiftAndFrame);
    EXPECT_EQ(applySetting(s, "speech", "true"), ""); // as QSettings writes a checked box
    EXPECT_TRUE(s.speech);
    for (const char *scale : { "1", "1.5", "2", "2.5", "3", "2.50" }) {
        EXPECT_EQ(applySetting(s, "scale", scale), "") << scale;
        EXPECT_EQ(s.look.scale, std::stod(scale));
    }
    EXPECT_EQ(applySetting(s, "scale", "fit"), "");
    EXPECT_TRUE(s.look.fitScale);
    EXPECT_EQ(settingText(s, "scale"), "fit");
    EXPECT_EQ(applySetting(s, "card-style", "large-index"), "");
    EXPECT_EQ(s.look.cardStyle, CardStyle::LargeIndex);
    EXPECT_EQ(applySetting(s, "four-colour", "on"), "");
    EXPECT_TRUE(s.look.fourColour);
    EXPECT_EQ(applySetting(s, "contrast", "high"), "");
    EXPECT_EQ(s.look.contrast, Contrast::High);
    for (const OptionInfo &o : optionTable()) {
        Settings copy;
        EXPECT_EQ(applySetting(copy, o.name, settingText(s, o.name)), "") << o.name;
        EXPECT_EQ(settingText(copy, o.name), settingText(s, o.name)) << o.name;
    }
}

TEST(Settings, BadValuesAreRefusedAndLeaveTheSettingAsItWas)
{
    Settings s;
    for (const char *bad : { "0.4", "10.5", "-1", "fast", "", "2s", "nan", "inf", "1e9" }) {
        EXPECT_NE(applySetting(s, "scan-time", bad), "") << bad;
        EXPECT_EQ(s.scanTime, 2000ms) << bad;
        EXPECT_FALSE(s.adaptiveScan);
    }
    for (const char *bad : { "-1", "2001", "1.5", "abc", "", "100ms" }) {
        EXPECT_NE(applySetting(s, "debounce", bad), "") << bad;
        EXPECT_NE(applySetting(s, "acceptance", bad), "") << bad;
    }
    EXPECT_EQ(s.debounce, 0ms);
    EXPECT_NE(applySetting(s, "highlight", "frame"), "");
    EXPECT_NE(applySetting(s, "speech", "loud"), "");
    EXPECT_FALSE(s.speech);
    // Only the scales the pictures are drawn for.
    for (const char *bad : { "0", "0.5", "1.25", "4", "-2", "2x", "", "Fit", "nan", "inf" }) {
        EXPECT_EQ(applySetting(s, "scale", bad), "scale must be 1, 1.5, 2, 2.5, 3 or fit, not \"" + std::string(bad) + "\"") << bad;
        EXPECT_EQ(s.look.scale, 1) << bad;
        EXPECT_FALSE(s.look.fitScale) << bad;
    }
    EXPECT_NE(applySetting(s, "card-style", "large"), "");
    EXPECT_NE(applySetting(s, "four-colour", "four"), "");
    EXPECT_NE(applySetting(s, "contrast", "dark"), "");
    EXPECT_TRUE(s.look.standardCards());
    EXPECT_EQ(s.look.contrast, Contrast::Standard);
    for (const char *bad : { "Step", "", "dwell", "step-" })
        EXPECT_NE(applySetting(s, "scan-method", bad), "") << bad;
    EXPECT_EQ(s.scanMethod, "auto");
    for (const char *bad : { "11", "-1", "1.5", "", "endless" })
        EXPECT_NE(applySetting(s, "scan-loops", bad), "") << bad;
    EXPECT_EQ(s.scanLoops, 0);
    const std::string unknown = applySetting(s, "colour", "red");
    EXPECT_NE(unknown.find("colour"), std::string::npos);
}

TEST(SwitchFilter, WithNothingSetEveryPressCountsAtOnce)
{
    SwitchFilter f;
    EXPECT_EQ(f.press(0ms), Verdict::Counted);
    // A second key going down while the first is held counts too, as keys always did.
    EXPECT_EQ(f.press(10ms), Verdict::Counted);
    EXPECT_EQ(f.release(20ms), Verdict::None);
    EXPECT_EQ(f.press(21ms), Verdict::Counted);
    EXPECT_FALSE(f.acceptanceDue());
}

TEST(SwitchFilter, DebounceIgnoresPressesSoonAfterTheLastCountedOne)
{
    SwitchFilter f(300ms, 0ms);
    EXPECT_EQ(f.press(1000ms), Verdict::Counted);
    EXPECT_EQ(f.press(1005ms), Verdict::AlreadyHeld); // filtered, a held switch is one press
    f.release(1010ms);
    EXPECT_EQ(f.press(1100ms), Verdict::WithinDebounce); // a bounce
    f.release(1110ms);
    EXPECT_EQ(f.press(1299ms), Verdict::WithinDebounce);
    f.release(1300ms);
    EXPECT_EQ(f.press(1301ms), Verdict::Counted);
}

TEST(SwitchFilter, AcceptanceCountsAPressOnlyWhenHeldLongEnough)
{
    SwitchFilter f(0ms, 200ms);
    EXPECT_EQ(f.press(0ms), Verdict::None);
    ASSERT_TRUE(f.acceptanceDue());
    EXPECT_EQ(*f.acceptanceDue(), Moment(200ms));
    EXPECT_EQ(f.held(199ms), Verdict::None);
    EXPECT_EQ(f.held(200ms), Verdict::Counted);
    EXPECT_EQ(f.held(400ms), Verdict::None); // counted once however long it is held
    EXPECT_EQ(f.release(900ms), Verdict::None);

    EXPECT_EQ(f.press(1000ms), Verdict::None);
    EXPECT_EQ(f.release(1150ms), Verdict::ReleasedEarly); // let go too soon
    EXPECT_EQ(f.held(1200ms), Verdict::None);
    EXPECT_FALSE(f.acceptanceDue());

    // Held long enough, though nobody looked before it came up: it counts.
    f.press(2000ms);
    EXPECT_EQ(f.release(2300ms), Verdict::Counted);
}

TEST(SwitchFilter, DebounceAndAcceptanceTogether)
{
    SwitchFilter f(500ms, 100ms);
    f.press(0ms);
    EXPECT_EQ(f.held(100ms), Verdict::Counted);
    f.release(150ms);
    f.press(300ms);
    EXPECT_EQ(f.held(400ms), Verdict::WithinDebounce); // within half a second of the counted press at 100 ms
    f.release(450ms);
    f.press(600ms);
    EXPECT_EQ(f.held(700ms), Verdict::Counted);
}
