#include "cli/preview_svg.h"

#include <algorithm>
#include <sstream>

#include "engine/placement.h"

namespace orbilux::cli {

namespace {

// Icon squares stand with their top-left corner on the target, as the list
// view places an item's top-left corner at the position it is given.
constexpr int IconSquare = 24;

struct Bounds {
    double left = 0, top = 0, right = 0, bottom = 0;
    void include(double x, double y) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x);
        bottom = std::max(bottom, y);
    }
};

std::string XmlEscape(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace

std::string PreviewSvg(const ShapePlan& plan, const ShapeFrame& frame, const PreviewOptions& options) {
    const PointScaler scaler(frame.width, frame.height, Origin{plan.originX, plan.originY});
    auto pixel = [&](const ShapePoint& p) { return scaler.target(p, 0); };

    Bounds bounds;
    bounds.include(frame.areaWidth, frame.areaHeight);
    bounds.include(plan.originX, plan.originY);
    bounds.include(double(plan.originX) + frame.width, double(plan.originY) + frame.height);
    for (const IconTarget& t : plan.applied) {
        bounds.include(t.x, t.y);
        bounds.include(double(t.x) + IconSquare, double(t.y) + IconSquare);
    }
    const double margin = 40;
    const double titleBand = options.title.empty() ? 0 : 48;
    const double viewLeft = bounds.left - margin;
    const double viewTop = bounds.top - margin - titleBand;
    const double viewWidth = bounds.right - bounds.left + 2 * margin;
    const double viewHeight = bounds.bottom - bounds.top + 2 * margin + titleBand;
    const double displayHeight = options.displayWidth * viewHeight / viewWidth;
    const double line = viewWidth / options.displayWidth;  // one CSS pixel in drawing units

    std::ostringstream svg;
    if (options.standalone) svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << options.displayWidth << "\" height=\""
        << int(displayHeight) << "\" viewBox=\"" << viewLeft << " " << viewTop << " " << viewWidth << " "
        << viewHeight << "\" font-family=\"sans-serif\">\n";
    svg << "<rect x=\"" << viewLeft << "\" y=\"" << viewTop << "\" width=\"" << viewWidth << "\" height=\""
        << viewHeight << "\" fill=\"#ffffff\"/>\n";
    if (!options.title.empty())
        svg << "<text x=\"" << bounds.left << "\" y=\"" << (bounds.top - margin - 12) << "\" font-size=\""
            << 16 * line << "\" fill=\"#222\">" << XmlEscape(options.title) << "</text>\n";

    svg << "<rect class=\"work-area\" x=\"0\" y=\"0\" width=\"" << frame.areaWidth << "\" height=\""
        << frame.areaHeight << "\" fill=\"#eef2f8\" stroke=\"#8a9bb0\" stroke-width=\"" << line << "\"/>\n";
    const int32_t boxLeft = std::min(plan.originX, int32_t(plan.originX + frame.width));
    const int32_t boxTop = std::min(plan.originY, int32_t(plan.originY + frame.height));
    svg << "<rect class=\"design-box\" x=\"" << boxLeft << "\" y=\"" << boxTop << "\" width=\""
        << std::abs(int64_t(frame.width)) << "\" height=\"" << std::abs(int64_t(frame.height))
        << "\" fill=\"none\" stroke=\"#c05050\" stroke-dasharray=\"" << 6 * line << " " << 4 * line
        << "\" stroke-width=\"" << line << "\"/>\n";

    for (const ShapePath& path : plan.shape.Paths) {
        if (path.empty()) continue;
        svg << "<polyline class=\"path\" fill=\"none\" stroke=\"#4a78c2\" stroke-width=\"" << line << "\" points=\"";
        const std::size_t stride =
            options.maxPathPoints > 1 ? (path.size() + options.maxPathPoints - 2) / (options.maxPathPoints - 1) : 1;
        for (std::size_t i = 0; i < path.size(); i += std::max<std::size_t>(1, stride)) {
            const IconTarget p = pixel(path[i]);
            svg << p.x << "," << p.y << " ";
        }
        if (stride > 1 && (path.size() - 1) % stride != 0) {
            const IconTarget p = pixel(path.back());
            svg << p.x << "," << p.y;
        }
        svg << "\"/>\n";
    }
    for (const ShapePoint& point : plan.shape.FixedPoints) {
        const IconTarget p = pixel(point);
        svg << "<circle class=\"fixed-point\" cx=\"" << p.x << "\" cy=\"" << p.y << "\" r=\"" << 4 * line
            << "\" fill=\"#2a9d4a\"/>\n";
    }
    if (plan.shape.OverflowPoints)
        for (const ShapePoint& point : *plan.shape.OverflowPoints) {
            const IconTarget p = pixel(point);
            svg << "<circle class=\"overflow-point\" cx=\"" << p.x << "\" cy=\"" << p.y << "\" r=\"" << 4 * line
                << "\" fill=\"none\" stroke=\"#d08a1e\" stroke-width=\"" << line << "\"/>\n";
        }

    for (const IconTarget& t : plan.applied) {
        svg << "<g class=\"icon\"><rect x=\"" << t.x << "\" y=\"" << t.y << "\" width=\"" << IconSquare
            << "\" height=\"" << IconSquare << "\" fill=\"#ffd34d\" stroke=\"#7a5a00\" stroke-width=\"" << line
            << "\"/>";
        if (options.labels)
            svg << "<text x=\"" << (t.x + IconSquare / 2) << "\" y=\"" << (t.y + IconSquare / 2 + 4)
                << "\" font-size=\"11\" text-anchor=\"middle\" fill=\"#222\">" << t.index << "</text>";
        svg << "</g>\n";
    }
    svg << "</svg>\n";
    return svg.str();
}

}  // namespace orbilux::cli
