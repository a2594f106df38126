// What the stand-in's list view received from other processes: a count per
// list-view message, and the position and style changes in order of arrival.
// Tests read it back through the report to check what the bridge sent.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace orbilux::standin {

class MessageLog {
public:
    void countReceived(UINT message) { ++received_[message]; }
    void recordPosition(WPARAM index, int x, int y);
    void recordStyle(DWORD oldStyle, DWORD newStyle);
    void recordRedraw(bool on);
    void reset();
    // The "received" and "event" lines of the report.
    std::string reportLines() const;

private:
    static constexpr std::size_t MaxEvents = 200000;
    std::map<UINT, uint64_t> received_;
    std::vector<std::string> events_;
};

}  // namespace orbilux::standin
