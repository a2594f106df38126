#include "ui/win32/message_box_notifier.h"

#include "ui/ui_texts.h"

namespace orbilux::win32 {

HWND MessageBoxNotifier::owner() const {
    // Before the window is shown (the start-up's messages) a box of its own
    // is what the user sees; an owner that can't be seen would hide it.
    return owner_ && IsWindowVisible(owner_) ? owner_ : nullptr;
}

void MessageBoxNotifier::showMessage(const std::wstring& text) {
    if (showing_ || quitRequested_) return;
    showing_ = true;
    MessageBoxW(owner(), text.c_str(), ui::texts::AppTitle, MB_OK);
    showing_ = false;
    if (quitRequested_) PostQuitMessage(0);
}

void MessageBoxNotifier::requestQuit() {
    if (quitRequested_) return;
    quitRequested_ = true;
    if (!showing_) PostQuitMessage(0);
}

bool MessageBoxNotifier::confirm(const std::wstring& title, const std::wstring& question) {
    return MessageBoxW(owner(), question.c_str(), title.c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace orbilux::win32
