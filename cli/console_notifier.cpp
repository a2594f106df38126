#include "cli/console_notifier.h"

#include <exception>

#include "cli/arguments.h"
#include "cli/command.h"

namespace orbilux::cli {

int RunReportingFailures(const std::string& commandName, std::ostream& err, const ConsoleNotifier& notifier,
                         const std::function<int()>& body) {
    int status;
    try {
        status = body();
    } catch (const UsageError&) {
        throw;  // the command's usage is printed further out
    } catch (const std::exception& e) {
        err << "orbiluxctl " << commandName << ": " << e.what() << "\n";
        return ExitFailure;
    }
    return notifier.quitRequested() ? int(ExitFailure) : status;
}

}  // namespace orbilux::cli
