#pragma once
// Outlines of the piece shapes, in square units: x to the right, y upward, the square spanning
// 0..72 in both directions and pixel (i, j) sampled at its centre (i + 0.5, j + 0.5).
//
// A shape is written as a small path text:
//   M x y            start a contour at (x, y)
//   L x y            straight edge to (x, y)
//   Q cx cy x y      quadratic curve to (x, y)
//   C ax ay bx by x y  cubic curve to (x, y)
//   Z                close the contour
//   S                close the contour through its mirror image: the points so far are one
//                    half of a shape symmetric about the axis x = 36, drawn from the axis
//                    round to the axis; S adds the other half
//   E cx cy rx ry    a whole ellipse as one closed contour
//   R x1 y1 x2 y2    a whole rectangle as one closed contour
// An open contour (no Z or S) is a polyline, used by strokes.
#include <string>
#include <vector>

struct Pt {
  double x, y;
};

struct Contour {
  std::vector<Pt> points;
  bool closed = false;
};

typedef std::vector<Contour> Path;

constexpr double Axis = 36.0;

// Parses a path text; on a syntax error prints the text and the reason and exits.
Path ParsePath(const std::string &text);
// Inside the closed contours of the path (even-odd rule).
bool Inside(const Path &path, Pt p);
// Distance from p to the nearest edge of the path (closing edges included).
double Distance(const Path &path, Pt p);
