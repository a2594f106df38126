#include "cli/console_notifier.h"

#include <exception>

#include "cli/command.h"

namespace orbilux::cli {

int RunReportingFailures(const std::string& commandName, std::ostream& err, const ConsoleNotifier& notifier,
                         const std::function<int()>& body) {
    int status;
    try {
        status = body();
    } catch (const std::exception& e) {
        err << "orbiluxctl " << commandName << ": " << e.what() << "\n";
        return ExitFailure;
    }
    return notifier.quitRequested() ? int(ExitFailure) : status;
}

}  // namespace orbilux::cli
