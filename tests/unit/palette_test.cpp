#include "base/palette.h"

#include <gtest/gtest.h>

#include "platform/window_services.h"

namespace talvane {
namespace {

TEST(PaletteTest, ConvertsToHsvOnTheHundredScale) {
    const struct {
        Color color;
        Hsv expected;
    } cases[] = {
        {MakeColor(0, 0, 128), {240, 99, 50}},
        {MakeColor(255, 0, 0), {0, 99, 99}},
        {MakeColor(0, 255, 0), {120, 99, 99}},
        {MakeColor(255, 0, 255), {300, 99, 99}},  // red maximum with g < b gives a negative hue first
        {MakeColor(128, 128, 128), {0, 0, 50}},
        {MakeColor(0, 0, 0), {0, 0, 0}},
        {MakeColor(10, 36, 106), {224, 89, 41}},
    };
    for (const auto& c : cases) {
        const Hsv hsv = ColorToHsv(c.color);
        EXPECT_EQ(hsv.h, c.expected.h) << std::hex << c.color;
        EXPECT_EQ(hsv.s, c.expected.s) << std::hex << c.color;
        EXPECT_EQ(hsv.v, c.expected.v) << std::hex << c.color;
    }
}

TEST(PaletteTest, DarkBlueCaptionGivesTintsOfItsHue) {
    const WindowPalette palette = DerivePalette(MakeColor(0, 0, 128));
    EXPECT_EQ(palette.dark, MakeColor(100, 100, 180));
    EXPECT_EQ(palette.middle, MakeColor(134, 134, 206));
    EXPECT_EQ(palette.light, MakeColor(240, 240, 245));

    const Hsv dark = ColorToHsv(palette.dark);
    EXPECT_GE(dark.v, 70);
    EXPECT_LE(dark.v, 80);
    const Hsv middle = ColorToHsv(palette.middle);
    EXPECT_GE(middle.v, 80);
    EXPECT_LE(middle.v, 85);
    EXPECT_LE(middle.s, 35);
}

TEST(PaletteTest, GreyInactiveCaptionGivesThreeGreys) {
    const WindowPalette palette = DerivePalette(MakeColor(128, 128, 128));
    EXPECT_EQ(palette.dark, MakeColor(180, 180, 180));
    EXPECT_EQ(palette.middle, MakeColor(206, 206, 206));
    EXPECT_EQ(palette.light, MakeColor(245, 245, 245));
}

TEST(PaletteTest, HsvRoundTripsEverySector) {
    for (int h = 0; h < 360; h += 30) {
        const Color color = HsvToColor({h, 99, 99});
        EXPECT_NEAR(ColorToHsv(color).h, h, 2) << h;
    }
}

TEST(PaletteTest, TrackerFollowsActivationAndCachesTheBase) {
    PaletteTracker tracker;
    EXPECT_TRUE(tracker.AppActive());
    EXPECT_EQ(tracker.BaseColorIndex(), platform::kColorActiveCaption);

    EXPECT_TRUE(tracker.Update(MakeColor(0, 0, 128)));
    const WindowPalette first = tracker.Palette();
    // Repeated paints with the same caption colour keep the palette.
    EXPECT_FALSE(tracker.Update(MakeColor(0, 0, 128)));
    EXPECT_EQ(tracker.Palette().dark, first.dark);

    tracker.Deactivate();
    EXPECT_EQ(tracker.BaseColorIndex(), platform::kColorInactiveCaption);
    EXPECT_TRUE(tracker.Update(MakeColor(128, 128, 128)));
    EXPECT_EQ(tracker.Palette().dark, MakeColor(180, 180, 180));

    tracker.Activate();
    EXPECT_EQ(tracker.BaseColorIndex(), platform::kColorActiveCaption);
    EXPECT_TRUE(tracker.Update(MakeColor(0, 0, 128)));
    EXPECT_EQ(tracker.Palette().dark, first.dark);
}

}  // namespace
}  // namespace talvane
