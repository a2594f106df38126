// Building shape files for tests from readable record lists.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/shape_file.h"
#include "engine/shape_types.h"

namespace orbilux::test {

struct Record {
    int32_t first;
    int32_t second;
};

inline std::vector<unsigned char> EncodeRecords(const std::vector<Record>& records) {
    std::vector<unsigned char> bytes;
    for (const Record& r : records)
        for (const int32_t v : {r.first, r.second}) {
            const auto u = static_cast<uint32_t>(v);
            for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<unsigned char>(u >> shift));
        }
    return bytes;
}

// A record list for a shape: each path closed by MarkEndPath, then the
// fixed points, then the overflow points (when given).
struct ShapeRecipe {
    std::vector<std::vector<ShapePoint>> paths;
    std::vector<ShapePoint> fixed;
    std::vector<ShapePoint> extra;
    std::vector<ShapePoint> overflow;
    bool overflowMarker = false;  // write MarkOverflow even when `overflow` is empty
};

inline std::vector<Record> RecordsOf(const ShapeRecipe& recipe) {
    std::vector<Record> records;
    for (const auto& path : recipe.paths) {
        for (const ShapePoint& p : path) records.push_back({p.x, p.y});
        records.push_back({MarkEndPath, 0});
    }
    if (!recipe.extra.empty()) {
        records.push_back({MarkExtra, 0});
        for (const ShapePoint& p : recipe.extra) records.push_back({p.x, p.y});
    }
    if (!recipe.fixed.empty()) {
        records.push_back({MarkFixed, 0});
        for (const ShapePoint& p : recipe.fixed) records.push_back({p.x, p.y});
    }
    if (!recipe.overflow.empty() || recipe.overflowMarker) {
        records.push_back({MarkOverflow, 0});
        for (const ShapePoint& p : recipe.overflow) records.push_back({p.x, p.y});
    }
    return records;
}

// A straight path of `count` points, distinct x so targets are easy to tell apart.
inline std::vector<ShapePoint> LinePath(int count, int32_t y = 0) {
    std::vector<ShapePoint> path;
    for (int i = 1; i <= count; ++i) path.push_back({i, y});
    return path;
}

inline LoadedShape ShapeOf(const ShapeRecipe& recipe) {
    const auto bytes = EncodeRecords(RecordsOf(recipe));
    return ParseShapeBytes(bytes.data(), bytes.size());
}

}  // namespace orbilux::test
