// UserNotifier for orbiluxctl: messages go to stderr, and a quit request
// makes the command end with a failure status. One command may run into the
// missing desktop several times (an arrange counts, then moves, each with
// its own words), so nothing more is shown once a quit has been requested:
// the user gets the first message only.
#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "platform/text.h"
#include "platform/user_notifier.h"

namespace orbilux::cli {

class ConsoleNotifier : public UserNotifier {
public:
    explicit ConsoleNotifier(std::ostream& err) : err_(err) {}
    void showMessage(const std::wstring& text) override {
        if (!quitRequested_) err_ << Utf8FromWide(text) << "\n";
    }
    void requestQuit() override { quitRequested_ = true; }
    bool quitRequested() const override { return quitRequested_; }

private:
    std::ostream& err_;
    bool quitRequested_ = false;
};

// Runs the body of a command that reaches the desktop: a quit request (the
// desktop was missing, its message already printed) ends with status 1.
int FailIfQuitRequested(const ConsoleNotifier& notifier, const std::function<int()>& body);

}  // namespace orbilux::cli
