// A UserNotifier that remembers what it was told, for tests.
#pragma once

#include <string>
#include <vector>

#include "platform/user_notifier.h"

namespace orbilux::test {

class RecordingNotifier : public UserNotifier {
public:
    void showMessage(const std::wstring& text) override { messages.push_back(text); }
    void requestQuit() override { ++quitRequests; }
    bool quitRequested() const override { return quitRequests > 0; }

    std::vector<std::wstring> messages;
    int quitRequests = 0;
};

}  // namespace orbilux::test
