#include "cli/shell_commit_output.h"

namespace orbilux::cli {

namespace {

const char* Bool(bool value) {
    return value ? "true" : "false";
}

}  // namespace

std::string ShellCommitText(const ShellCommitOutcome& outcome) {
    if (!outcome.available) return "shell: the shell view is not available\n";
    return "shell: " + std::to_string(outcome.committed) + " icons committed, " + std::to_string(outcome.notPaired) +
           " not paired, " + std::to_string(outcome.notWherePut) + " not where put\n";
}

std::string ShellCommitJson(const ShellCommitOutcome& outcome) {
    return std::string("{\"available\": ") + Bool(outcome.available) +
           ", \"committed\": " + std::to_string(outcome.committed) +
           ", \"notPaired\": " + std::to_string(outcome.notPaired) +
           ", \"notWherePut\": " + std::to_string(outcome.notWherePut) + "}";
}

std::string ShellFlagsJson(const std::optional<ShellFolderFlags>& flags) {
    if (!flags) return "null";
    return std::string("{\"autoArrange\": ") + Bool(flags->autoArrange) +
           ", \"snapToGrid\": " + Bool(flags->snapToGrid) + "}";
}

}  // namespace orbilux::cli
