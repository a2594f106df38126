// The one error type of shape authoring: bad sources, bad SVG, shapes that
// cannot be made to fit. Its message is meant for the person who wrote the
// source, so it says what is wrong and where.
#pragma once

#include <stdexcept>

namespace orbilux::authoring {

class AuthoringError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace orbilux::authoring
