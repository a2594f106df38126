#include "authoring/shape_compiler.h"

#include <cmath>
#include <string>

#include "authoring/authoring_error.h"
#include "authoring/overflow_placer.h"
#include "authoring/resample.h"
#include "authoring/shape_writer.h"
#include "engine/engine_errors.h"

namespace orbilux::authoring {

namespace {

// Enough points that no path's step rounds to 0 (which the engine cannot
// handle) for any gap up to several thousand icons.
constexpr std::size_t MinPathPoints = 1024;
// Point counts tried, as multiples of the counts the spacing gives.
constexpr int TuningSteps = 24;
constexpr double TuningRange = 0.4;
// No shape needs more; past this a drawing is too long for its spacing, and
// going on would only exhaust memory.
constexpr double MaxShapePoints = 4e6;

struct Line {
    Polyline polyline;
    std::size_t baseCount = 0;
    bool fixedCount = false;
};

LoadedShape CountsOnly(const std::vector<std::size_t>& counts, const LoadedShape& points) {
    LoadedShape probe = points;
    for (const std::size_t n : counts) probe.Paths.emplace_back(n, ShapePoint{250, 250});
    return probe;
}

}  // namespace

namespace {

LoadedShape Compile(const ShapeSource& source, const LibraryRules& rules) {
    const Metric metric = source.screenMetric
                              ? Metric{double(rules.frame.width) / DesignSize, double(rules.frame.height) / DesignSize}
                              : Metric{};
    std::vector<Line> lines;
    double budget = 0;  // points, allowing for the tuning
    for (const SourcePath& path : source.paths) {
        for (const Polyline& polyline : path.lines) {
            const double length = PolylineLength(polyline, metric);
            if (!(length > 0))
                throw AuthoringError("line " + std::to_string(path.sourceLine) + ": a path of no length");
            const double wanted = path.points ? double(*path.points) : std::ceil(length / source.spacing);
            budget += std::max(double(MinPathPoints), wanted) * (1 + TuningRange);
            if (!(budget <= MaxShapePoints))
                throw AuthoringError("the shape would need more than " + std::to_string(int(MaxShapePoints)) +
                                     " points; use a larger spacing, or fewer paths");
            Line line{polyline, 0, path.points.has_value()};
            line.baseCount = std::max(path.points ? std::size_t(16) : MinPathPoints, std::size_t(wanted));
            lines.push_back(std::move(line));
        }
    }

    ShapeDraft draft;
    draft.extra = source.extra;
    draft.fixed = source.fixed;
    draft.overflow = source.overflow;
    const LoadedShape points = RoundDraft(draft);  // the point sets, without paths

    // Only the point counts decide how many icons the paths leave over, so
    // the tuning needs no geometry.
    std::vector<std::size_t> counts;
    for (const Line& l : lines) counts.push_back(l.baseCount);
    if (source.overflowAuto && !lines.empty()) {
        std::size_t bestNeed = SIZE_MAX;
        std::vector<std::size_t> best = counts;
        for (int step = 0; step <= TuningSteps; ++step) {
            const double factor = 1 + TuningRange * step / TuningSteps;
            std::vector<std::size_t> trial;
            for (const Line& l : lines)
                trial.push_back(l.fixedCount ? l.baseCount : std::size_t(std::llround(double(l.baseCount) * factor)));
            std::size_t need;
            try {
                need = OverflowPointsNeeded(CountsOnly(trial, points), rules);
            } catch (const AuthoringError&) {
                continue;
            } catch (const EngineError&) {
                continue;
            }
            if (need < bestNeed) {
                bestNeed = need;
                best = trial;
            }
        }
        counts = best;
    }

    LoadedShape shape = points;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ShapeDraft one;
        one.paths.push_back(ResampleEvenly(lines[i].polyline, counts[i], metric));
        shape.Paths.push_back(RoundDraft(one).Paths.front());
    }

    if (source.overflowAuto) {
        const std::size_t need = OverflowPointsNeeded(shape, rules);
        // Overflow icons belong on the drawing: the candidates are the path
        // points, thinned out.
        std::vector<ShapePoint> candidates;
        std::size_t total = 0;
        for (const ShapePath& p : shape.Paths) total += p.size();
        const std::size_t stride = std::max<std::size_t>(1, total / 1500);
        for (const ShapePath& p : shape.Paths)
            for (std::size_t i = 0; i < p.size(); i += stride) candidates.push_back(p[i]);
        PlaceOverflowPoints(shape, need, candidates, rules);
    }
    return shape;
}

}  // namespace

LoadedShape CompileShape(const ShapeSource& source, const LibraryRules& rules) {
    try {
        return Compile(source, rules);
    } catch (const EngineError& e) {
        // A path too short for the gaps of the rules' counts, or no paths.
        throw AuthoringError(std::string("the engine cannot place this shape: ") + e.what());
    }
}

}  // namespace orbilux::authoring
