#include "authoring/resample.h"

#include "authoring/authoring_error.h"

namespace orbilux::authoring {

namespace {

// The segment ends in order, with the closing segment's end appended.
std::vector<Vec2> Vertices(const Polyline& line) {
    std::vector<Vec2> vertices = line.points;
    if (line.closed && !vertices.empty()) vertices.push_back(vertices.front());
    return vertices;
}

}  // namespace

double PolylineLength(const Polyline& line, const Metric& metric) {
    const std::vector<Vec2> v = Vertices(line);
    double total = 0;
    for (std::size_t i = 1; i < v.size(); ++i) total += metric.length(v[i] - v[i - 1]);
    return total;
}

std::vector<Vec2> ResampleEvenly(const Polyline& line, std::size_t count, const Metric& metric) {
    const std::vector<Vec2> v = Vertices(line);
    const double total = PolylineLength(line, metric);
    if (!(total > 0) || !std::isfinite(total)) throw AuthoringError("cannot spread points along a path of no length");
    if (count < (line.closed ? 1u : 2u)) throw AuthoringError("too few points for a path");

    const double step = total / double(line.closed ? count : count - 1);
    std::vector<Vec2> out;
    out.reserve(count);
    std::size_t segment = 1;
    double walked = 0;  // length up to the start of `segment`
    for (std::size_t i = 0; i < count; ++i) {
        const double target = step * double(i);
        double segmentLength = metric.length(v[segment] - v[segment - 1]);
        while (segment + 1 < v.size() && walked + segmentLength < target) {
            walked += segmentLength;
            ++segment;
            segmentLength = metric.length(v[segment] - v[segment - 1]);
        }
        const double t = segmentLength > 0 ? std::fmin(1.0, std::fmax(0.0, (target - walked) / segmentLength)) : 0;
        out.push_back(Lerp(v[segment - 1], v[segment], t));
    }
    // Rounding of the running sum must not move the far end of an open line.
    if (!line.closed) out.back() = v.back();
    return out;
}

}  // namespace orbilux::authoring
