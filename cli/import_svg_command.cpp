// orbiluxctl import-svg: makes a shape file from the paths of an SVG drawing.
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "authoring/authoring_error.h"
#include "authoring/shape_check.h"
#include "authoring/shape_writer.h"
#include "authoring/svg_document.h"
#include "authoring/svg_import.h"
#include "cli/command.h"
#include "cli/output_file.h"

namespace orbilux::cli {

namespace {

double ReadDouble(const Arguments& arguments, const std::string& name, double fallback, double min, double max) {
    const std::optional<std::string> text = arguments.text(name);
    if (!text) return fallback;
    double value = 0;
    const auto r = std::from_chars(text->data(), text->data() + text->size(), value);
    if (r.ec != std::errc() || r.ptr != text->data() + text->size() || !(value >= min && value <= max))
        throw UsageError("option --" + name + " needs a number from " + std::to_string(min).substr(0, 4) + " to " +
                         std::to_string(max).substr(0, 6) + ", not \"" + *text + "\"");
    return value;
}

// Reads the whole file, refusing anything but a regular file (a pipe would
// wait for a writer, a device may never end) and files too large to be a
// drawing.
bool ReadFile(const std::filesystem::path& file, std::string& text, std::string& problem) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(file, ec);
    if (!ec && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        problem = "it is not a regular file";
        return false;
    }
    const auto size = std::filesystem::file_size(file, ec);
    if (ec) {
        problem = "cannot read the file (" + ec.message() + ")";
        return false;
    }
    if (size > authoring::MaxSvgBytes) {
        problem = "the file is too large to be a drawing";
        return false;
    }
    std::ifstream in(file, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (!in && !in.eof()) {
        problem = "cannot read the file";
        return false;
    }
    text = buffer.str();
    return true;
}

}  // namespace

Command ImportSvgCommand() {
    Command command;
    command.name = "import-svg";
    command.usage = "IN.svg -o OUT.shp [--spacing S] [--fixed-circles] [--fixed-below SIZE] [--margin M] "
                    "[--no-overflow]";
    command.summary = "make a shape from the paths of an SVG drawing: points every S design units (default 0.5) "
                      "along each subpath, circles or subpaths smaller than SIZE as fixed points";
    command.run = [command](const Args& args, std::ostream& out, std::ostream& err) {
        return RunWithUsage(command, err, [&] {
            const Arguments arguments(args, {"output", "spacing", "fixed-below", "margin"},
                                      {"fixed-circles", "no-overflow"});
            arguments.expectPositional({"IN.svg"});
            authoring::ImportOptions options;
            options.spacing = ReadDouble(arguments, "spacing", options.spacing, 0.01, 100);
            options.fixedBelow = ReadDouble(arguments, "fixed-below", options.fixedBelow, 0, 1000);
            options.margin = ReadDouble(arguments, "margin", options.margin, 0, 240);
            options.circlesAsFixed = arguments.flag("fixed-circles");
            options.overflow = !arguments.flag("no-overflow");
            const std::string input = arguments.positional()[0];
            const std::string output = arguments.requiredText("output");
            const std::filesystem::path target = std::filesystem::u8path(output);
            if (SameFile(std::filesystem::u8path(input), target))
                throw UsageError("-o names the drawing itself; the shape needs a file of its own");

            std::string svg, problem;
            if (!ReadFile(std::filesystem::u8path(input), svg, problem)) {
                err << "orbiluxctl import-svg: \"" << input << "\": " << problem << "\n";
                return int(ExitFailure);
            }
            authoring::ImportResult result;
            try {
                result = authoring::ImportSvg(svg, options);
            } catch (const authoring::AuthoringError& e) {
                err << "orbiluxctl import-svg: \"" << input << "\": " << e.what() << "\n";
                return int(ExitFailure);
            }

            const std::vector<unsigned char> bytes = authoring::EncodeShape(result.shape);
            const std::string failed = WriteWholeFile(target, std::string(bytes.begin(), bytes.end()));
            if (!failed.empty()) {
                err << "orbiluxctl import-svg: " << failed << "\n";
                return int(ExitFailure);
            }

            const LoadedShape& shape = result.shape;
            out << output << ": " << shape.Paths.size() << " paths, " << shape.FixedPoints.size()
                << " fixed points, " << (shape.OverflowPoints ? shape.OverflowPoints->size() : 0)
                << " overflow points\n";
            // Tell the author how the shape does on a typical desktop; it
            // is written either way.
            const authoring::LibraryRules rules;
            const std::vector<std::string> problems = authoring::CheckShapeFile(target, rules);
            if (problems.empty()) {
                out << "fits every icon count from " << rules.minIcons << " to " << rules.maxIcons
                    << " at the default frame, icons at least " << rules.minDistance << " px apart up to "
                    << rules.spacedUpTo << "\n";
            } else {
                out << "note: at " << problems.size() << " icon counts from " << rules.minIcons << " to "
                    << rules.maxIcons << " the default frame shows problems, first: " << problems.front() << "\n";
            }
            return int(ExitOk);
        });
    };
    return command;
}

}  // namespace orbilux::cli
