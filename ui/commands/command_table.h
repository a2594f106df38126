// The window program's user commands: one entry per command with its
// caption, hint, enabled state and handler. Buttons and menu items carry the
// command's id, so a click on either reaches execute(id); the views mirror
// every enabled-state change onto the controls and menu items that carry it.
// (Not to be confused with orbiluxctl's cli::Command.)
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace orbilux::ui {

class CommandTable {
public:
    using Handler = std::function<void()>;
    using EnabledListener = std::function<void(uint16_t id, bool enabled)>;

    struct Command {
        std::wstring caption;
        std::wstring hint;
        bool enabled = true;
        Handler handler;  // empty: the command does nothing (yet)
    };

    // Adds a command (or replaces its texts), enabled and without a handler.
    void define(uint16_t id, std::wstring caption, std::wstring hint = {});
    void setHandler(uint16_t id, Handler handler);

    void setEnabled(uint16_t id, bool enabled);
    bool enabled(uint16_t id) const;
    const Command* find(uint16_t id) const;

    // Runs the command's handler; false (and nothing done) when the id is not
    // a command, the command is disabled or has no handler yet.
    bool execute(uint16_t id);

    // Calls f(id, command) for every command, in id order.
    template <typename F>
    void forEach(F f) const {
        for (const auto& [id, command] : commands_) f(id, command);
    }

    // Called after every change of a command's enabled state.
    void addEnabledListener(EnabledListener listener) { listeners_.push_back(std::move(listener)); }

private:
    std::map<uint16_t, Command> commands_;
    std::vector<EnabledListener> listeners_;
};

}  // namespace orbilux::ui
