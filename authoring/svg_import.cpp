#include "authoring/svg_import.h"

#include <cmath>

#include "authoring/resample.h"
#include "authoring/shape_compiler.h"
#include "authoring/shape_source.h"
#include "authoring/svg_document.h"

namespace orbilux::authoring {

namespace {

void CheckOptions(const ImportOptions& o) {
    if (!(o.spacing >= 0.01 && o.spacing <= 100)) throw AuthoringError("the spacing must be from 0.01 to 100");
    if (!(o.fixedBelow >= 0 && o.fixedBelow <= 1000)) throw AuthoringError("the fixed-point size must be from 0 to 1000");
    if (!(o.margin >= 0 && o.margin < DesignSize / 2)) throw AuthoringError("the margin must be from 0 to below 250");
}

struct Piece {
    Polyline line;
    bool fixed = false;
    Vec2 centre;
};

}  // namespace

ImportResult ImportSvg(std::string_view svgText, const ImportOptions& options) {
    CheckOptions(options);
    const std::vector<SvgElement> elements = ReadSvgDocument(svgText);

    Box controls;
    for (const SvgElement& e : elements) {
        const Box b = ControlBounds(e.data);
        if (!b.empty()) {
            controls.include({b.left, b.top});
            controls.include({b.right, b.bottom});
        }
    }
    const double extent = std::fmax(controls.width(), controls.height());
    if (elements.empty() || controls.empty()) throw AuthoringError("the drawing has no paths or shapes");
    const double tolerance = extent > 0 ? extent * 1e-4 : 1e-6;

    std::vector<Piece> pieces;
    Box drawing;
    for (const SvgElement& e : elements) {
        if (e.round && options.circlesAsFixed) {
            Piece p;
            p.fixed = true;
            p.centre = e.centre;
            drawing.include(p.centre);
            pieces.push_back(p);
            continue;
        }
        for (Polyline& line : FlattenPathData(e.data, tolerance)) {
            for (const Vec2& v : line.points) drawing.include(v);
            pieces.push_back({std::move(line), false, {}});
        }
    }

    // Scale the whole drawing into the box, keeping its aspect ratio.
    const double room = DesignSize - 2 * options.margin;
    const double largest = std::fmax(drawing.width(), drawing.height());
    const double scale = largest > 0 ? room / largest : 1;
    const Vec2 from = drawing.centre();
    const Vec2 to{DesignSize / 2.0, DesignSize / 2.0};
    auto place = [&](Vec2 v) { return Vec2{to.x + (v.x - from.x) * scale, to.y + (v.y - from.y) * scale}; };

    ShapeSource source;
    source.screenMetric = false;  // even along the drawing's own lengths
    source.spacing = options.spacing;
    source.overflowAuto = options.overflow;
    for (Piece& p : pieces) {
        if (p.fixed) {
            source.fixed.push_back(place(p.centre));
            continue;
        }
        for (Vec2& v : p.line.points) v = place(v);
        const Box box = BoundsOf({p.line});
        const double size = std::hypot(box.width(), box.height());
        // A dot (a subpath of no length) can only be a fixed point.
        if (PolylineLength(p.line) <= 1e-9 || size < options.fixedBelow) {
            source.fixed.push_back(box.centre());
            continue;
        }
        SourcePath path;
        path.lines.push_back(std::move(p.line));
        source.paths.push_back(std::move(path));
    }
    if (source.paths.empty())
        throw AuthoringError("the drawing has no path to spread icons along (only " +
                             std::to_string(source.fixed.size()) + " fixed points)");

    ImportResult result;
    result.elements = elements.size();
    result.shape = CompileShape(source, options.rules);
    return result;
}

}  // namespace orbilux::authoring
