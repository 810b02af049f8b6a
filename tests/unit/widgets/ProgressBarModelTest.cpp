// The progress bar's frames: what is drawn for a value, and when nothing is drawn at all.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "widgets/ProgressBarModel.h"

namespace velgaro {
namespace {

ProgressBarModel AttachedBar(int width, int height = 20) {
  ProgressBarModel bar;
  EXPECT_TRUE(bar.Attach(kScalePixels, width, height, 15, 15));
  return bar;
}

// A bar attached at a width, then ranges and values set in turn: the frame each one draws.
TEST(ProgressBarModelTest, FramesForValuesInAndOutsideTheRange) {
  struct Step {
    std::int32_t max;
    std::int32_t value;
    std::optional<std::int32_t> fill;   // nullopt: nothing drawn
    const char* text;
  };
  struct Case {
    const char* what;
    int width;
    std::vector<Step> steps;
  };
  const Case cases[] = {
      // Zero: the fill width equals the initial width, 0.
      {"zero draws nothing, the maximum a full bar", 200, {{10, 0, std::nullopt, ""}, {10, 10, 200, "100%"}}},
      {"a quarter of two hundred", 200, {{200, 50, 50, "25%"}}},
      {"an empty range draws nothing, a value past the range a full bar", 100,
       {{0, 5, std::nullopt, ""}, {10, 50, 100, "100%"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProgressBarModel bar = AttachedBar(c.width);
    for (const Step& s : c.steps) {
      bar.Max = s.max;
      bar.Value = s.value;
      const auto frame = bar.NextFrame();
      ASSERT_EQ(frame.has_value(), s.fill.has_value()) << s.value << " of " << s.max;
      if (!frame) continue;
      EXPECT_EQ(frame->fillWidth, *s.fill);
      EXPECT_EQ(frame->text, s.text);
    }
  }
}

TEST(ProgressBarModelTest, ValuesOfTheSamePixelWidthDrawOnce) {
  ProgressBarModel bar = AttachedBar(100);
  bar.Max = 10000;
  int frames = 0;
  for (int v = 1; v <= 10000; ++v) {
    bar.Value = v;
    if (bar.NextFrame()) ++frames;
  }
  EXPECT_EQ(frames, 100);
}

TEST(ProgressBarModelTest, UserScaleFailsAndNeverDraws) {
  ProgressBarModel bar;
  EXPECT_FALSE(bar.Attach(kScaleUser, 100, 20, 15, 15));
  EXPECT_TRUE(bar.Failed());
  bar.Value = 100;
  EXPECT_EQ(bar.NextFrame(), std::nullopt);
}

TEST(ProgressBarModelTest, ScaleModesGiveTheAreaInPixels) {
  ProgressBarModel twips;
  ASSERT_TRUE(twips.Attach(kScaleTwips, 3000, 300, 15, 15));
  EXPECT_EQ(twips.Width(), 200);
  EXPECT_EQ(twips.Height(), 20);
  ProgressBarModel points;   // 20 twips a point
  ASSERT_TRUE(points.Attach(kScalePoints, 150, 15, 15, 15));
  EXPECT_EQ(points.Width(), 200);
  ProgressBarModel inches;
  ASSERT_TRUE(inches.Attach(kScaleInches, 2.5, 0.25, 15, 15));
  EXPECT_EQ(inches.Width(), 240);
  EXPECT_EQ(inches.Height(), 24);
}

TEST(ProgressBarModelTest, RoundingOfWidthsAndPercentages) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(3.4), 3);
  EXPECT_EQ(PercentText(0.456), "46%");
  EXPECT_EQ(PercentText(0.0), "0%");
}

}  // namespace
}  // namespace velgaro
