// A strict, forward-only reader of JSON text for formats whose shape is known
// in advance: the caller asks for the token it expects next ("{", a string,
// an integer, ...) and gets an error naming what was found instead. Nothing
// is built that the caller didn't ask for, so memory stays bounded by what
// the caller keeps, whatever the input.
//
// Strictness: the whole text must be valid UTF-8 (a leading byte-order mark
// is skipped); strings may hold no raw control characters and no lone
// surrogate escapes; numbers are read as integers only (no fraction, no
// exponent, no leading zeros) and must fit in signed 32 bits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orbilux {

// Why a text was refused, with the line and column (both from 1) where the
// reader stood.
class JsonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class JsonCursor {
public:
    // Checks that `text` is UTF-8 (throws JsonError otherwise). The text must
    // outlive the cursor.
    explicit JsonCursor(std::string_view text);

    // Skips white space and says whether the next character is `c`,
    // consuming it when it is.
    bool accept(char c);
    // The same, but refusing anything else.
    void expect(char c, const char* what);

    // A string, as UTF-8 (escapes resolved). Throws when the next token is
    // not a string or the string is longer than `maxBytes` once decoded.
    std::string readString(std::size_t maxBytes);
    int32_t readInteger();

    // After the last value: only white space may follow.
    void expectEnd();

    // Throws a JsonError with `message` and the current position.
    [[noreturn]] void fail(const std::string& message) const;

private:
    void skipSpace();
    char32_t readHexEscape();
    std::string describeNext() const;

    std::string_view text_;
    std::size_t pos_ = 0;
};

// The number of UTF-16 units a UTF-8 text takes (what a Windows string
// holds), and its number of characters (code points).
std::size_t Utf16Length(std::string_view utf8);
std::size_t CodePointCount(std::string_view utf8);

// Appends `utf8` as a JSON string literal: quotes, the escapes JSON needs
// (quote, backslash, control characters), everything else as it is.
void AppendJsonString(std::string& out, std::string_view utf8);

}  // namespace orbilux
