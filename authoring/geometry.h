// Plain 2-D geometry for shape authoring: points, polylines and affine maps
// in double precision. Shape sources and SVG files are drawn in their own
// coordinates; everything is turned into design-box units only at the end.
#pragma once

#include <cmath>
#include <vector>

namespace orbilux::authoring {

struct Vec2 {
    double x = 0;
    double y = 0;
    Vec2 operator+(Vec2 o) const { return {x + o.x, y + o.y}; }
    Vec2 operator-(Vec2 o) const { return {x - o.x, y - o.y}; }
    Vec2 operator*(double s) const { return {x * s, y * s}; }
    friend bool operator==(Vec2 a, Vec2 b) { return a.x == b.x && a.y == b.y; }
};

inline double Length(Vec2 v) { return std::hypot(v.x, v.y); }
inline double Distance(Vec2 a, Vec2 b) { return Length(a - b); }
inline Vec2 Lerp(Vec2 a, Vec2 b, double t) { return a + (b - a) * t; }

// A run of points; a closed polyline returns from its last point to its
// first (the first point is not repeated at the end).
struct Polyline {
    std::vector<Vec2> points;
    bool closed = false;
};

// x' = a x + c y + e, y' = b x + d y + f (the SVG matrix(a b c d e f) order).
struct Affine {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
    Vec2 apply(Vec2 p) const { return {a * p.x + c * p.y + e, b * p.x + d * p.y + f}; }
    // This map after `inner`: (this * inner)(p) = this(inner(p)).
    Affine after(const Affine& inner) const {
        return {a * inner.a + c * inner.b, b * inner.a + d * inner.b, a * inner.c + c * inner.d,
                b * inner.c + d * inner.d, a * inner.e + c * inner.f + e, b * inner.e + d * inner.f + f};
    }
    static Affine Translate(double tx, double ty) { return {1, 0, 0, 1, tx, ty}; }
    static Affine Scale(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
    static Affine Rotate(double degrees);
};

inline Affine Affine::Rotate(double degrees) {
    const double r = degrees * 3.14159265358979323846 / 180.0;
    const double cs = std::cos(r), sn = std::sin(r);
    return {cs, sn, -sn, cs, 0, 0};
}

struct Box {
    double left = INFINITY, top = INFINITY, right = -INFINITY, bottom = -INFINITY;
    bool empty() const { return !(left <= right && top <= bottom); }
    void include(Vec2 p) {
        left = std::fmin(left, p.x);
        top = std::fmin(top, p.y);
        right = std::fmax(right, p.x);
        bottom = std::fmax(bottom, p.y);
    }
    double width() const { return empty() ? 0 : right - left; }
    double height() const { return empty() ? 0 : bottom - top; }
    Vec2 centre() const { return {(left + right) / 2, (top + bottom) / 2}; }
};

inline Box BoundsOf(const std::vector<Polyline>& lines) {
    Box box;
    for (const Polyline& line : lines)
        for (const Vec2& p : line.points) box.include(p);
    return box;
}

}  // namespace orbilux::authoring
