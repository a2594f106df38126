#include "tools/shapegen/library_build.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

#include "authoring/authoring_error.h"
#include "authoring/shape_compiler.h"
#include "authoring/shape_source.h"
#include "authoring/shape_writer.h"

namespace orbilux::shapegen {

namespace fs = std::filesystem;

namespace {

std::string ReadText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw authoring::AuthoringError("cannot read the source");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<fs::path> SourcesUnder(const fs::path& root) {
    std::vector<fs::path> sources;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file() && entry.path().extension() == ".shape") sources.push_back(entry.path());
    std::sort(sources.begin(), sources.end());  // a stable log, whatever the file system's order
    return sources;
}

// Removes the folders under `folder` (not `folder` itself) that hold no
// file at any depth; returns whether `folder` is left empty.
bool RemoveEmptyFolders(const fs::path& folder) {
    std::error_code ec;
    bool empty = true;
    std::vector<fs::path> children;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) children.push_back(entry.path());
    for (const fs::path& child : children) {
        if (fs::is_directory(child) && RemoveEmptyFolders(child)) fs::remove(child, ec);
        else empty = false;
    }
    return empty;
}

}  // namespace

int BuildLibrary(const fs::path& sources, const fs::path& output, const authoring::LibraryRules& rules,
                 std::ostream& log) {
    int failures = 0;
    std::set<fs::path> written;
    for (const fs::path& source : SourcesUnder(sources)) {
        const fs::path relative = fs::relative(source, sources);
        const fs::path target = (output / relative).replace_extension(".shp");
        try {
            const LoadedShape shape = authoring::CompileShape(authoring::ParseShapeSource(ReadText(source)), rules);
            authoring::WriteShapeFile(target, shape);
            written.insert(target.lexically_normal());
            const std::vector<std::string> problems = authoring::CheckShapeFile(target, rules);
            if (!problems.empty()) {
                ++failures;
                log << source.u8string() << ": fails the library rules at " << problems.size() << " counts:\n";
                for (std::size_t i = 0; i < problems.size() && i < 8; ++i) log << "  " << problems[i] << "\n";
            }
        } catch (const authoring::AuthoringError& e) {
            ++failures;
            log << source.u8string() << ": " << e.what() << "\n";
        }
    }
    // Shapes whose source is gone must not linger in the build tree.
    if (fs::exists(output))
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(output))
            if (entry.is_regular_file() && entry.path().extension() == ".shp" &&
                !written.count(entry.path().lexically_normal()))
                fs::remove(entry.path());
    // An empty folder would show up as an empty shape group.
    RemoveEmptyFolders(output);
    log << written.size() << " shapes written to " << output.u8string() << "\n";
    return failures;
}

}  // namespace orbilux::shapegen
