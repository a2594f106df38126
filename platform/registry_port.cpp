#include "platform/registry_port.h"


namespace orbilux {

std::vector<uint8_t> RegistryStringBytes(const std::wstring& text) {
    std::vector<uint8_t> bytes;
    auto put = [&](uint32_t unit) {
        bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<uint8_t>(unit >> 8));
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const uint32_t c = static_cast<uint32_t>(text[i]);
        if (sizeof(wchar_t) == 4 && c >= 0x10000) {  // UTF-32 outside the BMP: a surrogate pair
            put(0xD800 + ((c - 0x10000) >> 10));
            put(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            put(c & 0xFFFF);
        }
    }
    put(0);
    return bytes;
}

std::wstring RegistryStringFromBytes(const std::vector<uint8_t>& data) {
    std::wstring text;
    for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
        const uint32_t unit = uint32_t(data[i]) | (uint32_t(data[i + 1]) << 8);
        if (unit == 0) break;
        if (sizeof(wchar_t) == 4 && unit >= 0xD800 && unit <= 0xDBFF && i + 3 < data.size()) {
            const uint32_t low = uint32_t(data[i + 2]) | (uint32_t(data[i + 3]) << 8);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                text += static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        text += static_cast<wchar_t>(unit);
    }
    return text;
}

}  // namespace orbilux
