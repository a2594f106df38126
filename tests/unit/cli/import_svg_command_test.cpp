#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

#include "cli/command.h"
#include "engine/shape_file.h"
#include "tests/support/cli_run.h"
#include "tests/support/temp_dir.h"

namespace orbilux::cli {
namespace {

using test::CliRun;

class ImportSvgCommandTest : public ::testing::Test {
protected:
    std::string svg(const std::string& text, const std::string& name = "in.svg") {
        const std::vector<unsigned char> bytes(text.begin(), text.end());
        return dir_.write(name, bytes).u8string();
    }
    CliRun run(Args args) {
        args.insert(args.begin(), "import-svg");
        return test::RunCli(args);
    }
    test::TempDir dir_;
};

TEST_F(ImportSvgCommandTest, WritesALoadableShapeAndSaysWhatItHolds) {
    const std::string in = svg("<svg viewBox='0 0 10 10'><circle cx='5' cy='5' r='4'/><circle cx='5' cy='5' r='0.1'/></svg>");
    const std::string out = dir_.file("out.shp").u8string();
    const CliRun r = run({in, "-o", out, "--fixed-below", "20", "--spacing", "1"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("1 paths, 1 fixed points"), std::string::npos) << r.out;
    const LoadedShape shape = LoadShapeFile(std::filesystem::u8path(out));
    ASSERT_EQ(shape.Paths.size(), 1u);
    EXPECT_EQ(shape.FixedPoints, (std::vector<ShapePoint>{{250, 250}}));
}

std::string Contents(const std::string& file) {
    std::ifstream in(std::filesystem::u8path(file), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST_F(ImportSvgCommandTest, NeverDestroysTheFileItWouldReplace) {
    const std::string drawing = "<svg viewBox='0 0 10 10'><circle cx='5' cy='5' r='4'/></svg>";
    const std::string in = svg(drawing);
    const CliRun itself = run({in, "-o", (dir_.path() / "." / "in.svg").u8string()});
    EXPECT_EQ(itself.status, ExitUsage);
    EXPECT_NE(itself.err.find("-o names the drawing itself"), std::string::npos) << itself.err;
    EXPECT_EQ(Contents(in), drawing);

#ifndef _WIN32
    // A disk that fills up half-way through the write, as far as this
    // process can tell: writes beyond 1,000 bytes fail.
    const std::string out = dir_.write("out.shp", {'o', 'l', 'd'}).u8string();
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const CliRun full = run({in, "-o", out});
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(full.status, ExitFailure);
    EXPECT_EQ(Contents(out), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 2);  // in.svg and out.shp
#endif
}

struct UsageCase {
    std::vector<std::string> args;
    const char* message;
};

TEST_F(ImportSvgCommandTest, UsageErrorsExitWithTwo) {
    const std::string in = svg("<svg><rect width='5' height='5'/></svg>");
    const std::vector<UsageCase> cases{
        {{in}, "missing option --output"},
        {{"-o", "x.shp"}, "missing argument IN.svg"},
        {{in, "-o", "x.shp", "--spacing", "0"}, "--spacing needs a number"},
        {{in, "-o", "x.shp", "--spacing", "1mm"}, "--spacing needs a number"},
        {{in, "-o", "x.shp", "--fixed-below", "-1"}, "--fixed-below needs a number"},
        {{in, "-o", "x.shp", "--margin", "300"}, "--margin needs a number"},
        {{in, "-o", "x.shp", "--colour", "red"}, "unknown option --colour"},
    };
    for (const UsageCase& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, ExitUsage) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("usage: orbiluxctl import-svg"), std::string::npos);
    }
}

TEST_F(ImportSvgCommandTest, BadDrawingsFailWithAMessageAndWriteNothing) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"<svg><path d='M 0 0 L 5'/></svg>", "bad path data"},
        {"<svg><g></svg>", "does not match"},
        {"<svg><text>no drawing</text></svg>", "no paths or shapes"},
        {"", "no paths or shapes"},
    };
    for (const auto& [text, message] : cases) {
        const std::string out = dir_.file("never.shp").u8string();
        const CliRun r = run({svg(text), "-o", out});
        EXPECT_EQ(r.status, ExitFailure) << text;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::u8path(out))) << text;
    }
    const CliRun missing = run({dir_.file("missing.svg").u8string(), "-o", dir_.file("x.shp").u8string()});
    EXPECT_EQ(missing.status, ExitFailure);
    EXPECT_NE(missing.err.find("cannot read the file"), std::string::npos) << missing.err;
}

}  // namespace
}  // namespace orbilux::cli
