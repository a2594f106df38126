// Just enough JSON for orbiluxctl's one-line outputs: strings are escaped
// (UTF-8 passes through, control characters become \u escapes).
#pragma once

#include <string>

namespace orbilux::cli {

std::string JsonString(const std::string& utf8);

}  // namespace orbilux::cli
