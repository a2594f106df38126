// How orbiluxctl reports what the shell's icon model made of a command's
// moves: the icons committed, those no model item could be paired with,
// those the model reads back elsewhere, or that there was no shell view.
// The moves happened either way, so none of this changes the exit status.
#pragma once

#include <optional>
#include <string>

#include "desktop/icon_actions.h"
#include "desktop/shell_icon_model.h"
#include "desktop/shell_model_commit.h"

namespace orbilux::cli {

// What a command that moves icons goes through: the actions seam (the
// shell-model commit is one of its observers) and that commit, to report.
struct IconMoveContext {
    IconActions& actions;
    const ShellModelCommit& commit;
};

// One line: "shell: 58 icons committed, 2 not paired, 0 not where put" or
// "shell: the shell view is not available".
std::string ShellCommitText(const ShellCommitOutcome& outcome);
// {"available": true, "committed": 58, "notPaired": 2, "notWherePut": 0}
std::string ShellCommitJson(const ShellCommitOutcome& outcome);
// {"autoArrange": false, "snapToGrid": true}, or null without a shell view.
std::string ShellFlagsJson(const std::optional<ShellFolderFlags>& flags);

}  // namespace orbilux::cli
