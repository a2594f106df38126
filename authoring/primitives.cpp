#include "authoring/primitives.h"

#include <algorithm>

#include "authoring/authoring_error.h"

namespace orbilux::authoring {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr int Samples = 2880;  // per full turn: far finer than any icon spacing

double Radians(double degrees) { return degrees * Pi / 180; }

Box BoxOf(const Polyline& line) {
    Box box;
    for (const Vec2& p : line.points) box.include(p);
    return box;
}

// Scales and moves a curve so that its bounding box is width x height
// around `centre`.
void FitTo(Polyline& line, Vec2 centre, double width, double height) {
    const Box box = BoxOf(line);
    const double sx = box.width() > 0 ? width / box.width() : 1, sy = box.height() > 0 ? height / box.height() : 1;
    const Vec2 mid = box.centre();
    for (Vec2& p : line.points) p = {centre.x + (p.x - mid.x) * sx, centre.y + (p.y - mid.y) * sy};
}

}  // namespace

Vec2 OnEllipse(Vec2 centre, double rx, double ry, double degrees) {
    const double t = Radians(degrees);
    return {centre.x + rx * std::sin(t), centre.y - ry * std::cos(t)};
}

Polyline EllipseCurve(Vec2 centre, double rx, double ry) {
    Polyline line;
    line.closed = true;
    for (int i = 0; i < Samples; ++i) line.points.push_back(OnEllipse(centre, rx, ry, 360.0 * i / Samples));
    return line;
}

Polyline ArcCurve(Vec2 centre, double rx, double ry, double fromDegrees, double toDegrees) {
    Polyline line;
    const int n = std::max(8, static_cast<int>(std::fabs(toDegrees - fromDegrees) / 360.0 * Samples));
    for (int i = 0; i <= n; ++i)
        line.points.push_back(OnEllipse(centre, rx, ry, fromDegrees + (toDegrees - fromDegrees) * i / n));
    return line;
}

Polyline RoundCorners(const std::vector<Vec2>& corners, double radius) { return RoundCorners(Polyline{corners, true}, radius); }

Polyline RoundCorners(const Polyline& line, double radius) {
    const std::size_t n = line.points.size();
    if (n < 3 || radius <= 0) return line;
    Polyline out;
    out.closed = line.closed;
    const std::vector<Vec2>& pts = line.points;
    for (std::size_t i = 0; i < n; ++i) {
        const Vec2 at = pts[i];
        if (!line.closed && (i == 0 || i + 1 == n)) {
            out.points.push_back(at);  // the ends of an open line stay where they are
            continue;
        }
        const Vec2 prev = pts[(i + n - 1) % n], next = pts[(i + 1) % n];
        const double lp = Length(prev - at), ln = Length(next - at);
        if (lp <= 0 || ln <= 0) {
            out.points.push_back(at);
            continue;
        }
        const Vec2 u = (prev - at) * (1 / lp), v = (next - at) * (1 / ln);
        const double cosAngle = std::clamp(u.x * v.x + u.y * v.y, -1.0, 1.0);
        const double half = std::acos(cosAngle) / 2;  // half the corner's opening angle
        // Nearly straight runs (such as flattened curves) are left alone.
        if (half <= 1e-6 || half >= Pi / 2 - Pi / 72) {
            out.points.push_back(at);
            continue;
        }
        // The arc touches both edges at `cut` from the corner; never more
        // than just under half of either edge.
        double r = radius;
        double cut = r / std::tan(half);
        const double room = 0.49 * std::min(lp, ln);
        if (cut > room) {
            cut = room;
            r = cut * std::tan(half);
        }
        const Vec2 a = at + u * cut, b = at + v * cut;
        const Vec2 bisector = (u + v) * (1 / Length(u + v));
        const Vec2 centre = at + bisector * (r / std::sin(half));
        const double start = std::atan2(a.y - centre.y, a.x - centre.x);
        double sweep = std::atan2(b.y - centre.y, b.x - centre.x) - start;
        while (sweep > Pi) sweep -= 2 * Pi;
        while (sweep < -Pi) sweep += 2 * Pi;
        const int steps = std::max(4, static_cast<int>(std::fabs(sweep) / (2 * Pi) * Samples));
        for (int s = 0; s <= steps; ++s) {
            const double t = start + sweep * s / steps;
            out.points.push_back({centre.x + r * std::cos(t), centre.y + r * std::sin(t)});
        }
    }
    return out;
}

Polyline CrescentCurve(Vec2 centre, double radius, double fromDegrees, double toDegrees, double tipWidth,
                       double middleWidth) {
    if (!(tipWidth > 0 && middleWidth >= tipWidth && middleWidth < 2 * radius))
        throw AuthoringError("a crescent needs 0 < tip width <= middle width < its diameter");
    const double span = toDegrees - fromDegrees;
    const int n = std::max(64, static_cast<int>(std::fabs(span) / 360.0 * Samples));
    auto width = [&](double f) { return tipWidth + (middleWidth - tipWidth) * std::sin(Pi * f); };
    Polyline line;
    line.closed = true;
    // Outer edge forward, a round tip, inner edge back, a round tip.
    for (int i = 0; i <= n; ++i) {
        const double f = double(i) / n, r = radius + width(f) / 2;
        line.points.push_back(OnEllipse(centre, r, r, fromDegrees + span * f));
    }
    // A half circle from the outer edge round the far side of the tip to
    // the inner edge (`forward` is the way the outer edge was travelling).
    auto tip = [&](double degrees, double forward) {
        const Vec2 mid = OnEllipse(centre, radius, radius, degrees);
        const Vec2 outward = (mid - centre) * (1 / radius);
        const double t = Radians(degrees);
        const Vec2 travel = Vec2{std::cos(t), std::sin(t)} * forward;
        for (int s = 1; s < 48; ++s) {
            const double a = Pi * s / 48;
            line.points.push_back(mid + outward * (tipWidth / 2 * std::cos(a)) + travel * (tipWidth / 2 * std::sin(a)));
        }
    };
    const double direction = span > 0 ? 1 : -1;
    tip(toDegrees, direction);
    for (int i = n; i >= 0; --i) {
        const double f = double(i) / n, r = radius - width(f) / 2;
        line.points.push_back(OnEllipse(centre, r, r, fromDegrees + span * f));
    }
    // At the start the inner edge comes back: its way is the opposite, and
    // the half circle runs from the inner edge to the outer one.
    {
        const Vec2 mid = OnEllipse(centre, radius, radius, fromDegrees);
        const Vec2 outward = (mid - centre) * (1 / radius);
        const double t = Radians(fromDegrees);
        const Vec2 back = Vec2{std::cos(t), std::sin(t)} * -direction;
        for (int s = 1; s < 48; ++s) {
            const double a = Pi * s / 48;
            line.points.push_back(mid - outward * (tipWidth / 2 * std::cos(a)) + back * (tipWidth / 2 * std::sin(a)));
        }
    }
    return line;
}

Polyline PolygonCurve(Vec2 centre, double radius, int sides, double cornerRadius) {
    if (sides < 3 || sides > 1000) throw AuthoringError("a polygon needs 3 to 1000 sides");
    std::vector<Vec2> corners;
    for (int i = 0; i < sides; ++i) corners.push_back(OnEllipse(centre, radius, radius, 360.0 * i / sides));
    return RoundCorners(corners, cornerRadius);
}

Polyline StarCurve(Vec2 centre, double radius, double inner, int points, double cornerRadius) {
    if (points < 2 || points > 1000) throw AuthoringError("a star needs 2 to 1000 points");
    std::vector<Vec2> corners;
    for (int i = 0; i < 2 * points; ++i)
        corners.push_back(OnEllipse(centre, i % 2 ? inner : radius, i % 2 ? inner : radius, 180.0 * i / points));
    return RoundCorners(corners, cornerRadius);
}

Polyline ArchimedeanSpiral(Vec2 centre, double r0, double r1, double turns) {
    if (!(turns > 0 && turns <= 100)) throw AuthoringError("a spiral needs 0 to 100 turns");
    Polyline line;
    const int n = static_cast<int>(turns * Samples);
    for (int i = 0; i <= n; ++i) {
        const double f = double(i) / n;
        line.points.push_back(OnEllipse(centre, r0 + (r1 - r0) * f, r0 + (r1 - r0) * f, 360.0 * turns * f));
    }
    return line;
}

Polyline GoldenSpiral(Vec2 centre, double r1, double turns) {
    if (!(turns > 0 && turns <= 20)) throw AuthoringError("a golden spiral needs 0 to 20 turns");
    const double phi = (1 + std::sqrt(5.0)) / 2;
    Polyline line;
    const int n = static_cast<int>(turns * Samples);
    for (int i = 0; i <= n; ++i) {
        const double f = double(i) / n;
        // Growth by phi per quarter turn: by phi^4 per turn.
        const double r = r1 * std::pow(phi, -4 * turns * (1 - f));
        line.points.push_back(OnEllipse(centre, r, r, 360.0 * turns * f));
    }
    return line;
}

Polyline RoseCurve(Vec2 centre, double radius, int k) {
    if (k < 1 || k > 100) throw AuthoringError("a rose needs 1 to 100 as its petal factor");
    // An odd factor traces its petals twice over a full turn: draw half.
    const double span = k % 2 ? Pi : 2 * Pi;
    Polyline line;
    line.closed = true;
    const int n = Samples * k;
    for (int i = 0; i < n; ++i) {
        const double t = span * i / n;
        const double r = radius * std::cos(k * t);
        line.points.push_back({centre.x + r * std::sin(t), centre.y - r * std::cos(t)});
    }
    return line;
}

Polyline WaveCurve(Vec2 centre, double radius, double amplitude, int lobes) {
    if (lobes < 1 || lobes > 1000) throw AuthoringError("a wave needs 1 to 1000 lobes");
    Polyline line;
    line.closed = true;
    const int n = Samples * std::max(1, lobes / 4);
    for (int i = 0; i < n; ++i) {
        const double t = 360.0 * i / n;
        const double r = radius + amplitude * std::cos(Radians(lobes * t));
        line.points.push_back(OnEllipse(centre, r, r, t));
    }
    return line;
}

Polyline HeartCurve(Vec2 centre, double width, double height) {
    Polyline line;
    line.closed = true;
    for (int i = 0; i < Samples; ++i) {
        // t = 0 is the notch at the top, t = pi the tip at the bottom.
        const double t = 2 * Pi * i / Samples;
        const double s = std::sin(t);
        line.points.push_back(
            {16 * s * s * s, -(13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t))});
    }
    FitTo(line, centre, width, height);
    return line;
}

Polyline LemniscateCurve(Vec2 centre, double width, double height) {
    Polyline line;
    line.closed = true;
    for (int i = 0; i < Samples; ++i) {
        const double t = 2 * Pi * i / Samples;
        const double d = 1 + std::sin(t) * std::sin(t);
        line.points.push_back({std::cos(t) / d, std::sin(t) * std::cos(t) / d});
    }
    FitTo(line, centre, width, height);
    return line;
}

}  // namespace orbilux::authoring
