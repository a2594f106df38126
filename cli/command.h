// orbiluxctl's commands: each one is a function from its arguments to an
// exit status, writing to the streams it is given (so tests can run them
// in-process and read what they print).
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "engine/shape_frame.h"

namespace orbilux::cli {

enum ExitStatus : int {
    ExitOk = 0,
    ExitFailure = 1,          // the operation failed (no desktop, registry, I/O ...)
    ExitUsage = 2,            // bad arguments
    ExitPlacementFailed = 3,  // the shape could not be loaded or placed
};

using Args = std::vector<std::string>;

struct Command {
    std::string name;
    std::string usage;    // the argument synopsis after the command name
    std::string summary;  // one line for the overview
    std::function<int(const Args&, std::ostream& out, std::ostream& err)> run;
    // Reaches the shell's desktop list view (count, icons, arrange, save,
    // restore): the command line switches the desktop's painting on first.
    bool reachesDesktop = false;
};

// Every command this build offers (the desktop ones only on Windows).
const std::vector<Command>& AllCommands();

// Runs `body`, turning a UsageError into the command's usage text on `err`
// and ExitUsage, and any other exception into "orbiluxctl NAME: what" and
// ExitFailure. Every command's run goes through it.
int RunWithUsage(const Command& command, std::ostream& err, const std::function<int()>& body);

// Runs a command line (without the program name); prints the overview for
// no command, "help" or an unknown command. Before a command that reaches
// the desktop, the desktop list view's painting is switched on (on Windows),
// since an earlier program may have been killed while it had it off.
int RunCommandLine(const Args& args, std::ostream& out, std::ostream& err);

// The frame options shared by plan, preview and arrange. Missing options
// take `defaults`; with `required` the size and area options must be given.
ShapeFrame ReadFrameOptions(const Arguments& arguments, const ShapeFrame& defaults, bool required);
extern const char* const FrameOptionsUsage;
// The value options of a command that takes a frame: the ones
// ReadFrameOptions understands and the command's own `extra` ones.
std::set<std::string> FrameValueOptions(std::set<std::string> extra);

}  // namespace orbilux::cli
