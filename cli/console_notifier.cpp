#include "cli/console_notifier.h"

#include "cli/command.h"

namespace orbilux::cli {

int FailIfQuitRequested(const ConsoleNotifier& notifier, const std::function<int()>& body) {
    const int status = body();
    return notifier.quitRequested() ? int(ExitFailure) : status;
}

}  // namespace orbilux::cli
