// The stand-in desktop's command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orbilux::standin {

struct StandInOptions {
    int icons = 60;
    std::vector<std::wstring> names;  // item i takes names[i] when given
    bool autoArrange = false;
    bool noChildren = false;       // a Progman window with no children at all
    bool workerW = false;          // the desktop view hosted under a top-level WorkerW
    bool paintingOff = false;      // the list view starts with its painting switched off, as a
                                   // program killed in the middle of its moves leaves it
    int exitAfterTextQueries = 0;  // > 0: the process dies on that text query (a shell crash)
    int stallAtPosition = 0;       // > 0: that position message is answered only after stallMs
    int stallMs = 0;               //      (a shell that hangs for a while)
    std::wstring readyEvent;       // a named event to set once the desktop is up
    std::wstring readyFile;        // a file to create once the desktop is up
    int width = 0;                 // 0: the screen's size
    int height = 0;
    int originX = 0;           // where the desktop starts on the virtual screen: negative
    int originY = 0;           // with a monitor left of or above the primary
    int taskbarHeight = 0;     // > 0: a "Shell_TrayWnd" that tall along the bottom
    bool modernShell = false;  // an icon model beside the list view, as the shell keeps since 1809
    bool snapToGrid = false;   // the shell view reports FWF_SNAPTOGRID
};

// Parses the arguments (without the program name). Returns nullopt and sets
// `error` for anything it doesn't understand.
std::optional<StandInOptions> ParseStandInOptions(const std::vector<std::wstring>& args, std::wstring& error);

extern const wchar_t* const StandInUsage;

}  // namespace orbilux::standin
