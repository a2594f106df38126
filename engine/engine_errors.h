// Errors the shape engine hands to its caller. The engine never shows a
// message itself; callers decide (the main window drops them silently,
// orbiluxctl prints them).
#pragma once

#include <stdexcept>
#include <string>

namespace orbilux {

class EngineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A shape file could not be opened or read. Carries the operating system's
// error code (errno on POSIX, the Win32 error code on Windows).
class ShapeFileError : public EngineError {
public:
    ShapeFileError(std::string path, int osCode, const std::string& what)
        : EngineError(what), path_(std::move(path)), osCode_(osCode) {}
    const std::string& path() const { return path_; }
    int osCode() const { return osCode_; }

private:
    std::string path_;
    int osCode_;
};

// An integer or floating-point division by zero in the placement formulas
// (a shape without paths, a gap of 0, a step that rounds to 0).
class DivisionByZeroError : public EngineError {
public:
    using EngineError::EngineError;
};

// A floating-point value that cannot be held by the integer it must become.
class NumericRangeError : public EngineError {
public:
    using EngineError::EngineError;
};

}  // namespace orbilux
