#include "tools/shapegen/gallery.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "cli/preview_svg.h"
#include "engine/engine_errors.h"
#include "engine/shape_plan.h"

namespace orbilux::shapegen {

namespace fs = std::filesystem;

namespace {

std::string Escape(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '&') out += "&amp;";
        else out += c;
    }
    return out;
}

}  // namespace

std::string GalleryHtml(const fs::path& shapes, int32_t icons) {
    // Group folder (relative, with '/') -> shape files, both sorted so the
    // page doesn't change with the file system's order.
    std::map<std::string, std::vector<fs::path>> groups;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(shapes))
        if (entry.is_regular_file() && entry.path().extension() == ".shp")
            groups[fs::relative(entry.path().parent_path(), shapes).generic_u8string()].push_back(entry.path());

    const ShapeFrame frame = DefaultShapeFrame(1920, 1040, 0);
    std::ostringstream html;
    html << "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">\n"
            "<title>Orbilux shape gallery</title>\n<style>\n"
            "body{font-family:sans-serif;margin:1.5em;color:#222}\n"
            "section{display:flex;flex-wrap:wrap;gap:12px}\n"
            "figure{margin:0;border:1px solid #ccd;padding:4px;background:#fafbfd}\n"
            "figcaption{font-size:13px;text-align:center}\n"
            "</style></head><body>\n<h1>Orbilux shape gallery</h1>\n"
            "<p>Every bundled shape as a click places "
         << icons
         << " desktop icons: the frame is four fifths of a 1920 &times; 1040 work area and the gap is the one "
            "Orbilux suggests. Yellow squares are the icons; blue lines "
            "are the shape's paths, green dots its fixed points, orange rings its overflow points. Regenerate "
            "with <code>cmake --build --preset native --target gallery</code>.</p>\n";
    std::size_t total = 0;
    for (const auto& [group, files] : groups) total += files.size();
    html << "<p>" << total << " shapes in " << groups.size() << " groups.</p>\n";

    for (auto& [group, files] : groups) {
        std::sort(files.begin(), files.end());
        html << "<h2>" << Escape(group) << "</h2>\n<section>\n";
        for (const fs::path& file : files) {
            html << "<figure>";
            try {
                ShapePlan plan = PlanShape(file, icons, frame, 0);
                // The engine also hands out the number just past the last
                // item, which names no icon: leave it out of the picture.
                plan.applied.erase(std::remove_if(plan.applied.begin(), plan.applied.end(),
                                                  [&](const IconTarget& t) { return t.index >= icons; }),
                                   plan.applied.end());
                cli::PreviewOptions options;
                options.displayWidth = 360;
                options.standalone = false;
                options.labels = false;
                options.maxPathPoints = 160;
                html << cli::PreviewSvg(plan, frame, options);
                html << "<figcaption>" << Escape(file.stem().u8string()) << " &middot; gap " << plan.iconsPerPath
                     << "</figcaption>";
            } catch (const EngineError& e) {
                html << "<figcaption>" << Escape(file.stem().u8string()) << ": " << Escape(e.what())
                     << "</figcaption>";
            }
            html << "</figure>\n";
        }
        html << "</section>\n";
    }
    html << "</body></html>\n";
    return html.str();
}

void WriteGallery(const fs::path& shapes, const fs::path& page, int32_t icons) {
    if (!fs::is_directory(shapes)) throw std::runtime_error("no shapes folder at \"" + shapes.u8string() + "\"");
    const std::string html = GalleryHtml(shapes, icons);
    std::ofstream out(page, std::ios::binary | std::ios::trunc);
    out << html;
    out.close();
    if (!out) throw std::runtime_error("cannot write \"" + page.u8string() + "\"");
}

}  // namespace orbilux::shapegen
