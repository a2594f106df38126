// Fuzzes the SVG readers of orbiluxctl import-svg: any text as path data (or,
// with the first byte odd, as a whole SVG document), flattened and spread
// evenly as the importer does. Bad input may only ever throw the authoring
// error; every point that comes out must be finite.
#include <cmath>
#include <cstdint>
#include <string_view>

#include "authoring/resample.h"
#include "authoring/svg_document.h"
#include "authoring/svg_path.h"

namespace {

using namespace orbilux::authoring;

void Check(const PathData& data) {
    const Box box = ControlBounds(data);
    const double extent = std::fmax(box.width(), box.height());
    const std::vector<Polyline> lines = FlattenPathData(data, extent > 0 ? extent * 1e-4 : 1e-3);
    for (const Polyline& line : lines) {
        for (const Vec2& p : line.points)
            if (!std::isfinite(p.x) || !std::isfinite(p.y)) __builtin_trap();
        const double length = PolylineLength(line);
        if (!(length > 0) || !std::isfinite(length)) continue;
        if (ResampleEvenly(line, 64).size() != 64) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const bool document = data[0] & 1;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    try {
        if (document) {
            for (const SvgElement& element : ReadSvgDocument(text)) Check(element.data);
        } else {
            Check(ParseSvgPathData(text));
        }
    } catch (const AuthoringError&) {
    }
    return 0;
}
