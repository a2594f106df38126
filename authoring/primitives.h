// Parametric curves a shape source can name. All are drawn in design-box
// units as dense polylines. Angles are in degrees, measured clockwise from
// 12 o'clock (y grows downward), so a closed curve starts at its top and
// runs clockwise unless told otherwise.
#pragma once

#include "authoring/geometry.h"

namespace orbilux::authoring {

// The point at `degrees` on an ellipse around `centre`.
Vec2 OnEllipse(Vec2 centre, double rx, double ry, double degrees);

Polyline EllipseCurve(Vec2 centre, double rx, double ry);
// An open arc from `fromDegrees` to `toDegrees` (clockwise when to > from).
Polyline ArcCurve(Vec2 centre, double rx, double ry, double fromDegrees, double toDegrees);
// A regular polygon with a vertex at the top; corners rounded with
// `cornerRadius` (0 for sharp corners).
Polyline PolygonCurve(Vec2 centre, double radius, int sides, double cornerRadius);
// A star with `points` tips at `radius` and inner corners at `inner`, a tip
// at the top; corners rounded with `cornerRadius`.
Polyline StarCurve(Vec2 centre, double radius, double inner, int points, double cornerRadius);
// Archimedean spiral from radius r0 out to r1 in `turns` turns.
Polyline ArchimedeanSpiral(Vec2 centre, double r0, double r1, double turns);
// Logarithmic spiral that grows by the golden ratio every quarter turn and
// ends at radius r1 after `turns` turns.
Polyline GoldenSpiral(Vec2 centre, double r1, double turns);
// Rose curve r = cos(k t): k petals for odd k, 2k for even k.
Polyline RoseCurve(Vec2 centre, double radius, int k);
// The classic heart curve (16 sin^3 t, 13 cos t - 5 cos 2t - 2 cos 3t - cos 4t),
// scaled into a width x height box around `centre`, starting at the notch.
Polyline HeartCurve(Vec2 centre, double width, double height);
// Lemniscate of Bernoulli (a figure of eight lying down) scaled to width x height.
Polyline LemniscateCurve(Vec2 centre, double width, double height);

// A circle whose radius swings by `amplitude` `lobes` times round,
// r = radius + amplitude cos(lobes t), with a lobe at the top: petals, gears, suns.
Polyline WaveCurve(Vec2 centre, double radius, double amplitude, int lobes);

// A crescent along a circle from `fromDegrees` to `toDegrees`: a band
// `middleWidth` wide in the middle narrowing to `tipWidth` at round tips.
Polyline CrescentCurve(Vec2 centre, double radius, double fromDegrees, double toDegrees, double tipWidth,
                       double middleWidth);

// Rounds the corners of a polygon with arcs of `radius` (limited so that
// neighbouring arcs never overlap). Nearly straight turns, as on flattened
// curves, are kept; so are the ends of an open line.
Polyline RoundCorners(const std::vector<Vec2>& corners, double radius);
Polyline RoundCorners(const Polyline& line, double radius);

}  // namespace orbilux::authoring
