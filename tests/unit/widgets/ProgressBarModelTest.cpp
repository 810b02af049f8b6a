// The progress bar's frames: what is drawn for a value, and when nothing is drawn at all.
#include <gtest/gtest.h>

#include "widgets/ProgressBarModel.h"

namespace velgaro {
namespace {

ProgressBarModel AttachedBar(int width, int height = 20) {
  ProgressBarModel bar;
  EXPECT_TRUE(bar.Attach(kScalePixels, width, height, 15, 15));
  return bar;
}

TEST(ProgressBarModelTest, ZeroDrawsNothingAndMaxDrawsAFullBar) {
  ProgressBarModel bar = AttachedBar(200);
  bar.Max = 10;
  bar.Value = 0;
  EXPECT_EQ(bar.NextFrame(), std::nullopt);   // the fill width equals the initial width, 0
  bar.Value = 10;
  const auto frame = bar.NextFrame();
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->fillWidth, 200);
  EXPECT_EQ(frame->text, "100%");
}

TEST(ProgressBarModelTest, QuarterOfTwoHundred) {
  ProgressBarModel bar = AttachedBar(200);
  bar.Max = 200;
  bar.Value = 50;
  const auto frame = bar.NextFrame();
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->fillWidth, 50);
  EXPECT_EQ(frame->text, "25%");
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

TEST(ProgressBarModelTest, EmptyRangeAndValuesOutsideItAreSafe) {
  ProgressBarModel bar = AttachedBar(100);
  bar.Max = 0;
  bar.Value = 5;
  EXPECT_EQ(bar.NextFrame(), std::nullopt);
  bar.Max = 10;
  bar.Value = 50;
  const auto over = bar.NextFrame();
  ASSERT_TRUE(over);
  EXPECT_EQ(over->fillWidth, 100);
  EXPECT_EQ(over->text, "100%");
}

}  // namespace
}  // namespace velgaro
