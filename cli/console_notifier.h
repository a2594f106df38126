// UserNotifier for orbiluxctl: messages go to stderr (each text once, since
// one command may run into the same missing desktop several times), and a
// quit request makes the command end with a failure status.
#pragma once

#include <functional>
#include <ostream>
#include <set>
#include <string>

#include "platform/text.h"
#include "platform/user_notifier.h"

namespace orbilux::cli {

class ConsoleNotifier : public UserNotifier {
public:
    explicit ConsoleNotifier(std::ostream& err) : err_(err) {}
    void showMessage(const std::wstring& text) override {
        if (shown_.insert(text).second) err_ << Utf8FromWide(text) << "\n";
    }
    void requestQuit() override { quitRequested_ = true; }
    bool quitRequested() const { return quitRequested_; }

private:
    std::ostream& err_;
    std::set<std::wstring> shown_;
    bool quitRequested_ = false;
};

// Runs the body of a command that reaches the desktop: a quit request (the
// desktop was missing, its message already printed) ends with status 1.
int FailIfQuitRequested(const ConsoleNotifier& notifier, const std::function<int()>& body);

}  // namespace orbilux::cli
