// An in-memory desktop for engine tests: a settable item count, and every
// ApplyIconTargets call kept separately so tests can see what was applied
// in which call.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "engine/desktop_port.h"

namespace orbilux::test {

class FakeDesktop : public DesktopPort {
public:
    explicit FakeDesktop(int32_t count) : count_(count) {}

    int32_t DesktopItemCount() override {
        ++countCalls;
        if (!nextCounts.empty()) {
            count_ = nextCounts.front();
            nextCounts.pop_front();
        }
        return count_;
    }
    void ApplyIconTargets(const IconTargets& targets) override {
        calls.push_back(targets);
        if (onApply) onApply();
    }

    IconTargets allApplied() const {
        IconTargets all;
        for (const auto& call : calls) all.insert(all.end(), call.begin(), call.end());
        return all;
    }

    std::vector<IconTargets> calls;
    std::deque<int32_t> nextCounts;  // counts to report on the next calls, then the last one stays
    int countCalls = 0;
    std::function<void()> onApply;  // runs after each ApplyIconTargets (a shell that fails there)

private:
    int32_t count_;
};

}  // namespace orbilux::test
