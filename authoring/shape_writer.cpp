#include "authoring/shape_writer.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <system_error>

#include "authoring/authoring_error.h"
#include "engine/shape_file.h"

namespace orbilux::authoring {

namespace {

ShapePoint RoundPoint(Vec2 p, const char* section) {
    const double x = std::nearbyint(p.x), y = std::nearbyint(p.y);
    if (!(x >= 0 && x <= INT32_MAX) || !(y >= INT32_MIN && y <= INT32_MAX))
        throw AuthoringError(std::string("a ") + section + " point lies outside what a shape file can hold (x " +
                             std::to_string(p.x) + ", y " + std::to_string(p.y) + "); x must not be negative");
    return {static_cast<int32_t>(x), static_cast<int32_t>(y)};
}

std::vector<ShapePoint> RoundAll(const std::vector<Vec2>& points, const char* section) {
    std::vector<ShapePoint> out;
    out.reserve(points.size());
    for (const Vec2& p : points) out.push_back(RoundPoint(p, section));
    return out;
}

void Put(std::vector<unsigned char>& bytes, int32_t first, int32_t second) {
    for (const int32_t v : {first, second}) {
        const auto u = static_cast<uint32_t>(v);
        for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<unsigned char>(u >> shift));
    }
}

void PutPoints(std::vector<unsigned char>& bytes, const std::vector<ShapePoint>& points) {
    for (const ShapePoint& p : points) Put(bytes, p.x, p.y);
}

}  // namespace

LoadedShape RoundDraft(const ShapeDraft& draft) {
    LoadedShape shape;
    for (const auto& path : draft.paths) shape.Paths.push_back(RoundAll(path, "path"));
    shape.ExtraPoints = RoundAll(draft.extra, "extra");
    shape.FixedPoints = RoundAll(draft.fixed, "fixed");
    if (!draft.overflow.empty()) shape.OverflowPoints = RoundAll(draft.overflow, "overflow");
    return shape;
}

std::vector<unsigned char> EncodeShape(const LoadedShape& shape) {
    std::vector<unsigned char> bytes;
    for (const ShapePath& path : shape.Paths) {
        PutPoints(bytes, path);
        Put(bytes, MarkEndPath, 0);
    }
    if (!shape.ExtraPoints.empty()) {
        Put(bytes, MarkExtra, 0);
        PutPoints(bytes, shape.ExtraPoints);
    }
    if (!shape.FixedPoints.empty()) {
        Put(bytes, MarkFixed, 0);
        PutPoints(bytes, shape.FixedPoints);
    }
    if (shape.OverflowPoints) {
        Put(bytes, MarkOverflow, 0);
        PutPoints(bytes, *shape.OverflowPoints);
    }
    return bytes;
}

void WriteShapeFile(const std::filesystem::path& file, const LoadedShape& shape) {
    std::error_code ec;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    const std::vector<unsigned char> bytes = EncodeShape(shape);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (!out) throw AuthoringError("cannot write \"" + file.u8string() + "\"");
}

}  // namespace orbilux::authoring
