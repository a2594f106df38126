#include "tools/standin-desktop/message_log.h"

#include <cstdio>

namespace orbilux::standin {

namespace {

std::string Hex(unsigned long value) {
    char text[16];
    std::snprintf(text, sizeof text, "%lx", value);
    return text;
}

}  // namespace

void MessageLog::recordPosition(WPARAM index, int x, int y) {
    if (events_.size() < MaxEvents)
        events_.push_back("event\tsetpos\t" + std::to_string(static_cast<long long>(index)) + "\t" +
                          std::to_string(x) + "\t" + std::to_string(y));
}

void MessageLog::recordStyle(DWORD oldStyle, DWORD newStyle) {
    if (events_.size() < MaxEvents) events_.push_back("event\tstyle\t" + Hex(oldStyle) + "\t" + Hex(newStyle));
}

void MessageLog::recordRedraw(bool on) {
    if (events_.size() < MaxEvents) events_.push_back(std::string("event\tredraw\t") + (on ? "1" : "0"));
}

void MessageLog::reset() {
    received_.clear();
    events_.clear();
}

std::string MessageLog::reportLines() const {
    std::string lines;
    for (const auto& [message, count] : received_)
        lines += "received\t" + Hex(message) + "\t" + std::to_string(count) + "\n";
    for (const std::string& event : events_) lines += event + "\n";
    return lines;
}

}  // namespace orbilux::standin
