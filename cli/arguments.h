// A small command-line reader for orbiluxctl: positional arguments plus
// "--name value" options and "--flag" switches, with strict number parsing.
// Every problem becomes a UsageError, which the commands turn into the usage
// message and exit status 2.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace orbilux::cli {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Arguments {
public:
    // `valueOptions` take a value ("--width 800" or "--width=800"); `flags`
    // take none. Anything else starting with "--" is an error. A lone "-o"
    // is accepted as "--output".
    Arguments(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
              const std::set<std::string>& flags);

    const std::vector<std::string>& positional() const { return positional_; }
    bool flag(const std::string& name) const { return flags_.count(name) != 0; }
    bool has(const std::string& name) const { return values_.count(name) != 0; }
    std::optional<std::string> text(const std::string& name) const;

    std::string requiredText(const std::string& name) const;
    int32_t requiredInt(const std::string& name, int64_t min = INT32_MIN, int64_t max = INT32_MAX) const;
    int32_t intOr(const std::string& name, int32_t fallback, int64_t min = INT32_MIN, int64_t max = INT32_MAX) const;

    // Exactly `count` positional arguments, named for the error message.
    void expectPositional(const std::vector<std::string>& names) const;

private:
    std::vector<std::string> positional_;
    std::map<std::string, std::string> values_;
    std::set<std::string> flags_;
};

// Decimal 32-bit integer, optional sign, nothing else; nullopt when it isn't one.
std::optional<int64_t> ParseInteger(const std::string& text);

}  // namespace orbilux::cli
