// The zoom's arithmetic: rectangles that grow by their edges, the largest
// step a screen has room for, the steps up and down, CHIFFRARIUM_ZOOM.
#include <gtest/gtest.h>

#include "toolkit/model/Zoom.h"

namespace {

TEST(Zoom, RectanglesGrowByTheirEdgesSoNeighboursStillMeet) {
  struct Case {
    ZoomRect designed;
    int percent;
    ZoomRect zoomed;
  };
  const Case cases[] = {
      {{4, 24, 765, 24}, 100, {4, 24, 765, 24}},
      {{4, 24, 765, 24}, 150, {6, 36, 1148, 36}},
      // 12-pixel columns side by side: at 125 % every edge lands on 15 apart.
      {{112, 184, 665, 65}, 125, {140, 230, 831, 81}},
      {{3, 3, 3, 3}, 125, {4, 4, 4, 4}},    // 3.75 -> 4, 7.5 -> 8 (half away from zero)
      {{1, 1, 1, 1}, 250, {3, 3, 2, 2}},    // 2.5 -> 3, 5 -> 5
      {{-2, 0, 10, 10}, 150, {-3, 0, 15, 15}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ZoomRectangle(c.designed, c.percent), c.zoomed) << c.percent;
    // The right edge of one is the left edge of the next.
    const ZoomRect next = ZoomRectangle(
        {c.designed.Left + c.designed.Width, c.designed.Top, 7, c.designed.Height}, c.percent);
    const ZoomRect zoomed = ZoomRectangle(c.designed, c.percent);
    EXPECT_EQ(zoomed.Left + zoomed.Width, next.Left);
  }
  EXPECT_EQ(ZoomLength(11, 125), 14);
  EXPECT_EQ(ZoomLength(11, 175), 19);
  EXPECT_EQ(ZoomLength(13, 150), 20);
  // Back to 100 %, as a window dragged at a zoom tells its model.
  for (const int step : kZoomSteps)
    for (const int length : {0, 1, 603, 611, 1000, 1001})
      EXPECT_EQ(UnzoomLength(ZoomLength(length, step), step), length) << length << " at " << step;
}

TEST(Zoom, TheLargestStepThatFitsTheScreenFrameIncluded) {
  struct Case {
    int frameWidth, frameHeight, availableWidth, availableHeight, largest;
  };
  const Case cases[] = {
      {0, 0, 1920, 1080, 200},   // a screen without a window manager's frame
      {8, 34, 1920, 1050, 175},  // frame and title bar, a taskbar below
      {8, 34, 1024, 768, 125},
      {8, 34, 800, 600, 100},
      {8, 34, 640, 480, 100},    // not even 100 % fits: 100 % all the same
      {8, 34, 3840, 2160, 300},
  };
  for (const Case& c : cases)
    EXPECT_EQ(LargestFittingStep(782, 540, c.frameWidth, c.frameHeight, c.availableWidth,
                                 c.availableHeight),
              c.largest)
        << c.availableWidth << "x" << c.availableHeight;
}

TEST(Zoom, StepsUpAndDownStopAtTheEnds) {
  EXPECT_EQ(NextZoomStep(100, 300), 125);
  EXPECT_EQ(NextZoomStep(200, 300), 250);
  EXPECT_EQ(NextZoomStep(175, 175), 175) << "no further than the screen allows";
  EXPECT_EQ(NextZoomStep(300, 300), 300);
  EXPECT_EQ(NextZoomStep(130, 300), 150);
  EXPECT_EQ(PreviousZoomStep(100), 100);
  EXPECT_EQ(PreviousZoomStep(250), 200);
  EXPECT_EQ(PreviousZoomStep(130), 125);
}

TEST(Zoom, WhatTheEnvironmentAsksFor) {
  struct Case {
    const char* text;
    int largest;
    std::optional<int> percent;
  };
  const Case cases[] = {
      {"150", 300, 150}, {" 150 % ", 300, 150}, {"max", 175, 175}, {"MAX", 300, 300},
      {"300", 175, 175},  // beyond the screen: the largest that fits
      {"100", 175, 100},  {"", 300, std::nullopt}, {"140", 300, std::nullopt},
      {"gross", 300, std::nullopt}, {"150x", 300, std::nullopt}, {"-150", 300, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseZoom(c.text, c.largest), c.percent) << c.text;
}

}  // namespace
