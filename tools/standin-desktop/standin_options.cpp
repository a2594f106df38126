#include "tools/standin-desktop/standin_options.h"

#include <cwchar>
#include <filesystem>
#include <fstream>

#include "platform/text.h"

namespace orbilux::standin {

const wchar_t* const StandInUsage =
    L"standin-desktop.exe [--icons N] [--names FILE] [--auto-arrange] [--no-children] [--workerw]\n"
    L"                    [--exit-after-text-queries N] [--stall-at-position N --stall-ms MS]\n"
    L"                    [--ready-event NAME] [--ready-file PATH] [--size WxH] [--origin X,Y]\n"
    L"                    [--taskbar HEIGHT] [--painting-off] [--modern-shell] [--snap-to-grid]\n"
    L"A window tree like the shell's desktop (Progman > SHELLDLL_DefView > SysListView32) with N\n"
    L"named icons. --origin puts the desktop's top left at X,Y of the virtual screen (e.g. -1280,0 and\n"
    L"--size 2560x1024 for a monitor left of the primary). --names reads one UTF-8 name per line.\n"
    L"--taskbar adds a taskbar window that records the tray icons it is sent. --modern-shell keeps an\n"
    L"icon model beside the list view that the shell view of standin-shellview.dll reads and moves,\n"
    L"and that F5 lays the icons out from again.\n"
    L"Stays up until closed.";

namespace {

bool ParseCount(const std::wstring& text, int& value, int min, int max) {
    wchar_t* end = nullptr;
    const long parsed = std::wcstol(text.c_str(), &end, 10);
    if (text.empty() || *end != L'\0' || parsed < min || parsed > max) return false;
    value = static_cast<int>(parsed);
    return true;
}

bool ReadNames(const std::wstring& path, std::vector<std::wstring>& names) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    if (!in) return false;
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        if (first && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);  // byte-order mark
        first = false;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        names.push_back(WideFromUtf8(line));
    }
    return true;
}

}  // namespace

std::optional<StandInOptions> ParseStandInOptions(const std::vector<std::wstring>& args, std::wstring& error) {
    StandInOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::wstring& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        const std::wstring value = hasValue ? args[i + 1] : std::wstring();
        auto fail = [&](const std::wstring& what) {
            error = what;
            return std::nullopt;
        };
        if (arg == L"--auto-arrange") {
            options.autoArrange = true;
            continue;
        }
        if (arg == L"--no-children") {
            options.noChildren = true;
            continue;
        }
        if (arg == L"--workerw") {
            options.workerW = true;
            continue;
        }
        if (arg == L"--painting-off") {
            options.paintingOff = true;
            continue;
        }
        if (arg == L"--modern-shell") {
            options.modernShell = true;
            continue;
        }
        if (arg == L"--snap-to-grid") {
            options.snapToGrid = true;
            continue;
        }
        if (!hasValue) return fail(L"unknown argument or missing value: " + arg);
        ++i;
        if (arg == L"--icons") {
            if (!ParseCount(value, options.icons, 0, 100000)) return fail(L"bad --icons " + value);
        } else if (arg == L"--exit-after-text-queries") {
            if (!ParseCount(value, options.exitAfterTextQueries, 1, 1 << 30))
                return fail(L"bad --exit-after-text-queries " + value);
        } else if (arg == L"--stall-at-position") {
            if (!ParseCount(value, options.stallAtPosition, 1, 1 << 30))
                return fail(L"bad --stall-at-position " + value);
        } else if (arg == L"--stall-ms") {
            if (!ParseCount(value, options.stallMs, 0, 600000)) return fail(L"bad --stall-ms " + value);
        } else if (arg == L"--taskbar") {
            if (!ParseCount(value, options.taskbarHeight, 1, 1000)) return fail(L"bad --taskbar " + value);
        } else if (arg == L"--names") {
            if (!ReadNames(value, options.names)) return fail(L"cannot read " + value);
        } else if (arg == L"--ready-event") {
            options.readyEvent = value;
        } else if (arg == L"--ready-file") {
            options.readyFile = value;
        } else if (arg == L"--size") {
            const std::size_t x = value.find(L'x');
            if (x == std::wstring::npos || !ParseCount(value.substr(0, x), options.width, 1, 32767) ||
                !ParseCount(value.substr(x + 1), options.height, 1, 32767))
                return fail(L"bad --size " + value);
        } else if (arg == L"--origin") {
            const std::size_t comma = value.find(L',');
            if (comma == std::wstring::npos || !ParseCount(value.substr(0, comma), options.originX, -32768, 32767) ||
                !ParseCount(value.substr(comma + 1), options.originY, -32768, 32767))
                return fail(L"bad --origin " + value);
        } else {
            return fail(L"unknown argument " + arg);
        }
    }
    return options;
}

}  // namespace orbilux::standin
