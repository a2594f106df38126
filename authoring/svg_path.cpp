#include "authoring/svg_path.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace orbilux::authoring {

namespace {

constexpr double Pi = 3.14159265358979323846;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsCommand(char c) { return std::string_view("MmLlHhVvCcSsQqTtAaZz").find(c) != std::string_view::npos; }

// Reads numbers and flags from path data, skipping the separators (white
// space and at most one comma) between them.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    std::size_t position() const { return pos_; }
    bool atEnd() {
        skipSpace();
        return pos_ >= text_.size();
    }
    char peek() {
        skipSpace();
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    char take() { return text_[pos_++]; }

    // True when a number (not a command letter) comes next, after an
    // optional comma.
    bool numberFollows() {
        skipSeparator();
        if (pos_ >= text_.size()) return false;
        const char c = text_[pos_];
        return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.';
    }

    double number() {
        skipSeparator();
        const std::size_t start = pos_;
        std::size_t p = pos_;
        auto digits = [&] {
            const std::size_t from = p;
            while (p < text_.size() && text_[p] >= '0' && text_[p] <= '9') ++p;
            return p - from;
        };
        if (p < text_.size() && (text_[p] == '-' || text_[p] == '+')) ++p;
        std::size_t mantissa = digits();
        if (p < text_.size() && text_[p] == '.') {
            ++p;
            mantissa += digits();
        }
        if (mantissa == 0) throw SvgPathError("expected a number", start);
        if (p < text_.size() && (text_[p] == 'e' || text_[p] == 'E')) {
            std::size_t q = p + 1;
            if (q < text_.size() && (text_[q] == '-' || text_[q] == '+')) ++q;
            std::size_t expStart = q;
            while (q < text_.size() && text_[q] >= '0' && text_[q] <= '9') ++q;
            if (q > expStart) p = q;  // "e" without digits is not part of the number
        }
        // from_chars takes no leading '+'.
        const std::size_t parseFrom = text_[start] == '+' ? start + 1 : start;
        double value = 0;
        const auto result = std::from_chars(text_.data() + parseFrom, text_.data() + p, value);
        if (result.ec != std::errc() || result.ptr != text_.data() + p || !std::isfinite(value) ||
            std::fabs(value) > MaxPathCoordinate)
            throw SvgPathError("number out of range", start);
        pos_ = p;
        return value;
    }

    // Arc flags are a single 0 or 1 and may run into the next number ("a5 5 0 1150 0").
    bool flag() {
        skipSeparator();
        if (pos_ < text_.size() && (text_[pos_] == '0' || text_[pos_] == '1')) return text_[pos_++] == '1';
        throw SvgPathError("expected an arc flag (0 or 1)", pos_);
    }

private:
    void skipSpace() {
        while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
    }
    void skipSeparator() {
        skipSpace();
        if (pos_ < text_.size() && text_[pos_] == ',') {
            ++pos_;
            skipSpace();
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

class PathReader {
public:
    explicit PathReader(std::string_view text) : scan_(text) {}

    PathData read() {
        char command = '\0';
        while (!scan_.atEnd()) {
            const char next = scan_.peek();
            const std::size_t at = scan_.position();
            if (IsCommand(next)) {
                command = scan_.take();
            } else if (command == '\0') {
                throw SvgPathError("path data must begin with a moveto (M or m)", at);
            } else if (command == 'Z' || command == 'z') {
                throw SvgPathError("unexpected character '" + std::string(1, next) + "'", at);
            } else if (!scan_.numberFollows()) {
                throw SvgPathError("unexpected character '" + std::string(1, next) + "'", at);
            }
            if (data_.empty() && command != 'M' && command != 'm')
                throw SvgPathError("path data must begin with a moveto (M or m)", at);
            command = readCommand(command, at);
        }
        return std::move(data_);
    }

private:
    // Reads one command's arguments; returns the command that repeats if
    // more numbers follow (a moveto's extra pairs are linetos).
    char readCommand(char command, std::size_t at) {
        const bool rel = command >= 'a' && command <= 'z';
        const Vec2 base = rel ? current_ : Vec2{};
        auto point = [&] {
            const double x = scan_.number();
            const double y = scan_.number();
            return Vec2{base.x + x, base.y + y};
        };
        switch (command) {
        case 'M': case 'm': {
            const Vec2 p = point();
            data_.emplace_back();
            data_.back().start = p;
            current_ = start_ = p;
            lastControl_ = p;
            lastKind_ = 'M';
            return rel ? 'l' : 'L';
        }
        case 'Z': case 'z':
            ensureSubpath();
            data_.back().closed = true;
            current_ = start_;
            lastControl_ = current_;
            lastKind_ = 'Z';
            return command;  // numbers after a closepath are an error
        case 'L': case 'l': addLine(point()); return command;
        case 'H': case 'h': addLine({(rel ? current_.x : 0) + scan_.number(), current_.y}); return command;
        case 'V': case 'v': addLine({current_.x, (rel ? current_.y : 0) + scan_.number()}); return command;
        case 'C': case 'c': {
            const Vec2 c1 = point(), c2 = point(), end = point();
            addCubic(c1, c2, end, 'C');
            return command;
        }
        case 'S': case 's': {
            const Vec2 c1 = lastKind_ == 'C' ? current_ * 2 - lastControl_ : current_;
            const Vec2 c2 = point(), end = point();
            addCubic(c1, c2, end, 'C');
            return command;
        }
        case 'Q': case 'q': {
            const Vec2 c = point(), end = point();
            addQuadratic(c, end);
            return command;
        }
        case 'T': case 't': {
            const Vec2 c = lastKind_ == 'Q' ? current_ * 2 - lastControl_ : current_;
            addQuadratic(c, point());
            return command;
        }
        case 'A': case 'a': {
            const double rx = scan_.number(), ry = scan_.number(), rotation = scan_.number();
            const bool large = scan_.flag(), sweep = scan_.flag();
            const Vec2 end = point();
            ensureSubpath();
            AppendArc(data_.back().segments, current_, rx, ry, rotation, large, sweep, end);
            checkBudget();
            current_ = lastControl_ = end;
            lastKind_ = 'A';
            return command;
        }
        default: throw SvgPathError("unknown command", at);
        }
    }

    // After a closepath a drawing command starts a new subpath at the
    // closed subpath's start.
    void ensureSubpath() {
        if (data_.back().closed) {
            data_.emplace_back();
            data_.back().start = start_;
        }
    }
    void checkBudget() {
        if (++pushes_ % 1024 != 0) return;
        std::size_t total = 0;
        for (const Subpath& s : data_) total += s.segments.size();
        if (total > MaxPathSegments) throw SvgPathError("path data too long", scan_.position());
    }
    void push(const PathSegment& segment) {
        ensureSubpath();
        data_.back().segments.push_back(segment);
        checkBudget();
    }
    void addLine(Vec2 end) {
        push({true, {}, {}, end});
        current_ = lastControl_ = end;
        lastKind_ = 'L';
    }
    void addCubic(Vec2 c1, Vec2 c2, Vec2 end, char kind) {
        push({false, c1, c2, end});
        current_ = end;
        lastControl_ = c2;
        lastKind_ = kind;
    }
    void addQuadratic(Vec2 c, Vec2 end) {
        // The exact cubic form of a quadratic curve.
        const Vec2 c1 = current_ + (c - current_) * (2.0 / 3.0);
        const Vec2 c2 = end + (c - end) * (2.0 / 3.0);
        push({false, c1, c2, end});
        current_ = end;
        lastControl_ = c;
        lastKind_ = 'Q';
    }

    Scanner scan_;
    PathData data_;
    Vec2 current_, start_, lastControl_;
    char lastKind_ = 'M';
    std::size_t pushes_ = 0;
};

// Segments for one cubic: Wang's bound on the distance between a cubic and
// its control polygon subdivided n times.
int CubicPieces(Vec2 p0, Vec2 p1, Vec2 p2, Vec2 p3, double tolerance) {
    const double m = std::max(Length(p0 - p1 * 2 + p2), Length(p1 - p2 * 2 + p3));
    const double n = std::ceil(std::sqrt(0.75 * m / tolerance));
    if (!(n >= 1)) return 1;
    return static_cast<int>(std::min(n, 512.0));
}

Vec2 CubicAt(Vec2 p0, Vec2 p1, Vec2 p2, Vec2 p3, double t) {
    const double u = 1 - t;
    return p0 * (u * u * u) + p1 * (3 * u * u * t) + p2 * (3 * u * t * t) + p3 * (t * t * t);
}

}  // namespace

PathData ParseSvgPathData(std::string_view text) { return PathReader(text).read(); }

void AppendArc(std::vector<PathSegment>& out, Vec2 from, double rx, double ry, double rotationDegrees, bool largeArc,
               bool sweep, Vec2 to) {
    if (from == to) return;
    rx = std::fabs(rx);
    ry = std::fabs(ry);
    if (rx == 0 || ry == 0) {
        out.push_back({true, {}, {}, to});
        return;
    }
    // Endpoint to centre parameterisation, with out-of-range radii scaled up
    // just enough to join the end points.
    const double phi = std::fmod(rotationDegrees, 360.0) * Pi / 180.0;
    const double cs = std::cos(phi), sn = std::sin(phi);
    const double dx = (from.x - to.x) / 2, dy = (from.y - to.y) / 2;
    const double x1 = cs * dx + sn * dy, y1 = -sn * dx + cs * dy;
    const double lambda = (x1 * x1) / (rx * rx) + (y1 * y1) / (ry * ry);
    if (lambda > 1) {
        const double s = std::sqrt(lambda);
        rx *= s;
        ry *= s;
    }
    const double num = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
    const double den = rx * rx * y1 * y1 + ry * ry * x1 * x1;
    double co = den > 0 ? std::sqrt(std::max(0.0, num / den)) : 0;
    if (largeArc == sweep) co = -co;
    const double cxp = co * rx * y1 / ry, cyp = -co * ry * x1 / rx;
    const double cx = cs * cxp - sn * cyp + (from.x + to.x) / 2;
    const double cy = sn * cxp + cs * cyp + (from.y + to.y) / 2;
    const double theta1 = std::atan2((y1 - cyp) / ry, (x1 - cxp) / rx);
    const double theta2 = std::atan2((-y1 - cyp) / ry, (-x1 - cxp) / rx);
    double delta = theta2 - theta1;
    if (sweep && delta < 0) delta += 2 * Pi;
    if (!sweep && delta > 0) delta -= 2 * Pi;
    if (!std::isfinite(delta) || !std::isfinite(cx) || !std::isfinite(cy)) {
        out.push_back({true, {}, {}, to});
        return;
    }

    const int pieces = std::max(1, static_cast<int>(std::ceil(std::fabs(delta) / (Pi / 2) - 1e-9)));
    const double step = delta / pieces;
    const double k = 4.0 / 3.0 * std::tan(step / 4);
    auto onEllipse = [&](double t) {
        return Vec2{cx + rx * std::cos(t) * cs - ry * std::sin(t) * sn, cy + rx * std::cos(t) * sn + ry * std::sin(t) * cs};
    };
    auto derivative = [&](double t) {
        return Vec2{-rx * std::sin(t) * cs - ry * std::cos(t) * sn, -rx * std::sin(t) * sn + ry * std::cos(t) * cs};
    };
    double t = theta1;
    Vec2 p = from;
    for (int i = 0; i < pieces; ++i) {
        const double tn = t + step;
        const Vec2 q = i + 1 == pieces ? to : onEllipse(tn);
        out.push_back({false, p + derivative(t) * k, q - derivative(tn) * k, q});
        p = q;
        t = tn;
    }
}

void TransformPathData(PathData& data, const Affine& map) {
    for (Subpath& s : data) {
        s.start = map.apply(s.start);
        for (PathSegment& seg : s.segments) {
            seg.c1 = map.apply(seg.c1);
            seg.c2 = map.apply(seg.c2);
            seg.end = map.apply(seg.end);
        }
    }
}

Box ControlBounds(const PathData& data) {
    Box box;
    for (const Subpath& s : data) {
        box.include(s.start);
        for (const PathSegment& seg : s.segments) {
            if (!seg.line) {
                box.include(seg.c1);
                box.include(seg.c2);
            }
            box.include(seg.end);
        }
    }
    return box;
}

std::vector<Polyline> FlattenPathData(const PathData& data, double tolerance) {
    if (!(tolerance > 0)) throw AuthoringError("the flattening tolerance must be positive");
    std::vector<Polyline> lines;
    std::size_t total = 0;
    for (const Subpath& s : data) {
        Polyline line;
        line.closed = s.closed;
        line.points.push_back(s.start);
        Vec2 p = s.start;
        for (const PathSegment& seg : s.segments) {
            if (seg.line) {
                line.points.push_back(seg.end);
            } else {
                const int n = CubicPieces(p, seg.c1, seg.c2, seg.end, tolerance);
                for (int i = 1; i <= n; ++i)
                    line.points.push_back(i == n ? seg.end : CubicAt(p, seg.c1, seg.c2, seg.end, double(i) / n));
            }
            p = seg.end;
            if (line.points.size() + total > MaxFlattenedPoints) throw AuthoringError("path data too complex");
        }
        total += line.points.size();
        // A closed subpath that drew its way back to the start need not
        // repeat the start point.
        if (line.closed && line.points.size() > 1 && line.points.back() == line.points.front()) line.points.pop_back();
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace orbilux::authoring
