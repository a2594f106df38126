// Just enough of an SVG file to take its drawing: the <path>, <circle>,
// <ellipse>, <rect>, <line>, <polyline> and <polygon> elements, with the
// transforms of their own and of every enclosing element applied. What is
// never drawn (<defs>, <clipPath>, <mask>, <symbol>, <marker>, <pattern>)
// is skipped. Styles, text and images are ignored.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "authoring/authoring_error.h"
#include "authoring/svg_path.h"

namespace orbilux::authoring {

class SvgError : public AuthoringError {
public:
    using AuthoringError::AuthoringError;
};

struct SvgElement {
    std::string name;  // "path", "circle", ...
    PathData data;     // in the document's coordinates, transforms applied
    bool round = false;  // a circle or an ellipse
    Vec2 centre;         // of a circle or an ellipse, transforms applied
};

// Largest document read; anything bigger is refused rather than parsed.
constexpr std::size_t MaxSvgBytes = 32u << 20;

// Throws SvgError (bad markup or attribute, with the line) or SvgPathError
// wrapped in SvgError (bad path data, naming the element).
std::vector<SvgElement> ReadSvgDocument(std::string_view text);

// An SVG transform list ("translate(10 20) rotate(45)") as one map.
Affine ParseSvgTransform(std::string_view text);

}  // namespace orbilux::authoring
