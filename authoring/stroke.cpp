#include "authoring/stroke.h"

#include "authoring/authoring_error.h"
#include "authoring/resample.h"

namespace orbilux::authoring {

namespace {

constexpr double Pi = 3.14159265358979323846;

Vec2 Normal(Vec2 direction) {
    const double length = Length(direction);
    return length > 0 ? Vec2{-direction.y / length, direction.x / length} : Vec2{0, 0};
}

}  // namespace

std::vector<Polyline> StrokeOutline(const Polyline& centreLine, double width) {
    if (!(width > 0)) throw AuthoringError("a stroke needs a positive width");
    const double length = PolylineLength(centreLine);
    // An even, fine spacing gives smooth offsets at every vertex.
    const std::size_t count = std::max<std::size_t>(16, std::size_t(length / 0.5));
    const std::vector<Vec2> c = ResampleEvenly(centreLine, count);
    const std::size_t n = c.size();
    const double half = width / 2;

    std::vector<Vec2> left, right;
    for (std::size_t i = 0; i < n; ++i) {
        Vec2 direction;
        if (centreLine.closed) direction = c[(i + 1) % n] - c[(i + n - 1) % n];
        else direction = c[std::min(i + 1, n - 1)] - c[i == 0 ? 0 : i - 1];
        const Vec2 normal = Normal(direction);
        left.push_back(c[i] + normal * half);
        right.push_back(c[i] - normal * half);
    }

    if (centreLine.closed) {
        return {Polyline{left, true}, Polyline{std::vector<Vec2>(right.rbegin(), right.rend()), true}};
    }
    // Left side forward, a half circle round the end, right side back, a
    // half circle round the start.
    Polyline outline;
    outline.closed = true;
    auto cap = [&](Vec2 centre, Vec2 from) {
        const double start = std::atan2(from.y - centre.y, from.x - centre.x);
        for (int s = 1; s < 64; ++s) {
            const double t = start - Pi * s / 64;
            outline.points.push_back({centre.x + half * std::cos(t), centre.y + half * std::sin(t)});
        }
    };
    outline.points = left;
    cap(c.back(), left.back());
    outline.points.insert(outline.points.end(), right.rbegin(), right.rend());
    cap(c.front(), right.front());
    return {outline};
}

}  // namespace orbilux::authoring
