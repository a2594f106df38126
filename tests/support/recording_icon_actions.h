// Records the starts and ends of the actions that move icons, as
// "begin <kind>" and "end <kind>", in order.
#pragma once

#include <string>
#include <vector>

#include "desktop/icon_actions.h"

namespace orbilux::test {

inline const char* IconActionKindName(IconActionKind kind) {
    switch (kind) {
        case IconActionKind::ShapeLoad:
            return "load";
        case IconActionKind::ShapeAdjust:
            return "adjust";
        case IconActionKind::Restore:
            return "restore";
        case IconActionKind::Arrange:
            return "arrange";
    }
    return "?";
}

class RecordingIconActions : public IconActionObserver {
public:
    explicit RecordingIconActions(IconActions& actions) { actions.addObserver(*this); }
    void iconsAboutToMove(IconActionKind kind) override {
        events.push_back(std::string("begin ") + IconActionKindName(kind));
    }
    void iconsMoved(IconActionKind kind) override { events.push_back(std::string("end ") + IconActionKindName(kind)); }

    std::vector<std::string> events;
};

}  // namespace orbilux::test
