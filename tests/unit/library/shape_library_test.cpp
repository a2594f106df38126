// The bundled shape library as a user gets it: every generated shape, with
// the engine's suggested gap, at the frame a first shape gets. Runs over the
// Shapes folder the build generated (ORBILUX_SHAPE_LIBRARY, or the one beside
// the Windows test binary) and, natively, the sources it was generated from
// (ORBILUX_SHAPE_SOURCES).
#include <gtest/gtest.h>

#include <set>

#include "authoring/shape_check.h"
#include "engine/shape_file.h"
#include "tests/support/shape_records.h"
#include "tests/support/temp_dir.h"

#ifdef _WIN32
#include "platform/win32/module_path.h"
#endif

namespace orbilux {
namespace {

namespace fs = std::filesystem;

const fs::path& Library() {
#ifdef ORBILUX_SHAPE_LIBRARY
    static const fs::path path = fs::u8path(ORBILUX_SHAPE_LIBRARY);
#else
    // The Windows test binary runs beside the Shapes folder it ships with.
    static const fs::path path = fs::path(win32::ExecutableFolder()) / "Shapes";
#endif
    return path;
}

std::vector<fs::path> FilesUnder(const fs::path& root, const std::string& extension) {
    std::vector<fs::path> files;
    if (!fs::is_directory(root)) return files;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file() && e.path().extension() == extension) files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

TEST(ShapeLibrary, EveryShapeFitsAndKeepsItsIconsApart) {
    const std::vector<fs::path> shapes = FilesUnder(Library(), ".shp");
    ASSERT_FALSE(shapes.empty()) << "no shapes in " << Library().u8string();
    for (const fs::path& shape : shapes) {
        const std::vector<std::string> problems = authoring::CheckShapeFile(shape);
        EXPECT_TRUE(problems.empty()) << fs::relative(shape, Library()).generic_u8string() << ": " << problems.size()
                                      << " problems, first: " << problems.front();
    }
}

TEST(ShapeLibrary, HasEnoughShapesInEnoughGroupsIncludingNestedOnes) {
    const std::vector<fs::path> shapes = FilesUnder(Library(), ".shp");
    std::set<fs::path> groups;
    bool nested = false;
    for (const fs::path& shape : shapes) {
        const fs::path group = fs::relative(shape.parent_path(), Library());
        EXPECT_NE(group, fs::path(".")) << "a shape directly in the Shapes folder is never listed";
        groups.insert(group);
        nested = nested || std::distance(group.begin(), group.end()) > 1;
    }
    EXPECT_GE(shapes.size(), 40u);
    EXPECT_GE(groups.size(), 6u);
    EXPECT_TRUE(nested);
    // Every folder is a group in the browser: none may be empty.
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(Library())) {
        if (e.is_directory()) {
            EXPECT_FALSE(fs::is_empty(e.path())) << e.path().u8string();
        }
    }
}

#ifdef ORBILUX_SHAPE_SOURCES
TEST(ShapeLibrary, EverySourceWasGenerated) {
    const fs::path sources = fs::u8path(ORBILUX_SHAPE_SOURCES);
    const std::vector<fs::path> files = FilesUnder(sources, ".shape");
    ASSERT_FALSE(files.empty());
    for (const fs::path& source : files) {
        const fs::path generated = (Library() / fs::relative(source, sources)).replace_extension(".shp");
        EXPECT_TRUE(fs::is_regular_file(generated)) << generated.u8string();
    }
}
#endif

TEST(ShapeLibrary_Check, CatchesShapesThatLoseIconsOrCrowdThem) {
    test::TempDir dir;
    // 50 points on one path and no overflow points: 10 icons need 10 places,
    // it has 9, so the shape does not fit and no path icon moves at all.
    test::ShapeRecipe lossy;
    lossy.paths = {test::LinePath(50)};
    const auto lossyFile = dir.write("lossy.shp", test::EncodeRecords(test::RecordsOf(lossy)));
    authoring::LibraryRules rules;
    rules.maxIcons = 10;
    const std::vector<std::string> lost = authoring::CheckShapeFile(lossyFile, rules);
    ASSERT_EQ(lost.size(), 1u);
    EXPECT_NE(lost[0].find("10 icons get no place"), std::string::npos) << lost[0];

    test::ShapeRecipe crowded;  // fits, but every point lies within ten units of the others
    crowded.paths.emplace_back();
    for (int i = 0; i < 500; ++i) crowded.paths[0].push_back({1 + i % 10, 0});
    const auto crowdedFile = dir.write("crowded.shp", test::EncodeRecords(test::RecordsOf(crowded)));
    const std::vector<std::string> close = authoring::CheckShapeFile(crowdedFile, rules);
    ASSERT_EQ(close.size(), 1u);
    EXPECT_NE(close[0].find("px apart"), std::string::npos) << close[0];
}

}  // namespace
}  // namespace orbilux
