#include "scheibe/model/DiskGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Of the square's half side: the rings, and the room above them for the pointer.
// The inner ring lies close under the outer one: its characters have nearly
// as much room, and the hub keeps enough for the shift.
constexpr double kOuterFraction = 0.86;
constexpr double kMiddleFraction = 0.68;
constexpr double kInnerFraction = 0.50;
constexpr double kPointerFraction = 0.12;

}  // namespace

double NormalisedDegrees(double degrees) {
  double d = std::fmod(degrees, 360.0);
  if (d < 0) d += 360.0;
  return d >= 360.0 ? 0.0 : d;
}

double DegreesOf(double x, double y, double centreX, double centreY) {
  // Screen y grows downwards: the top is −y, and clockwise is towards +x.
  const double radians = std::atan2(x - centreX, centreY - y);
  return NormalisedDegrees(radians * 180.0 / std::numbers::pi);
}

int DiskTurn(int shift, int n) {
  if (n <= 0) return 0;
  return ((shift % n) + n) % n;
}

std::optional<DiskPair> PairAtPointer(const std::string& alphabet, int shift) {
  if (alphabet.empty()) return std::nullopt;
  const int n = static_cast<int>(alphabet.size());
  return DiskPair{alphabet[0], alphabet[static_cast<std::size_t>(DiskTurn(shift, n))]};
}

DiskLayout LayoutInSquare(double left, double top, double side) {
  const double half = side / 2;
  // The rings sit a little low, so that the pointer has room above them.
  const double pointer = half * kPointerFraction;
  const double outer = half * kOuterFraction;
  return {left + half, top + half + pointer / 2, outer, half * kMiddleFraction,
          half * kInnerFraction, pointer};
}

DiskGeometry::DiskGeometry(int n) : n_(std::max(n, 1)) {}

double DiskGeometry::OuterCentre(int i) const { return NormalisedDegrees(i * SegmentDegrees()); }

double DiskGeometry::InnerCentre(int j, double turn) const {
  return NormalisedDegrees((j - turn) * SegmentDegrees());
}

int DiskGeometry::OuterAt(double degrees) const {
  // Segment i spans its centre ± half a segment.
  const double position = NormalisedDegrees(degrees) / SegmentDegrees() + 0.5;
  return static_cast<int>(std::floor(position)) % n_;
}

int DiskGeometry::InnerAt(double degrees, double turn) const {
  const double position = NormalisedDegrees(degrees) / SegmentDegrees() + turn + 0.5;
  const int segment = static_cast<int>(std::floor(position)) % n_;
  return (segment + n_) % n_;
}

DiskHit DiskGeometry::HitTest(double x, double y, const DiskLayout& layout, double turn) const {
  const double distance = std::hypot(x - layout.CentreX, y - layout.CentreY);
  const double degrees = DegreesOf(x, y, layout.CentreX, layout.CentreY);
  if (distance <= layout.OuterRadius && distance > layout.MiddleRadius)
    return {DiskRing::Outer, OuterAt(degrees)};
  if (distance <= layout.MiddleRadius && distance >= layout.InnerRadius)
    return {DiskRing::Inner, InnerAt(degrees, turn)};
  return {};
}

int DiskGeometry::StepsForDrag(double draggedDegrees) const {
  return -static_cast<int>(std::lround(draggedDegrees / SegmentDegrees()));
}

double DragDegrees(double fromDegrees, double toDegrees) {
  const double delta = NormalisedDegrees(toDegrees - fromDegrees);
  return delta > 180.0 ? delta - 360.0 : delta;
}

int DiskGeometry::ShortestTurn(int from, int to) const {
  int forward = DiskTurn(to - from, n_);
  // Forward when it is no longer than the way back; an even ring's half turn
  // goes forward.
  return forward * 2 <= n_ ? forward : forward - n_;
}
