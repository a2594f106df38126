// orbilux_shapegen: the build step that makes the bundled shape library.
//   orbilux_shapegen build SOURCES OUTPUT    compile shapes/ into a Shapes folder
//   orbilux_shapegen gallery SHAPES OUT.html draw every shape as placed for 40 icons
#include <iostream>
#include <string>

#include "tools/shapegen/gallery.h"
#include "tools/shapegen/library_build.h"

int main(int argc, char** argv) {
    using namespace orbilux;
    const std::string command = argc > 1 ? argv[1] : "";
    try {
        if (command == "build" && argc == 4) {
            const int failures = shapegen::BuildLibrary(std::filesystem::u8path(argv[2]),
                                                        std::filesystem::u8path(argv[3]), {}, std::cerr);
            if (failures > 0) {
                std::cerr << failures << " shapes failed\n";
                return 1;
            }
            return 0;
        }
        if (command == "gallery" && argc == 4) {
            shapegen::WriteGallery(std::filesystem::u8path(argv[2]), std::filesystem::u8path(argv[3]), 40);
            return 0;
        }
    } catch (const std::exception& e) {
        std::cerr << "orbilux_shapegen: " << e.what() << "\n";
        return 1;
    }
    std::cerr << "usage: orbilux_shapegen build SOURCES OUTPUT\n"
                 "       orbilux_shapegen gallery SHAPES OUT.html\n";
    return 2;
}
