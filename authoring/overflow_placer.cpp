#include "authoring/overflow_placer.h"

#include <cmath>
#include <limits>
#include <string>

#include "authoring/authoring_error.h"
#include "engine/placement.h"

namespace orbilux::authoring {

namespace {

LoadedShape WithOverflow(const LoadedShape& shape, std::size_t count) {
    LoadedShape copy = shape;
    if (count == 0) {
        copy.OverflowPoints.reset();
    } else {
        copy.OverflowPoints = shape.OverflowPoints.value_or(std::vector<ShapePoint>{});
        copy.OverflowPoints->resize(count, ShapePoint{0, 0});
    }
    return copy;
}

struct Pixel {
    double x, y;
};

double PixelLength(const ShapePath& path, const ShapeFrame& frame) {
    const double sx = double(frame.width) / DesignSize, sy = double(frame.height) / DesignSize;
    double total = 0;
    for (std::size_t i = 1; i < path.size(); ++i)
        total += std::hypot(sx * (path[i].x - path[i - 1].x), sy * (path[i].y - path[i - 1].y));
    return total;
}

}  // namespace

std::size_t LeftoverIcons(const LoadedShape& shape, std::size_t overflowCount, const LibraryRules& rules) {
    const LoadedShape probe = WithOverflow(shape, overflowCount);
    std::size_t worst = 0;
    for (int32_t icons = rules.minIcons; icons <= rules.maxIcons; ++icons)
        worst = std::max(worst, SimulateLoad(probe, icons, rules.frame).leftovers);
    return worst;
}

std::size_t OverflowPointsNeeded(const LoadedShape& shape, const LibraryRules& rules, std::size_t limit) {
    std::size_t count = 0;
    // More overflow points can lower the suggested gap, which can leave more
    // icons over; grow until the points cover what they cause.
    for (;;) {
        const std::size_t leftovers = LeftoverIcons(shape, count, rules);
        if (leftovers <= count) return count;
        if (leftovers > limit)
            throw AuthoringError("the paths leave up to " + std::to_string(leftovers) +
                                 " icons over; add points to the paths or fewer paths");
        count = leftovers;
    }
}

void PlaceOverflowPoints(LoadedShape& shape, std::size_t count, const std::vector<ShapePoint>& candidates,
                         const LibraryRules& rules) {
    shape.OverflowPoints.reset();
    if (count == 0) return;
    double pathPixels = 0;
    for (const ShapePath& path : shape.Paths) pathPixels += PixelLength(path, rules.frame);

    const Origin origin = ComputeOrigin(rules.frame.width, rules.frame.height, rules.frame.areaWidth,
                                        rules.frame.areaHeight, rules.frame.shiftX, rules.frame.shiftY);
    const PointScaler scaler(rules.frame.width, rules.frame.height, origin);
    std::vector<Pixel> candidatePixels;
    for (const ShapePoint& c : candidates) {
        const IconTarget t = scaler.target(c, 0);
        candidatePixels.push_back({double(t.x), double(t.y)});
    }

    std::vector<ShapePoint> chosen;
    for (std::size_t slot = 0; slot < count; ++slot) {
        // The icons around this slot at every count that sends an icon to it.
        struct Scene {
            int32_t icons;
            std::vector<Pixel> others;
        };
        std::vector<Scene> scenes;
        LoadedShape probe = WithOverflow(shape, count);
        for (std::size_t i = 0; i < chosen.size(); ++i) (*probe.OverflowPoints)[i] = chosen[i];
        for (int32_t icons = rules.minIcons; icons <= rules.maxIcons; ++icons) {
            const Simulation sim = SimulateLoad(probe, icons, rules.frame);
            if (sim.leftovers <= slot) continue;
            Scene scene{icons, {}};
            auto add = [&](const IconTarget& t) {
                if (t.index < icons) scene.others.push_back({double(t.x), double(t.y)});
            };
            for (const IconTarget& t : sim.fixed) add(t);
            for (const IconTarget& t : sim.paths) add(t);
            for (std::size_t i = 0; i < sim.overflow.size() && i < slot; ++i) add(sim.overflow[i]);
            scenes.push_back(std::move(scene));
        }

        double bestScore = -1;
        std::size_t best = candidates.size();
        for (std::size_t c = 0; c < candidatePixels.size(); ++c) {
            const Pixel p = candidatePixels[c];
            double score = std::numeric_limits<double>::infinity();
            for (const Scene& scene : scenes) {
                double nearest = std::numeric_limits<double>::infinity();
                for (const Pixel& o : scene.others) nearest = std::fmin(nearest, std::hypot(o.x - p.x, o.y - p.y));
                if (scene.icons <= rules.spacedUpTo && nearest < rules.minDistance + 1) {
                    score = -1;
                    break;
                }
                // Relative to the spacing the paths give at this count, so
                // crowded high counts don't drown out the sparse low ones.
                score = std::fmin(score, nearest / (pathPixels / (scene.icons + 1)));
                if (score <= bestScore) break;
            }
            if (score > bestScore) {
                bestScore = score;
                best = c;
            }
        }
        if (best == candidates.size() || bestScore < 0)
            throw AuthoringError("no place for overflow point " + std::to_string(slot + 1) +
                                 " keeps its icon far enough from the others");
        chosen.push_back(candidates[best]);
    }
    shape.OverflowPoints = chosen;
}

}  // namespace orbilux::authoring
