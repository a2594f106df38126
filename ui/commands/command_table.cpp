#include "ui/commands/command_table.h"

namespace orbilux::ui {

void CommandTable::define(uint16_t id, std::wstring caption, std::wstring hint) {
    Command& command = commands_[id];
    command.caption = std::move(caption);
    command.hint = std::move(hint);
}

void CommandTable::setHandler(uint16_t id, Handler handler) {
    commands_[id].handler = std::move(handler);
}

void CommandTable::setEnabled(uint16_t id, bool enabled) {
    Command& command = commands_[id];
    if (command.enabled == enabled) return;
    command.enabled = enabled;
    for (const EnabledListener& listener : listeners_) listener(id, enabled);
}

bool CommandTable::enabled(uint16_t id) const {
    const Command* command = find(id);
    return command && command->enabled;
}

const CommandTable::Command* CommandTable::find(uint16_t id) const {
    const auto found = commands_.find(id);
    return found == commands_.end() ? nullptr : &found->second;
}

bool CommandTable::execute(uint16_t id) {
    const auto found = commands_.find(id);
    if (found == commands_.end() || !found->second.enabled || !found->second.handler) return false;
    // A copy: the handler may redefine commands while it runs.
    const Handler handler = found->second.handler;
    handler();
    return true;
}

}  // namespace orbilux::ui
