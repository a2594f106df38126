#include "desktop/json_cursor.h"

#include <limits>

#include "platform/text.h"

namespace orbilux {

namespace {

// The length of the valid UTF-8 sequence starting at `i`, or 0.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    char32_t c = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        c = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() - i < length) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) return 0;
        c = (c << 6) | (next & 0x3F);
    }
    const bool overlong = (length == 2 && c < 0x80) || (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
    if (overlong || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return 0;
    return length;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

}  // namespace

JsonCursor::JsonCursor(std::string_view text) : text_(text) {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
    for (std::size_t i = pos_; i < text_.size();) {
        const std::size_t length = Utf8SequenceLength(text_, i);
        if (length == 0) {
            pos_ = i;
            fail("not valid UTF-8");
        }
        i += length;
    }
}

void JsonCursor::skipSpace() {
    while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
}

bool JsonCursor::accept(char c) {
    skipSpace();
    if (pos_ < text_.size() && text_[pos_] == c) {
        ++pos_;
        return true;
    }
    return false;
}

void JsonCursor::expect(char c, const char* what) {
    if (!accept(c)) fail(std::string("expected ") + what + ", found " + describeNext());
}

void JsonCursor::expectEnd() {
    skipSpace();
    if (pos_ != text_.size()) fail(describeNext() + " after the end of the data");
}

std::string JsonCursor::describeNext() const {
    if (pos_ >= text_.size()) return "the end of the file";
    const char c = text_[pos_];
    if (c == '"') return "a string";
    if (c == '{') return "an object";
    if (c == '[') return "an array";
    if (c == '-' || (c >= '0' && c <= '9')) return "a number";
    if (text_.compare(pos_, 4, "true") == 0 || text_.compare(pos_, 5, "false") == 0) return "true or false";
    if (text_.compare(pos_, 4, "null") == 0) return "null";
    if (static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7F)
        return std::string("'") + c + "'";
    return "an unexpected character";
}

void JsonCursor::fail(const std::string& message) const {
    std::size_t line = 1, column = 1;
    for (std::size_t i = 0; i < pos_ && i < text_.size(); ++i) {
        if (text_[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(text_[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    throw JsonError("line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + message);
}

char32_t JsonCursor::readHexEscape() {
    if (text_.size() - pos_ < 4) fail("a \\u escape needs four hexadecimal digits");
    char32_t value = 0;
    for (int k = 0; k < 4; ++k) {
        const char c = text_[pos_++];
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0) fail("a \\u escape needs four hexadecimal digits");
        value = value * 16 + char32_t(digit);
    }
    return value;
}

std::string JsonCursor::readString(std::size_t maxBytes) {
    skipSpace();
    if (pos_ >= text_.size() || text_[pos_] != '"') fail("expected a string, found " + describeNext());
    ++pos_;
    std::string out;
    for (;;) {
        if (out.size() > maxBytes) fail("text too long");
        if (pos_ >= text_.size()) fail("a string is not closed");
        const char c = text_[pos_];
        if (c == '"') {
            ++pos_;
            break;
        }
        if (static_cast<unsigned char>(c) < 0x20) fail("a control character in a string (write it as an escape)");
        if (c != '\\') {
            out += c;
            ++pos_;
            continue;
        }
        ++pos_;
        if (pos_ >= text_.size()) fail("a string is not closed");
        const char escape = text_[pos_++];
        switch (escape) {
            case '"':
                out += '"';
                break;
            case '\\':
                out += '\\';
                break;
            case '/':
                out += '/';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                char32_t c32 = readHexEscape();
                if (c32 >= 0xDC00 && c32 <= 0xDFFF) fail("a \\u escape of a lone low surrogate");
                if (c32 >= 0xD800 && c32 <= 0xDBFF) {
                    if (text_.compare(pos_, 2, "\\u") != 0) fail("a \\u escape of a lone high surrogate");
                    pos_ += 2;
                    const char32_t low = readHexEscape();
                    if (low < 0xDC00 || low > 0xDFFF) fail("a \\u escape of a lone high surrogate");
                    c32 = 0x10000 + ((c32 - 0xD800) << 10) + (low - 0xDC00);
                }
                AppendUtf8(out, c32);
                break;
            }
            default:
                --pos_;
                fail("an unknown escape in a string");
        }
    }
    if (out.size() > maxBytes) fail("text too long");
    return out;
}

int32_t JsonCursor::readInteger() {
    skipSpace();
    const std::size_t start = pos_;
    const bool negative = pos_ < text_.size() && text_[pos_] == '-';
    if (negative) ++pos_;
    if (pos_ >= text_.size() || text_[pos_] < '0' || text_[pos_] > '9') {
        pos_ = start;
        fail("expected an integer, found " + describeNext());
    }
    if (text_[pos_] == '0' && pos_ + 1 < text_.size() && text_[pos_ + 1] >= '0' && text_[pos_ + 1] <= '9')
        fail("a number with a leading zero");
    // Accumulated as a negative number, whose range includes INT32_MIN.
    int64_t value = 0;
    bool tooLarge = false;
    while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
        if (!tooLarge) {
            value = value * 10 - (text_[pos_] - '0');
            if (value < int64_t(std::numeric_limits<int32_t>::min())) tooLarge = true;
        }
        ++pos_;
    }
    if (pos_ < text_.size() && (text_[pos_] == '.' || text_[pos_] == 'e' || text_[pos_] == 'E')) {
        pos_ = start;
        fail("expected an integer, found a number with a fraction or an exponent");
    }
    if (!negative && !tooLarge && -value > int64_t(std::numeric_limits<int32_t>::max())) tooLarge = true;
    if (tooLarge) {
        pos_ = start;
        fail("a number outside the signed 32-bit range");
    }
    return static_cast<int32_t>(negative ? value : -value);
}

std::size_t Utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (const char c : utf8) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) ++units;  // one per character ...
        if ((byte & 0xF8) == 0xF0) ++units;  // ... and a second for a surrogate pair
    }
    return units;
}

std::size_t CodePointCount(std::string_view utf8) {
    std::size_t count = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

void AppendJsonString(std::string& out, std::string_view utf8) {
    static const char* const hex = "0123456789abcdef";
    out += '"';
    for (const char c : utf8) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20) {
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

}  // namespace orbilux
