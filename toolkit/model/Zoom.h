#pragma once
// The view for the projector: every window drawn larger, in the steps 100,
// 125, 150, 175, 200, 250 and 300 percent. This is the arithmetic of it: how
// a rectangle of a layout, a length and a font size grow with a step, which
// steps a screen has room for, and what CHIFFRARIUM_ZOOM asks for. It knows
// no window; the views apply it (toolkit/view/widgets/Zoom.h).

#include <array>
#include <optional>
#include <string_view>

inline constexpr std::array<int, 7> kZoomSteps = {100, 125, 150, 175, 200, 250, 300};
inline constexpr int kNoZoom = 100;

struct ZoomRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  friend bool operator==(const ZoomRect&, const ZoomRect&) = default;
};

// A length at a step, rounded half away from zero: 11 px at 125 % are 14 px.
int ZoomLength(int length, int percent);

// A length on the screen back at 100 %, rounded: what a dragged size is as
// designed.
int UnzoomLength(int zoomed, int percent);

// A rectangle at a step: its edges are scaled and rounded, not its size, so
// that controls that meet at 100 % meet at every step and none overlaps.
ZoomRect ZoomRectangle(ZoomRect designed, int percent);

// The largest step at which a window of this client size at 100 % fits into
// the available area with its frame, which does not grow; 100 % when even
// that does not fit.
int LargestFittingStep(int width, int height, int frameWidth, int frameHeight, int availableWidth,
                       int availableHeight);

// The step after or before this one, never beyond largest; a value between
// steps goes to the neighbouring step.
int NextZoomStep(int percent, int largest);
int PreviousZoomStep(int percent);

// What CHIFFRARIUM_ZOOM asks for: a step ("150", "150 %"), or "max" for the
// largest that fits; a value beyond largest is brought down to it. Nothing for
// an empty or unreadable value, or a percentage that is no step.
std::optional<int> ParseZoom(std::string_view text, int largest);
