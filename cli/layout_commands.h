// orbiluxctl's layout commands: save, list, newest, restore, delete and
// describe. They are written over the layout store, so tests can run them on
// in-memory fakes; orbiluxctl on Windows builds the store on the real
// registry and the shell's desktop.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "cli/command.h"
#include "cli/shell_commit_output.h"
#include "desktop/layout_store.h"
#include "platform/user_notifier.h"

namespace orbilux::cli {

// Builds a store whose messages go to `notifier`.
using LayoutStoreFactory = std::function<LayoutStore(UserNotifier& notifier)>;

// `moves`: restoring is an action that moves icons; without it (tests of
// the other commands) restores go straight to the store.
std::vector<Command> LayoutCommandsOver(LayoutStoreFactory makeStore, std::optional<IconMoveContext> moves = {});

// One layout as a JSON object: id, savedAt (ISO 8601, or null for a date
// with no moment), description, screenWidth, screenHeight, iconCount.
std::string LayoutJson(const LayoutInfo& info);

}  // namespace orbilux::cli
