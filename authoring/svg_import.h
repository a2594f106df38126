// An SVG drawing as a shape: every subpath becomes a path of points at even
// spacing along its length, the whole drawing scaled into the design box
// with its aspect ratio kept; circles and small subpaths can become fixed
// points instead, and overflow points are added where the engine's rounding
// would leave icons without a place.
#pragma once

#include <cstddef>
#include <string_view>

#include "authoring/shape_check.h"
#include "engine/shape_types.h"

namespace orbilux::authoring {

struct ImportOptions {
    double spacing = 0.5;         // between path points, in design units
    bool circlesAsFixed = false;  // <circle>/<ellipse> elements become one fixed point each
    double fixedBelow = 0;        // subpaths smaller than this (box diagonal, design units) become fixed points
    bool overflow = true;         // add the overflow points the icon counts of `rules` need
    double margin = 10;           // design units kept free around the drawing
    LibraryRules rules = ImportRules();

    // The counts the overflow points are worked out for. No distance is
    // enforced: an imported drawing is what it is.
    static LibraryRules ImportRules() {
        LibraryRules rules;
        rules.spacedUpTo = 0;
        return rules;
    }
};

struct ImportResult {
    LoadedShape shape;
    std::size_t elements = 0;  // drawing elements read from the file
};

// Throws AuthoringError (or SvgError) for bad SVG, a drawing with nothing
// to place, or bad options.
ImportResult ImportSvg(std::string_view svgText, const ImportOptions& options);

}  // namespace orbilux::authoring
