// Fuzzes the layout-file reader: any bytes as a file someone hands the
// program. The reader must never crash, hang or hit undefined behaviour; a
// file it accepts must stay within its limits and read back the same once
// written again; a file it refuses must say why.
#include <cstdint>
#include <string_view>

#include "desktop/layout_file.h"

using namespace orbilux;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const LayoutFileParse parsed = ParseLayoutFile(bytes);
    if (!parsed.ok) {
        if (parsed.error.empty()) __builtin_trap();
        return 0;
    }
    const LayoutFile& layout = parsed.layout;
    if (layout.icons.size() > MaxLayoutFileIcons) __builtin_trap();
    for (const LayoutFileIcon& icon : layout.icons)
        if (icon.name.size() > MaxIconNameUnits) __builtin_trap();
    const LayoutFileParse again = ParseLayoutFile(ComposeLayoutFile(layout));
    if (!again.ok || !(again.layout == layout)) __builtin_trap();
    return 0;
}
