// Fuzzes the shape loader and a placement of the loaded shape: any bytes as
// a .shp file, any frame, any gap. The engine may throw its own errors but
// must never crash, hang or hit undefined behaviour.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "engine/engine_errors.h"
#include "engine/shape_engine.h"
#include "engine/shape_file.h"

namespace {

using namespace orbilux;

class CountingDesktop : public DesktopPort {
public:
    explicit CountingDesktop(int32_t count) : count_(count) {}
    int32_t DesktopItemCount() override { return count_; }
    void ApplyIconTargets(const IconTargets& targets) override {
        for (const IconTarget& t : targets)
            if (t.index < 0 || t.index > count_ + 1) __builtin_trap();  // only item numbers 1..N+2 exist
    }

private:
    int32_t count_;
};

int32_t Take(const uint8_t*& data, size_t& size) {
    int32_t value = 0;
    if (size >= 4) {
        std::memcpy(&value, data, 4);
        data += 4;
        size -= 4;
    }
    return value;
}

const std::filesystem::path& ScratchFile() {
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("orbilux-fuzz-" + std::to_string(getpid()) + ".shp");
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int32_t icons = static_cast<int32_t>(static_cast<uint32_t>(Take(data, size)) % 3000);
    const int32_t width = Take(data, size);
    const int32_t height = Take(data, size);
    const int32_t areaWidth = Take(data, size);
    const int32_t shiftX = Take(data, size);
    const int32_t shiftY = Take(data, size);
    int32_t gap = Take(data, size) % 4096;

    FILE* file = std::fopen(ScratchFile().c_str(), "wb");
    if (!file) return 0;
    if (size) std::fwrite(data, 1, size, file);
    std::fclose(file);

    // The file loader and the in-memory decoder must agree.
    const LoadedShape fromFile = LoadShapeFile(ScratchFile());
    const LoadedShape fromMemory = ParseShapeBytes(data, size);
    if (fromFile.Paths != fromMemory.Paths || fromFile.FixedPoints != fromMemory.FixedPoints ||
        fromFile.OverflowPoints != fromMemory.OverflowPoints)
        __builtin_trap();

    CountingDesktop desktop(icons);
    ShapeEngine engine(desktop);
    try {
        engine.ArrangeShape(ScratchFile(), width, height, gap, areaWidth, height, shiftX, shiftY, true, true);
    } catch (const EngineError&) {
    }
    if (engine.HasShape()) {
        try {
            engine.MinIconsPerPath();
        } catch (const EngineError&) {
        }
        int32_t adjusted = gap + 1;
        try {
            engine.ArrangeShape("", width / 2, height, adjusted, areaWidth, height, 0, 0, false, true);
        } catch (const EngineError&) {
        }
    }
    return 0;
}
