// Running orbiluxctl commands in-process in tests, with what they print.
#pragma once

#include <sstream>
#include <string>

#include "cli/command.h"

namespace orbilux::test {

struct CliRun {
    int status = 0;
    std::string out;
    std::string err;
};

// One command, given its arguments without its name.
inline CliRun RunCommand(const cli::Command& command, const cli::Args& args) {
    std::ostringstream out, err;
    const int status = command.run(args, out, err);
    return {status, out.str(), err.str()};
}

// A whole command line (without the program name), as orbiluxctl runs it.
inline CliRun RunCli(const cli::Args& args) {
    std::ostringstream out, err;
    const int status = cli::RunCommandLine(args, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace orbilux::test
