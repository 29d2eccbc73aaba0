// Path texts turned into polygons: curves and ellipses are cut into short straight edges.
#include "tools/spritegen/geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <sstream>

namespace {
constexpr int CurveSteps = 24;
constexpr int EllipseSteps = 120;

[[noreturn]] void Fail(const std::string &text, const char *why) {
  std::fprintf(stderr, "spritegen: bad path \"%s\": %s\n", text.c_str(), why);
  std::exit(1);
}

Pt Mirrored(Pt p) { return {2 * Axis - p.x, p.y}; }

double SegmentDistance(Pt p, Pt a, Pt b) {
  double dx = b.x - a.x, dy = b.y - a.y;
  double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
  t = t < 0 ? 0 : t > 1 ? 1 : t;
  double ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
  return std::sqrt(ex * ex + ey * ey);
}
}  // namespace

Path ParsePath(const std::string &text) {
  std::istringstream in(text);
  Path path;
  std::string op;
  auto number = [&]() {
    double v;
    if (!(in >> v)) Fail(text, "a number is missing");
    return v;
  };
  auto current = [&]() -> Contour & {
    if (path.empty() || path.back().closed) Fail(text, "an edge before M");
    return path.back();
  };
  while (in >> op) {
    if (op == "M") {
      Pt p{number(), number()};
      path.push_back({{p}, false});
    } else if (op == "L") {
      Pt p{number(), number()};
      current().points.push_back(p);
    } else if (op == "Q" || op == "C") {
      Contour &c = current();
      Pt p0 = c.points.back();
      Pt a{number(), number()};
      Pt b = a;
      if (op == "C") b = {number(), number()};
      Pt p1{number(), number()};
      for (int k = 1; k <= CurveSteps; k++) {
        double t = static_cast<double>(k) / CurveSteps, s = 1 - t;
        Pt q;
        if (op == "Q") {
          q = {s * s * p0.x + 2 * s * t * a.x + t * t * p1.x,
               s * s * p0.y + 2 * s * t * a.y + t * t * p1.y};
        } else {
          q = {s * s * s * p0.x + 3 * s * s * t * a.x + 3 * s * t * t * b.x + t * t * t * p1.x,
               s * s * s * p0.y + 3 * s * s * t * a.y + 3 * s * t * t * b.y + t * t * t * p1.y};
        }
        c.points.push_back(q);
      }
    } else if (op == "Z") {
      current().closed = true;
    } else if (op == "S") {
      Contour &c = current();
      std::vector<Pt> half = c.points;
      for (size_t k = half.size(); k-- > 0;) {
        Pt m = Mirrored(half[k]);
        Pt last = c.points.back();
        if (m.x != last.x || m.y != last.y) c.points.push_back(m);
      }
      c.closed = true;
    } else if (op == "E") {
      double cx = number(), cy = number(), rx = number(), ry = number();
      Contour c;
      for (int k = 0; k < EllipseSteps; k++) {
        double a = 2 * std::numbers::pi * k / EllipseSteps;
        c.points.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
      }
      c.closed = true;
      path.push_back(c);
    } else if (op == "R") {
      double x1 = number(), y1 = number(), x2 = number(), y2 = number();
      path.push_back({{{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}}, true});
    } else {
      Fail(text, "unknown command");
    }
  }
  if (path.empty()) Fail(text, "no contour");
  return path;
}

bool Inside(const Path &path, Pt p) {
  bool in = false;
  for (const Contour &c : path) {
    if (!c.closed) continue;
    size_t n = c.points.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
      Pt a = c.points[i], b = c.points[j];
      if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
        in = !in;
    }
  }
  return in;
}

double Distance(const Path &path, Pt p) {
  double best = 1e9;
  for (const Contour &c : path) {
    size_t n = c.points.size();
    if (n == 1) best = std::min(best, SegmentDistance(p, c.points[0], c.points[0]));
    for (size_t i = 0; i + 1 < n; i++)
      best = std::min(best, SegmentDistance(p, c.points[i], c.points[i + 1]));
    if (c.closed && n > 2) best = std::min(best, SegmentDistance(p, c.points[n - 1], c.points[0]));
  }
  return best;
}
