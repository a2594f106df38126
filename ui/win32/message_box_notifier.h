// The window program's way of telling the user something: a plain message
// box under the program's title. A quit request is PostQuitMessage, which
// takes effect at the message loop, so the caller's code runs on; a message
// box opened after it closes by itself (its modal loop sees the request and
// ends), so later messages are not seen.
//
// A box is never opened inside another one's modal loop: a timer tick
// delivered there could run into the same fault again and open box after box.
// A quit requested while a box is open is posted once it is closed, so the
// user gets to read it.
#pragma once

#include <windows.h>

#include "platform/user_notifier.h"
#include "ui/layouts/layouts_page_view.h"

namespace orbilux::win32 {

class MessageBoxNotifier : public UserNotifier {
public:
    // The boxes belong to this window once it is shown.
    void attach(HWND owner) { owner_ = owner; }

    void showMessage(const std::wstring& text) override;
    void requestQuit() override;
    bool quitRequested() const override { return quitRequested_; }
    // A question under `title` with a question icon and "&Yes" / "&No";
    // true for "&Yes".
    bool confirm(const std::wstring& title, const std::wstring& question);

private:
    HWND owner() const;
    HWND owner_ = nullptr;
    bool showing_ = false;  // a message box is open
    bool quitRequested_ = false;
};

// The layout manager's questions: the standard box under "Confirm".
class MessageBoxConfirmer : public ui::Confirmer {
public:
    explicit MessageBoxConfirmer(MessageBoxNotifier& boxes) : boxes_(boxes) {}
    bool confirm(const std::wstring& question) override { return boxes_.confirm(L"Confirm", question); }

private:
    MessageBoxNotifier& boxes_;
};

}  // namespace orbilux::win32
