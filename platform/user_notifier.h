// How the core tells the user something they must act on, and asks the
// program to end. The window program shows a message box and posts a quit
// request (which takes effect at the message loop, so the caller's code runs
// on); orbiluxctl prints to stderr and exits non-zero when the command is done.
#pragma once

#include <string>

namespace orbilux {

class UserNotifier {
public:
    virtual ~UserNotifier() = default;
    virtual void showMessage(const std::wstring& text) = 0;
    virtual void requestQuit() = 0;
    // A quit was requested: the program is ending, and starts no more work
    // on the desktop.
    virtual bool quitRequested() const = 0;
};

}  // namespace orbilux
