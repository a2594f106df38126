#include "cli/arguments.h"

namespace orbilux::cli {

std::optional<int64_t> ParseInteger(const std::string& text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > int64_t(1) << 40) return std::nullopt;  // far beyond any 32-bit value
    }
    return negative ? -value : value;
}

Arguments::Arguments(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
                     const std::set<std::string>& flags) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        if (arg == "-o") arg = "--output";
        if (arg.size() < 3 || arg.compare(0, 2, "--") != 0) {
            positional_.push_back(arg);
            continue;
        }
        std::string name = arg.substr(2);
        std::optional<std::string> inlineValue;
        if (const auto eq = name.find('='); eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        if (flags.count(name)) {
            if (inlineValue) throw UsageError("option --" + name + " takes no value");
            flags_.insert(name);
        } else if (valueOptions.count(name)) {
            if (!inlineValue) {
                if (i + 1 >= args.size()) throw UsageError("option --" + name + " needs a value");
                inlineValue = args[++i];
            }
            if (values_.count(name)) throw UsageError("option --" + name + " given twice");
            values_[name] = *inlineValue;
        } else {
            throw UsageError("unknown option --" + name);
        }
    }
}

std::optional<std::string> Arguments::text(const std::string& name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

std::string Arguments::requiredText(const std::string& name) const {
    const auto value = text(name);
    if (!value) throw UsageError("missing option --" + name);
    return *value;
}

int32_t Arguments::requiredInt(const std::string& name, int64_t min, int64_t max) const {
    const std::string value = requiredText(name);
    const auto number = ParseInteger(value);
    if (!number || *number < min || *number > max)
        throw UsageError("option --" + name + " needs an integer from " + std::to_string(min) + " to " +
                         std::to_string(max) + ", not \"" + value + "\"");
    return static_cast<int32_t>(*number);
}

int32_t Arguments::intOr(const std::string& name, int32_t fallback, int64_t min, int64_t max) const {
    return has(name) ? requiredInt(name, min, max) : fallback;
}

void Arguments::expectPositional(const std::vector<std::string>& names) const {
    if (positional_.size() < names.size()) throw UsageError("missing argument " + names[positional_.size()]);
    if (positional_.size() > names.size()) throw UsageError("unexpected argument \"" + positional_[names.size()] + "\"");
}

}  // namespace orbilux::cli
