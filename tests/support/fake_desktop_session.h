// An in-memory shell desktop for the tests of the desktop path and the
// layout store: items with texts and positions, the list view's auto-arrange
// and painting switches, and switches for the ways the real shell fails (no
// list view, no process, a query or a move that throws because the shell
// went away, a list view that is gone after some queries). Every move is
// recorded with the switches in force at the time, and every change of a
// switch in order.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "desktop/desktop_session.h"
#include "platform/user_notifier.h"
#include "tests/support/recording_notifier.h"

namespace orbilux::test {

// What a failing shell throws from queryItem / setItemPosition.
class FakeShellError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class FakeShellDesktop : public DesktopAccess {
public:
    struct PositionCall {
        int32_t index;
        int32_t x;
        int32_t y;
        bool autoArrangeThen;  // the list view's switches when the position was set
        bool paintingThen;
    };

    std::unique_ptr<DesktopSession> open(DesktopOpenResult& result, DesktopUse use) override;

    void add(const std::wstring& text, int32_t x, int32_t y) { items.push_back(DesktopItem{text, x, y}); }
    std::vector<std::wstring> texts() const {
        std::vector<std::wstring> all;
        for (const DesktopItem& item : items) all.push_back(item.text);
        return all;
    }

    // State.
    std::vector<DesktopItem> items;
    bool autoArrange = false;
    bool painting = true;
    ListViewOrigin origin;  // where the list view's (0, 0) is on the screen

    // Failure switches.
    DesktopOpenResult openResult = DesktopOpenResult::Opened;  // anything else: open gives nullptr
    int32_t throwOnQueryOf = -1;      // queryItem of this index throws FakeShellError
    int32_t goneAfterQueries = -1;    // after this many queries stillThere() is false
    int32_t throwOnPositionCall = -1; // the n-th setItemPosition call (from 0) throws

    // Records.
    int opened = 0;
    int closed = 0;
    int queries = 0;
    std::vector<DesktopUse> uses;  // what each session was opened for
    std::vector<PositionCall> positionCalls;
    // "auto-arrange on|off", "painting on|off", "repaint" and, for moves,
    // "move <index>", in order.
    std::vector<std::string> events;
};

class FakeShellSession : public DesktopSession {
public:
    explicit FakeShellSession(FakeShellDesktop& desktop) : desktop_(desktop) {}
    ~FakeShellSession() override { ++desktop_.closed; }

    int32_t itemCount() override { return static_cast<int32_t>(desktop_.items.size()); }
    DesktopItem queryItem(int32_t index) override {
        ++desktop_.queries;
        if (index == desktop_.throwOnQueryOf) throw FakeShellError("the shell's memory can't be read");
        if (index < 0 || std::size_t(index) >= desktop_.items.size()) return DesktopItem{};
        return desktop_.items[std::size_t(index)];
    }
    void setItemPosition(int32_t index, int32_t x, int32_t y) override {
        if (int32_t(desktop_.positionCalls.size()) == desktop_.throwOnPositionCall)
            throw FakeShellError("the shell's process went away");
        desktop_.positionCalls.push_back({index, x, y, desktop_.autoArrange, desktop_.painting});
        desktop_.events.push_back("move " + std::to_string(index));
        if (index >= 0 && std::size_t(index) < desktop_.items.size()) {
            desktop_.items[std::size_t(index)].x = x;
            desktop_.items[std::size_t(index)].y = y;
        }
    }
    bool autoArrange() override { return desktop_.autoArrange; }
    void setAutoArrange(bool on) override {
        desktop_.autoArrange = on;
        desktop_.events.push_back(on ? "auto-arrange on" : "auto-arrange off");
    }
    void setPainting(bool on) override {
        desktop_.painting = on;
        desktop_.events.push_back(on ? "painting on" : "painting off");
    }
    void repaint() override { desktop_.events.push_back("repaint"); }
    ListViewOrigin listViewOrigin() override { return desktop_.origin; }
    bool stillThere() override {
        return desktop_.goneAfterQueries < 0 || desktop_.queries < desktop_.goneAfterQueries;
    }

private:
    FakeShellDesktop& desktop_;
};

inline std::unique_ptr<DesktopSession> FakeShellDesktop::open(DesktopOpenResult& result, DesktopUse use) {
    result = openResult;
    if (openResult != DesktopOpenResult::Opened) return nullptr;
    ++opened;
    uses.push_back(use);
    return std::make_unique<FakeShellSession>(*this);
}

}  // namespace orbilux::test
