// The gallery: one HTML page with a picture of every shape in a Shapes
// folder as the engine places it for a number of icons at the frame a first
// shape gets, grouped by folder, so users can see what a click gives them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace orbilux::shapegen {

std::string GalleryHtml(const std::filesystem::path& shapes, int32_t icons);
// Throws std::runtime_error when the page cannot be written.
void WriteGallery(const std::filesystem::path& shapes, const std::filesystem::path& page, int32_t icons);

}  // namespace orbilux::shapegen
