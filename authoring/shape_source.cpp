#include "authoring/shape_source.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "authoring/authoring_error.h"
#include "authoring/primitives.h"
#include "authoring/stroke.h"
#include "authoring/svg_path.h"

namespace orbilux::authoring {

namespace {

struct Token {
    std::string text;
    bool quoted = false;
};

struct Statement {
    std::vector<Token> tokens;
    int line = 0;
};

std::vector<Statement> Tokenize(std::string_view text) {
    std::vector<Statement> statements;
    Statement current;
    int line = 1;
    std::size_t i = 0;
    auto finish = [&] {
        if (!current.tokens.empty()) statements.push_back(std::move(current));
        current = Statement{};
    };
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\n') {
            finish();
            ++line;
            ++i;
        } else if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            while (i < text.size() && text[i] != '\n') ++i;
        } else {
            if (current.tokens.empty()) current.line = line;
            Token token;
            if (c == '"') {
                const int opened = line;
                token.quoted = true;
                ++i;
                while (i < text.size() && text[i] != '"') {
                    if (text[i] == '\n') ++line;
                    token.text += text[i++];
                }
                if (i >= text.size()) throw AuthoringError("line " + std::to_string(opened) + ": unclosed quote");
                ++i;
            } else {
                while (i < text.size() && std::string_view(" \t\r\n#\"").find(text[i]) == std::string_view::npos)
                    token.text += text[i++];
            }
            current.tokens.push_back(std::move(token));
        }
    }
    finish();
    return statements;
}

class StatementReader {
public:
    explicit StatementReader(const Statement& s) : s_(s) {}

    [[noreturn]] void fail(const std::string& message) const {
        throw AuthoringError("line " + std::to_string(s_.line) + ": " + message);
    }
    const std::string& keyword() const { return s_.tokens[0].text; }
    bool more() const { return next_ < s_.tokens.size(); }
    bool numberNext() const {
        if (!more() || s_.tokens[next_].quoted) return false;
        double ignored;
        const std::string& t = s_.tokens[next_].text;
        const auto r = std::from_chars(t.data(), t.data() + t.size(), ignored);
        return r.ec == std::errc() && r.ptr == t.data() + t.size();
    }
    double number(const char* what) {
        if (!numberNext()) fail(std::string("expected a number for ") + what);
        double value = 0;
        const std::string& t = s_.tokens[next_++].text;
        std::from_chars(t.data(), t.data() + t.size(), value);
        if (!std::isfinite(value) || std::fabs(value) > 1e6) fail(std::string("number out of range for ") + what);
        return value;
    }
    int integer(const char* what, int min, int max) {
        const double v = number(what);
        if (v != std::floor(v) || v < min || v > max)
            fail(std::string(what) + " must be a whole number from " + std::to_string(min) + " to " +
                 std::to_string(max));
        return static_cast<int>(v);
    }
    std::string quoted(const char* what) {
        if (!more() || !s_.tokens[next_].quoted) fail(std::string("expected quoted ") + what);
        return s_.tokens[next_++].text;
    }
    std::string word() {
        if (!more() || s_.tokens[next_].quoted) fail("expected an option name");
        return s_.tokens[next_++].text;
    }
    std::vector<Vec2> pointList() {
        std::vector<Vec2> points;
        while (more()) {
            const double x = number("x");
            if (!more()) fail("a point needs both x and y");
            points.push_back({x, number("y")});
        }
        if (points.empty()) fail("expected at least one point");
        return points;
    }

private:
    const Statement& s_;
    std::size_t next_ = 1;
};

std::vector<Polyline> DrawPrimitive(StatementReader& r) {
    const std::string& k = r.keyword();
    if (k == "svg") {
        const std::string data = r.quoted("path data");
        PathData path;
        try {
            path = ParseSvgPathData(data);
        } catch (const SvgPathError& e) {
            r.fail(std::string("bad path data: ") + e.what());
        }
        const Box box = ControlBounds(path);
        const double extent = std::fmax(box.width(), box.height());
        return FlattenPathData(path, extent > 0 ? extent * 1e-4 : 1e-3);
    }
    const Vec2 centre{r.number("centre x"), r.number("centre y")};
    if (k == "circle") {
        const double radius = r.number("radius");
        return {EllipseCurve(centre, radius, radius)};
    }
    if (k == "ellipse") {
        const double rx = r.number("x radius");
        return {EllipseCurve(centre, rx, r.number("y radius"))};
    }
    if (k == "arc") {
        const double rx = r.number("x radius"), ry = r.number("y radius");
        const double from = r.number("start angle");
        return {ArcCurve(centre, rx, ry, from, r.number("end angle"))};
    }
    if (k == "polygon") {
        const double radius = r.number("radius");
        return {PolygonCurve(centre, radius, r.integer("sides", 3, 1000), 0)};
    }
    if (k == "star") {
        const double radius = r.number("radius"), inner = r.number("inner radius");
        return {StarCurve(centre, radius, inner, r.integer("points", 2, 1000), 0)};
    }
    if (k == "spiral") {
        const double r0 = r.number("inner radius"), r1 = r.number("outer radius");
        return {ArchimedeanSpiral(centre, r0, r1, r.number("turns"))};
    }
    if (k == "golden-spiral") {
        const double r1 = r.number("outer radius");
        return {GoldenSpiral(centre, r1, r.number("turns"))};
    }
    if (k == "rose") {
        const double radius = r.number("radius");
        return {RoseCurve(centre, radius, r.integer("petal factor", 1, 100))};
    }
    if (k == "wave") {
        const double radius = r.number("radius"), amplitude = r.number("amplitude");
        return {WaveCurve(centre, radius, amplitude, r.integer("lobes", 1, 1000))};
    }
    if (k == "crescent") {
        const double radius = r.number("radius"), from = r.number("start angle"), to = r.number("end angle");
        const double tip = r.number("tip width");
        return {CrescentCurve(centre, radius, from, to, tip, r.number("middle width"))};
    }
    if (k == "heart") {
        const double w = r.number("width");
        return {HeartCurve(centre, w, r.number("height"))};
    }
    if (k == "lemniscate") {
        const double w = r.number("width");
        return {LemniscateCurve(centre, w, r.number("height"))};
    }
    r.fail("unknown statement \"" + k + "\"");
}

// Re-draws a polygon or star with rounded corners: the corner radius is an
// option, but the corners are only known to the primitive.
std::vector<Polyline> RedrawRounded(const Statement& s, double radius) {
    StatementReader r(s);
    const Vec2 centre{r.number("centre x"), r.number("centre y")};
    if (r.keyword() == "polygon") {
        const double rad = r.number("radius");
        return {PolygonCurve(centre, rad, r.integer("sides", 3, 1000), radius)};
    }
    const double rad = r.number("radius"), inner = r.number("inner radius");
    return {StarCurve(centre, rad, inner, r.integer("points", 2, 1000), radius)};
}

void Rotate(std::vector<Polyline>& lines, double degrees, Vec2 c) {
    const Affine map = Affine::Translate(c.x, c.y).after(Affine::Rotate(degrees)).after(Affine::Translate(-c.x, -c.y));
    for (Polyline& l : lines)
        for (Vec2& p : l.points) p = map.apply(p);
}

void Fit(std::vector<Polyline>& lines, Box target) {
    const Box box = BoundsOf(lines);
    if (box.empty()) return;
    const double scale = std::fmin(box.width() > 0 ? target.width() / box.width() : INFINITY,
                                   box.height() > 0 ? target.height() / box.height() : INFINITY);
    const double s = std::isfinite(scale) ? scale : 1;
    const Vec2 from = box.centre(), to = target.centre();
    for (Polyline& l : lines)
        for (Vec2& p : l.points) p = {to.x + (p.x - from.x) * s, to.y + (p.y - from.y) * s};
}

// A closed line that begins `fraction` of the way round instead.
void StartAt(Polyline& line, double fraction) {
    if (!line.closed || line.points.empty()) return;
    const std::size_t shift = static_cast<std::size_t>(std::floor(fraction * double(line.points.size()))) %
                              line.points.size();
    std::rotate(line.points.begin(), line.points.begin() + std::ptrdiff_t(shift), line.points.end());
}

SourcePath ReadPath(const Statement& statement) {
    StatementReader r(statement);
    SourcePath path;
    path.sourceLine = statement.line;
    path.lines = DrawPrimitive(r);
    bool hasPivot = false;
    Vec2 pivot;
    if (r.keyword() != "svg") {
        StatementReader centreReader(statement);
        pivot = Vec2{centreReader.number("centre x"), centreReader.number("centre y")};
        hasPivot = true;
    }
    // Options are read in any order but applied in a fixed one: corners,
    // fitting, rotation, stroke, then direction and start.
    std::optional<double> corner, rotation, strokeWidth, start;
    std::optional<Box> fitBox;
    bool reverse = false;
    while (r.more()) {
        const std::string option = r.word();
        if (option == "round") {
            corner = r.number("corner radius");
        } else if (option == "rotate") {
            rotation = r.number("rotation");
        } else if (option == "fit") {
            Box box;
            box.include({r.number("left"), r.number("top")});
            box.include({r.number("right"), r.number("bottom")});
            fitBox = box;
        } else if (option == "stroke") {
            strokeWidth = r.number("stroke width");
        } else if (option == "reverse") {
            reverse = true;
        } else if (option == "start") {
            start = r.number("start fraction");
            if (*start < 0 || *start >= 1) r.fail("start must be a fraction from 0 to below 1");
        } else if (option == "points") {
            path.points = static_cast<std::size_t>(r.integer("points", 16, 1000000));
        } else {
            r.fail("unknown option \"" + option + "\" for " + r.keyword());
        }
    }
    if (corner) {
        if (r.keyword() == "polygon" || r.keyword() == "star") {
            path.lines = RedrawRounded(statement, *corner);
        } else {
            for (Polyline& l : path.lines) l = RoundCorners(l, *corner);
        }
    }
    if (fitBox) {
        Fit(path.lines, *fitBox);
        hasPivot = false;
    }
    // Curves turn about their own centre, path data about the middle of its box.
    if (rotation) Rotate(path.lines, *rotation, hasPivot ? pivot : BoundsOf(path.lines).centre());
    if (strokeWidth) {
        std::vector<Polyline> outlines;
        for (const Polyline& l : path.lines)
            for (Polyline& o : StrokeOutline(l, *strokeWidth)) outlines.push_back(std::move(o));
        path.lines = std::move(outlines);
    }
    for (Polyline& l : path.lines) {
        if (reverse) std::reverse(l.points.begin(), l.points.end());
        if (start) StartAt(l, *start);
    }
    return path;
}

}  // namespace

ShapeSource ParseShapeSource(std::string_view text) {
    ShapeSource source;
    for (const Statement& statement : Tokenize(text)) {
        StatementReader r(statement);
        const std::string& k = r.keyword();
        if (statement.tokens[0].quoted) r.fail("a statement must start with a name");
        try {
            if (k == "fixed") {
                for (const Vec2& p : r.pointList()) source.fixed.push_back(p);
            } else if (k == "extra") {
                for (const Vec2& p : r.pointList()) source.extra.push_back(p);
            } else if (k == "overflow") {
                if (r.more() && !r.numberNext()) {
                    if (r.word() != "auto" || r.more()) r.fail("overflow takes \"auto\" or points");
                    source.overflowAuto = true;
                } else {
                    for (const Vec2& p : r.pointList()) source.overflow.push_back(p);
                }
            } else if (k == "spacing") {
                source.spacing = r.number("spacing");
                if (!(source.spacing >= 0.05 && source.spacing <= 100)) r.fail("spacing must be from 0.05 to 100");
                if (r.more()) r.fail("spacing takes one number");
            } else if (k == "metric") {
                const std::string m = r.word();
                if (m != "screen" && m != "design") r.fail("metric is \"screen\" or \"design\"");
                source.screenMetric = m == "screen";
            } else {
                source.paths.push_back(ReadPath(statement));
            }
        } catch (const AuthoringError& e) {
            const std::string what = e.what();
            if (what.rfind("line ", 0) == 0) throw;
            r.fail(what);
        }
    }
    if (source.overflowAuto && !source.overflow.empty())
        throw AuthoringError("overflow points are either listed or \"auto\", not both");
    return source;
}

}  // namespace orbilux::authoring
