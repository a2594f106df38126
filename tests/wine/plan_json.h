// Reading orbiluxctl's --json output in the Wine tests: one array by its
// key, and the integers in a piece of it.
#pragma once

#include <cctype>
#include <string>
#include <vector>

namespace orbilux::wine_test {

// The text between `"key": ` and the matching end of its array.
inline std::string JsonArray(const std::string& json, const std::string& key) {
    const std::size_t start = json.find("\"" + key + "\": [");
    if (start == std::string::npos) return {};
    const std::size_t at = json.find('[', start);
    int depth = 0;
    for (std::size_t i = at; i < json.size(); ++i) {
        if (json[i] == '[') ++depth;
        if (json[i] == ']' && --depth == 0) return json.substr(at, i - at + 1);
    }
    return {};
}

inline std::vector<long long> Integers(const std::string& text) {
    std::vector<long long> numbers;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '-' || std::isdigit(static_cast<unsigned char>(text[i]))) {
            std::size_t used = 0;
            numbers.push_back(std::stoll(text.substr(i), &used));
            i += used;
        } else {
            ++i;
        }
    }
    return numbers;
}

}  // namespace orbilux::wine_test
