#include <gtest/gtest.h>

#include <sstream>

#include "cli/console_notifier.h"

namespace orbilux::cli {
namespace {

TEST(ConsoleNotifier, ShowsNothingMoreOnceAQuitWasRequested) {
    // An arrange without a desktop: the count tells the user and asks to
    // quit, then the moves would tell them again in other words.
    std::ostringstream err;
    ConsoleNotifier notifier(err);
    notifier.showMessage(L"Cannot handle desktop items. Please restart windows.");
    notifier.requestQuit();
    notifier.showMessage(L"Cannot handle desktop items. You have to restart windows.");
    EXPECT_EQ(err.str(), "Cannot handle desktop items. Please restart windows.\n");
    EXPECT_TRUE(notifier.quitRequested());
}

}  // namespace
}  // namespace orbilux::cli
