#include "toolkit/model/Zoom.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>

namespace {

// x * percent / 100, rounded half away from zero, in integers so that every
// step gives the same pixels on every machine.
int Scaled(int x, int percent) {
  const std::int64_t product = std::int64_t{x} * percent;
  const std::int64_t half = product >= 0 ? 50 : -50;
  return static_cast<int>((product + half) / 100);
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '%'))
    text.remove_suffix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

int ZoomLength(int length, int percent) { return Scaled(length, percent); }

int UnzoomLength(int zoomed, int percent) {
  if (percent <= 0) return zoomed;
  const std::int64_t product = std::int64_t{zoomed} * 100;
  const std::int64_t half = (product >= 0 ? percent : -percent) / 2;
  return static_cast<int>((product + half) / percent);
}

ZoomRect ZoomRectangle(ZoomRect designed, int percent) {
  const int left = Scaled(designed.Left, percent);
  const int top = Scaled(designed.Top, percent);
  const int right = Scaled(designed.Left + designed.Width, percent);
  const int bottom = Scaled(designed.Top + designed.Height, percent);
  return {left, top, right - left, bottom - top};
}

int LargestFittingStep(int width, int height, int frameWidth, int frameHeight, int availableWidth,
                       int availableHeight) {
  int largest = kNoZoom;
  for (const int step : kZoomSteps)
    if (Scaled(width, step) + frameWidth <= availableWidth &&
        Scaled(height, step) + frameHeight <= availableHeight)
      largest = std::max(largest, step);
  return largest;
}

int NextZoomStep(int percent, int largest) {
  for (const int step : kZoomSteps)
    if (step > percent) return step <= largest ? step : percent;
  return percent;
}

int PreviousZoomStep(int percent) {
  for (auto it = kZoomSteps.rbegin(); it != kZoomSteps.rend(); ++it)
    if (*it < percent) return *it;
  return kNoZoom;
}

std::optional<int> ParseZoom(std::string_view text, int largest) {
  text = Trimmed(text);
  if (text.empty()) return std::nullopt;
  if (text == "max" || text == "MAX" || text == "Max") return largest;
  int percent = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), percent);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  if (std::find(kZoomSteps.begin(), kZoomSteps.end(), percent) == kZoomSteps.end())
    return std::nullopt;
  return std::min(percent, std::max(largest, kNoZoom));
}
