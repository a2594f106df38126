// Runs a clean-up when a scope ends, also when an exception leaves it: the
// program's error policy drops errors in event handlers, so a handler must
// not leave a flag or an icon behind on its way out.
#pragma once

#include <utility>

namespace orbilux::ui {

template <typename Cleanup>
class ScopeExit {
public:
    explicit ScopeExit(Cleanup cleanup) : cleanup_(std::move(cleanup)) {}
    ~ScopeExit() { cleanup_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    Cleanup cleanup_;
};

}  // namespace orbilux::ui
