#pragma once
// The geometry of the cipher disk, "Cäsar-Scheibe": two rings of n segments
// around one centre, the outer one the plain characters (row 0 of a
// substitution table), the inner one the cipher characters, turned by the
// shift so that every plain character stands over the character it becomes.
// A pointer at the top marks the pair of the first character.
//
// Angles are in degrees, clockwise from the top (the pointer), as a clock's
// hand goes. Outer segment i is centred at i · 360/n. The inner ring turned
// by t places its segment j at (j − t) · 360/n: at the pointer stands inner
// segment t, the character t places further on. This draws nothing: the view
// paints what these numbers say.

#include <optional>
#include <string>

// What the pointer shows: the first plain character and what it becomes.
struct DiskPair {
  char Plain = 0;
  char Cipher = 0;
};

// The rings inside a square drawing area of a given side: radii from the
// centre, in the area's units.
struct DiskLayout {
  double CentreX = 0;
  double CentreY = 0;
  double OuterRadius = 0;   // outside edge of the outer ring
  double MiddleRadius = 0;  // where the outer ring meets the inner one
  double InnerRadius = 0;   // inside edge of the inner ring
  double PointerTip = 0;    // how far above the outer ring the pointer's base stands
};

// The layout for a square of side `side` whose top-left corner is (left, top).
DiskLayout LayoutInSquare(double left, double top, double side);

enum class DiskRing { None, Outer, Inner };

struct DiskHit {
  DiskRing Ring = DiskRing::None;
  int Segment = -1;  // the character's index in its ring's alphabet order
};

class DiskGeometry {
 public:
  // n: the characters of the alphabet, at least 1.
  explicit DiskGeometry(int n);

  int Segments() const { return n_; }
  double SegmentDegrees() const { return 360.0 / n_; }

  // The centre angle of outer segment i, and of inner segment j when the inner
  // ring stands turned by `turn` positions (a whole shift, or on its way
  // between two while it turns).
  double OuterCentre(int i) const;
  double InnerCentre(int j, double turn) const;

  // The segment whose span holds an angle: of the outer ring, and of the inner
  // ring turned by `turn`.
  int OuterAt(double degrees) const;
  int InnerAt(double degrees, double turn) const;

  // Which ring and segment a point of the drawing area hits.
  DiskHit HitTest(double x, double y, const DiskLayout& layout, double turn) const;

  // The whole positions a drag along the inner ring turns it by, for the
  // angle dragged in all (DragDegrees summed over the mouse's moves), rounded
  // to the nearest: dragging clockwise (the angle grows) brings the
  // characters before the current one under the pointer, so it lowers the
  // shift.
  int StepsForDrag(double draggedDegrees) const;

  // The turn the shorter way from one position to another: the signed number
  // of positions, at most half the ring either way (ties go forward).
  int ShortestTurn(int from, int to) const;

 private:
  int n_;
};

// How far the mouse went round between two angles, the short way: in
// (−180, 180], clockwise positive.
double DragDegrees(double fromDegrees, double toDegrees);

// An angle brought into [0, 360).
double NormalisedDegrees(double degrees);
// The angle of a point seen from a centre, clockwise from the top.
double DegreesOf(double x, double y, double centreX, double centreY);

// A shift as a position of the inner ring: into 0..n − 1 (a shift of n is no
// turn at all).
int DiskTurn(int shift, int n);

// The pair at the pointer for an alphabet (the table's row 0) turned by a shift:
// the first character and the one `shift` places on. Nothing for an empty
// alphabet.
std::optional<DiskPair> PairAtPointer(const std::string& alphabet, int shift);
