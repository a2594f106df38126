// Writes 24-bit RGB pictures as PNG files, uncompressed (stored deflate
// blocks): screenshots need no compression library this way.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orbilux::gui_driver {

// `rgb` holds width * height pixels, three bytes each, rows top to bottom.
std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint8_t>& rgb);

}  // namespace orbilux::gui_driver
