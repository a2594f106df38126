// orbiluxctl's layout-file commands: export a saved layout to a file (or
// standard output) and import a file as a new saved layout. Written over the
// layout store and its registry, so tests run them on in-memory fakes.
#pragma once

#include <functional>
#include <vector>

#include "cli/command.h"
#include "cli/layout_commands.h"
#include "desktop/layout_ports.h"

namespace orbilux::cli {

// What export and import need besides the store itself.
struct LayoutFileSystem {
    RegistryPort& registry;  // the store's registry
    TimeZone& timeZone;
    LocaleSource& locale;
};

std::vector<Command> LayoutFileCommandsOver(LayoutStoreFactory makeStore, LayoutFileSystem system);

}  // namespace orbilux::cli
