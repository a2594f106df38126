// Reading .shp files: a flat run of 8-byte records (two little-endian signed
// 32-bit integers), no header. A negative first field is a marker that closes
// a path or switches the following points into a section.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "engine/shape_types.h"

namespace orbilux {

constexpr int32_t MarkEndPath = -1;
constexpr int32_t MarkExtra = -2;
constexpr int32_t MarkFixed = -3;
constexpr int32_t MarkOverflow = -4;
constexpr std::size_t ShapeRecordSize = 8;
// Far beyond any drawing (the bundled shapes are a few kilobytes); a larger
// file is refused rather than read into memory.
constexpr std::uintmax_t MaxShapeFileBytes = std::uintmax_t(64) << 20;

// Builds a LoadedShape from records handed in one at a time, in file order.
// Content is never an error: unknown markers are skipped, marker y values are
// ignored, and points after the last MarkEndPath are dropped by finish().
class ShapeBuilder {
public:
    void addRecord(int32_t first, int32_t second);
    // Decodes whole records from raw bytes; a trailing partial record is ignored.
    void addBytes(const unsigned char* data, std::size_t size);
    LoadedShape finish();

private:
    LoadedShape shape_;
    ShapePath currentPath_;
    bool extra_ = false;
    bool fixed_ = false;
    bool overflow_ = false;
};

// Reads a shape file from start to end. Throws ShapeFileError (with the OS
// error code) when the file cannot be opened or a read fails, and (with code
// 0) for anything but a regular file and for files over MaxShapeFileBytes.
LoadedShape LoadShapeFile(const std::filesystem::path& fileName);

// The same decoding for bytes already in memory (tests, fuzzing, tools).
LoadedShape ParseShapeBytes(const unsigned char* data, std::size_t size);

}  // namespace orbilux
