#include "authoring/svg_document.h"

#include <charconv>
#include <cmath>
#include <map>

namespace orbilux::authoring {

namespace {

constexpr double Pi = 3.14159265358979323846;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           c == ':' || c == '.';
}

// Reads a list of numbers separated by white space and/or commas.
std::vector<double> NumberList(std::string_view text, const std::string& what) {
    std::vector<double> numbers;
    std::size_t i = 0;
    for (;;) {
        while (i < text.size() && (IsSpace(text[i]) || text[i] == ',')) ++i;
        if (i >= text.size()) break;
        std::size_t from = text[i] == '+' ? i + 1 : i;
        double value = 0;
        const auto r = std::from_chars(text.data() + from, text.data() + text.size(), value);
        if (r.ec != std::errc() || !std::isfinite(value) || std::fabs(value) > MaxPathCoordinate)
            throw SvgError("bad number in " + what);
        numbers.push_back(value);
        i = std::size_t(r.ptr - text.data());
    }
    return numbers;
}

double Number(const std::map<std::string, std::string>& attributes, const std::string& name, double fallback) {
    const auto it = attributes.find(name);
    if (it == attributes.end()) return fallback;
    std::string_view text = it->second;
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    // A unit suffix of px is harmless; others (%, em, mm) can't be resolved here.
    if (text.size() > 2 && text.substr(text.size() - 2) == "px") text.remove_suffix(2);
    const std::vector<double> values = NumberList(text, "attribute " + name);
    if (values.size() != 1) throw SvgError("attribute " + name + " must be one number");
    return values[0];
}

std::string DecodeEntities(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out += text[i];
            continue;
        }
        const std::size_t end = text.find(';', i);
        if (end == std::string_view::npos) throw SvgError("unterminated character reference");
        const std::string_view name = text.substr(i + 1, end - i - 1);
        if (name == "amp") out += '&';
        else if (name == "lt") out += '<';
        else if (name == "gt") out += '>';
        else if (name == "quot") out += '"';
        else if (name == "apos") out += '\'';
        else if (!name.empty() && name[0] == '#') out += ' ';  // numeric references never matter in numbers
        else throw SvgError("unknown character reference &" + std::string(name) + ";");
        i = end;
    }
    return out;
}

PathData Ellipse(double cx, double cy, double rx, double ry) {
    PathData data(1);
    Subpath& s = data[0];
    s.start = {cx + rx, cy};
    s.closed = true;
    AppendArc(s.segments, {cx + rx, cy}, rx, ry, 0, false, true, {cx - rx, cy});
    AppendArc(s.segments, {cx - rx, cy}, rx, ry, 0, false, true, {cx + rx, cy});
    return data;
}

PathData Points(const std::string& text, bool closed) {
    const std::vector<double> v = NumberList(text, "points");
    if (v.size() % 2 != 0) throw SvgError("points needs pairs of numbers");
    PathData data;
    if (v.empty()) return data;
    data.emplace_back();
    data[0].start = {v[0], v[1]};
    data[0].closed = closed;
    for (std::size_t i = 2; i + 1 < v.size(); i += 2) data[0].segments.push_back({true, {}, {}, {v[i], v[i + 1]}});
    return data;
}

class DocumentReader {
public:
    explicit DocumentReader(std::string_view text) : text_(text) {}

    std::vector<SvgElement> read() {
        if (text_.size() > MaxSvgBytes) throw SvgError("the file is too large");
        transforms_.push_back(Affine{});
        while (pos_ < text_.size()) {
            const std::size_t open = text_.find('<', pos_);
            if (open == std::string_view::npos) break;
            pos_ = open;
            if (startsWith("<!--")) skipPast("-->", "comment");
            else if (startsWith("<![CDATA[")) skipPast("]]>", "CDATA section");
            else if (startsWith("<?")) skipPast("?>", "processing instruction");
            else if (startsWith("<!")) skipDeclaration();
            else if (startsWith("</")) closeTag();
            else openTag();
        }
        if (transforms_.size() > 1) throw SvgError("element <" + names_.back() + "> is never closed");
        return std::move(elements_);
    }

private:
    [[noreturn]] void fail(const std::string& message) const {
        std::size_t line = 1;
        for (std::size_t i = 0; i < pos_ && i < text_.size(); ++i) line += text_[i] == '\n';
        throw SvgError("line " + std::to_string(line) + ": " + message);
    }
    bool startsWith(std::string_view s) const { return text_.substr(pos_, s.size()) == s; }
    void skipPast(std::string_view end, const char* what) {
        const std::size_t at = text_.find(end, pos_);
        if (at == std::string_view::npos) fail(std::string("unterminated ") + what);
        pos_ = at + end.size();
    }
    void skipDeclaration() {
        // <!DOCTYPE ...> may hold an internal subset in brackets.
        int depth = 0;
        for (++pos_; pos_ < text_.size(); ++pos_) {
            if (text_[pos_] == '[') ++depth;
            else if (text_[pos_] == ']') --depth;
            else if (text_[pos_] == '>' && depth <= 0) {
                ++pos_;
                return;
            }
        }
        fail("unterminated declaration");
    }
    std::string name() {
        const std::size_t from = pos_;
        while (pos_ < text_.size() && IsNameChar(text_[pos_])) ++pos_;
        if (pos_ == from) fail("expected a name");
        return std::string(text_.substr(from, pos_ - from));
    }
    void skipSpace() {
        while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
    }
    void closeTag() {
        pos_ += 2;
        const std::string n = name();
        skipSpace();
        if (pos_ >= text_.size() || text_[pos_] != '>') fail("bad closing tag </" + n + ">");
        ++pos_;
        if (names_.empty() || names_.back() != n) fail("closing tag </" + n + "> does not match");
        names_.pop_back();
        transforms_.pop_back();
        if (hiddenDepth_ > names_.size()) hiddenDepth_ = 0;
    }
    void openTag() {
        ++pos_;
        const std::string tag = name();
        std::map<std::string, std::string> attributes;
        bool selfClosing = false;
        for (;;) {
            skipSpace();
            if (pos_ >= text_.size()) fail("unterminated tag <" + tag + ">");
            if (text_[pos_] == '>') {
                ++pos_;
                break;
            }
            if (startsWith("/>")) {
                pos_ += 2;
                selfClosing = true;
                break;
            }
            const std::string attribute = name();
            skipSpace();
            if (pos_ >= text_.size() || text_[pos_] != '=') fail("attribute " + attribute + " has no value");
            ++pos_;
            skipSpace();
            if (pos_ >= text_.size() || (text_[pos_] != '"' && text_[pos_] != '\'')) fail("attribute value must be quoted");
            const char quote = text_[pos_++];
            const std::size_t end = text_.find(quote, pos_);
            if (end == std::string_view::npos) fail("unterminated attribute value");
            try {
                attributes[attribute] = DecodeEntities(text_.substr(pos_, end - pos_));
            } catch (const SvgError& e) {
                fail(e.what());
            }
            pos_ = end + 1;
        }

        Affine map = transforms_.back();
        try {
            const auto t = attributes.find("transform");
            if (t != attributes.end()) map = map.after(ParseSvgTransform(t->second));
            if (hiddenDepth_ == 0) take(tag, attributes, map);
        } catch (const SvgPathError& e) {
            fail("<" + tag + "> has bad path data: " + e.what());
        } catch (const AuthoringError& e) {
            fail("<" + tag + ">: " + e.what());
        }
        if (selfClosing) return;
        if (names_.size() >= 256) fail("elements nested too deeply");
        names_.push_back(tag);
        transforms_.push_back(map);
        static const char* const hidden[] = {"defs", "clipPath", "mask", "symbol", "marker", "pattern"};
        for (const char* h : hidden)
            if (hiddenDepth_ == 0 && tag == h) hiddenDepth_ = names_.size();
    }

    void take(const std::string& tag, const std::map<std::string, std::string>& a, const Affine& map) {
        SvgElement e;
        e.name = tag;
        auto text = [&](const char* n) {
            const auto it = a.find(n);
            return it == a.end() ? std::string() : it->second;
        };
        if (tag == "path") {
            e.data = ParseSvgPathData(text("d"));
        } else if (tag == "circle" || tag == "ellipse") {
            const double cx = Number(a, "cx", 0), cy = Number(a, "cy", 0);
            const double rx = tag == "circle" ? Number(a, "r", 0) : Number(a, "rx", 0);
            const double ry = tag == "circle" ? rx : Number(a, "ry", 0);
            if (rx <= 0 || ry <= 0) return;  // not drawn
            e.data = Ellipse(cx, cy, rx, ry);
            e.round = true;
            e.centre = map.apply({cx, cy});
        } else if (tag == "rect") {
            const double x = Number(a, "x", 0), y = Number(a, "y", 0);
            const double w = Number(a, "width", 0), h = Number(a, "height", 0);
            if (w <= 0 || h <= 0) return;
            e.data = Points(std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(x + w) + " " +
                                std::to_string(y) + " " + std::to_string(x + w) + " " + std::to_string(y + h) + " " +
                                std::to_string(x) + " " + std::to_string(y + h),
                            true);
        } else if (tag == "line") {
            const double x1 = Number(a, "x1", 0), y1 = Number(a, "y1", 0);
            const double x2 = Number(a, "x2", 0), y2 = Number(a, "y2", 0);
            e.data = PathData(1);
            e.data[0].start = {x1, y1};
            e.data[0].segments.push_back({true, {}, {}, {x2, y2}});
        } else if (tag == "polyline" || tag == "polygon") {
            e.data = Points(text("points"), tag == "polygon");
        } else {
            return;
        }
        if (e.data.empty()) return;
        TransformPathData(e.data, map);
        elements_.push_back(std::move(e));
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::vector<std::string> names_;
    std::vector<Affine> transforms_;
    std::size_t hiddenDepth_ = 0;  // depth of the element that hides its content; 0 when none
    std::vector<SvgElement> elements_;
};

}  // namespace

Affine ParseSvgTransform(std::string_view text) {
    Affine result;
    std::size_t i = 0;
    for (;;) {
        while (i < text.size() && (IsSpace(text[i]) || text[i] == ',')) ++i;
        if (i >= text.size()) break;
        const std::size_t nameStart = i;
        while (i < text.size() && ((text[i] >= 'a' && text[i] <= 'z') || (text[i] >= 'A' && text[i] <= 'Z'))) ++i;
        const std::string_view fn = text.substr(nameStart, i - nameStart);
        while (i < text.size() && IsSpace(text[i])) ++i;
        if (i >= text.size() || text[i] != '(') throw SvgError("bad transform \"" + std::string(text) + "\"");
        const std::size_t close = text.find(')', i);
        if (close == std::string_view::npos) throw SvgError("bad transform \"" + std::string(text) + "\"");
        const std::vector<double> v = NumberList(text.substr(i + 1, close - i - 1), "transform");
        i = close + 1;
        auto need = [&](std::size_t lo, std::size_t hi) {
            if (v.size() < lo || v.size() > hi)
                throw SvgError("transform " + std::string(fn) + " takes " + std::to_string(lo) + " to " +
                               std::to_string(hi) + " numbers");
        };
        Affine step;
        if (fn == "matrix") {
            need(6, 6);
            step = {v[0], v[1], v[2], v[3], v[4], v[5]};
        } else if (fn == "translate") {
            need(1, 2);
            step = Affine::Translate(v[0], v.size() > 1 ? v[1] : 0);
        } else if (fn == "scale") {
            need(1, 2);
            step = Affine::Scale(v[0], v.size() > 1 ? v[1] : v[0]);
        } else if (fn == "rotate") {
            need(1, 3);
            // SVG's rotate turns clockwise on screen for positive angles, as
            // Affine::Rotate does in y-down coordinates.
            step = Affine::Rotate(v[0]);
            if (v.size() == 3)
                step = Affine::Translate(v[1], v[2]).after(step).after(Affine::Translate(-v[1], -v[2]));
            else if (v.size() == 2)
                throw SvgError("transform rotate takes 1 or 3 numbers");
        } else if (fn == "skewX") {
            need(1, 1);
            step = {1, 0, std::tan(v[0] * Pi / 180), 1, 0, 0};
        } else if (fn == "skewY") {
            need(1, 1);
            step = {1, std::tan(v[0] * Pi / 180), 0, 1, 0, 0};
        } else {
            throw SvgError("unknown transform \"" + std::string(fn) + "\"");
        }
        result = result.after(step);
    }
    return result;
}

std::vector<SvgElement> ReadSvgDocument(std::string_view text) { return DocumentReader(text).read(); }

}  // namespace orbilux::authoring
