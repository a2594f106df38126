#include "tools/standin-desktop/standin_client.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/text.h"
#include "tools/standin-desktop/standin_protocol.h"

namespace orbilux::standin {

namespace {

constexpr DWORD StartTimeoutMs = 60000;

std::wstring QuoteArgument(const std::wstring& text) {
    return L"\"" + text + L"\"";
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

}  // namespace

uint64_t Report::receivedTotal() const {
    uint64_t total = 0;
    for (const auto& entry : received) total += entry.second;
    return total;
}

StandInDesktop::StandInDesktop(const std::wstring& folder, const LaunchOptions& options) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    scratch_ = std::wstring(temp) + L"orbilux-standin-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
               std::to_wstring(GetTickCount64()) + L"\\";
    std::filesystem::create_directories(std::filesystem::path(scratch_));

    std::wstring command =
        QuoteArgument(folder + L"standin-desktop.exe") + L" --icons " + std::to_wstring(options.icons);
    if (!options.names.empty()) {
        const std::wstring namesFile = scratch_ + L"names.txt";
        std::ofstream names(std::filesystem::path(namesFile), std::ios::binary);
        for (const std::wstring& name : options.names) names << Utf8FromWide(name) << "\n";
        command += L" --names " + QuoteArgument(namesFile);
    }
    if (options.autoArrange) command += L" --auto-arrange";
    if (options.noChildren) command += L" --no-children";
    if (options.workerW) command += L" --workerw";
    if (options.paintingOff) command += L" --painting-off";
    if (options.modernShell) command += L" --modern-shell";
    if (options.width > 0 && options.height > 0)
        command += L" --size " + std::to_wstring(options.width) + L"x" + std::to_wstring(options.height);
    if (options.originX != 0 || options.originY != 0)
        command += L" --origin " + std::to_wstring(options.originX) + L"," + std::to_wstring(options.originY);
    if (options.snapToGrid) command += L" --snap-to-grid";
    if (options.exitAfterTextQueries > 0)
        command += L" --exit-after-text-queries " + std::to_wstring(options.exitAfterTextQueries);
    if (options.taskbarHeight > 0) command += L" --taskbar " + std::to_wstring(options.taskbarHeight);
    if (options.stallAtPosition > 0)
        command += L" --stall-at-position " + std::to_wstring(options.stallAtPosition) + L" --stall-ms " +
                   std::to_wstring(options.stallMs);

    const std::wstring eventName =
        L"OrbiluxStandInReady-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount64());
    win32::UniqueHandle ready(CreateEventW(nullptr, TRUE, FALSE, eventName.c_str()));
    command += L" --ready-event " + eventName;

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        throw StandInError("cannot start standin-desktop.exe (error " + std::to_string(GetLastError()) + ")");
    CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    processId_ = info.dwProcessId;

    const HANDLE waitFor[] = {ready.get(), process_.get()};
    const DWORD woken = WaitForMultipleObjects(2, waitFor, FALSE, StartTimeoutMs);
    if (woken != WAIT_OBJECT_0) {
        kill();
        throw StandInError(woken == WAIT_OBJECT_0 + 1 ? "standin-desktop.exe ended before it was ready"
                                                      : "standin-desktop.exe did not get ready in time");
    }
}

StandInDesktop::~StandInDesktop() {
    // The stand-in keeps nothing worth a clean shutdown, and ending it at
    // once is much faster under Wine than a closed window's exit.
    kill();
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(scratch_), ignored);
}

HWND StandInDesktop::listView() const {
    for (HWND progman = FindWindowExW(nullptr, nullptr, L"Progman", nullptr); progman;
         progman = FindWindowExW(nullptr, progman, L"Progman", nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(progman, &owner);
        if (owner == processId_)
            return FindWindowExW(FindWindowExW(progman, nullptr, L"SHELLDLL_DefView", nullptr), nullptr,
                                 L"SysListView32", nullptr);
    }
    return nullptr;
}

bool StandInDesktop::running() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

void StandInDesktop::kill() {
    if (!running()) return;
    TerminateProcess(process_.get(), 9);
    WaitForSingleObject(process_.get(), 10000);
}

HWND StandInDesktop::progman() const {
    // The one Progman that belongs to this stand-in.
    for (HWND window = FindWindowExW(nullptr, nullptr, L"Progman", nullptr); window;
         window = FindWindowExW(nullptr, window, L"Progman", nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId_) return window;
    }
    return nullptr;
}

bool StandInDesktop::sendCommand(uintptr_t command, const void* data, DWORD size) {
    const HWND window = progman();
    if (!window) return false;
    COPYDATASTRUCT copy{command, size, const_cast<void*>(data)};
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy), SMTO_BLOCK, 30000, &result) &&
           result;
}

void StandInDesktop::announceTaskbar() {
    if (!sendCommand(AnnounceTaskbar, nullptr, 0)) throw StandInError("the stand-in did not announce its taskbar");
}

void StandInDesktop::refresh() {
    if (!sendCommand(Refresh, nullptr, 0)) throw StandInError("the stand-in did not refresh");
}

void StandInDesktop::changeDisplay(int width, int height) {
    const DisplaySize size{width, height};
    if (!sendCommand(ChangeDisplay, &size, sizeof size)) throw StandInError("the stand-in refused the display change");
}

void StandInDesktop::resetCounters() {
    if (!sendCommand(ResetCounters, nullptr, 0)) throw StandInError("the stand-in did not reset its counters");
}

Report StandInDesktop::report() {
    const std::wstring path = scratch_ + L"report.txt";
    if (!sendCommand(WriteReport, path.c_str(), DWORD((path.size() + 1) * sizeof(wchar_t))))
        throw StandInError("the stand-in did not write its report");
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    Report report;
    std::string line;
    while (std::getline(in, line)) {
        const std::vector<std::string> f = SplitTabs(line);
        if (f[0] == "style" && f.size() == 2) {
            report.style = static_cast<uint32_t>(std::stoul(f[1], nullptr, 16));
        } else if (f[0] == "painting" && f.size() == 2) {
            report.painting = f[1] == "1";
        } else if (f[0] == "item" && f.size() >= 5) {
            // The text is the rest of the line, tabs included.
            const std::size_t textStart = line.find('\t', line.find('\t', line.find('\t', 5) + 1) + 1) + 1;
            report.items.push_back(
                {std::stoi(f[1]), std::stoi(f[2]), std::stoi(f[3]), WideFromUtf8(line.substr(textStart))});
        } else if (f[0] == "area" && f.size() == 5) {
            report.area = {std::stoi(f[1]), std::stoi(f[2]), std::stoi(f[3]), std::stoi(f[4])};
        } else if (f[0] == "model" && f.size() == 4) {
            report.model.push_back({std::stoi(f[1]), std::stoi(f[2]), std::stoi(f[3])});
        } else if (f[0] == "received" && f.size() == 3) {
            report.received[static_cast<uint32_t>(std::stoul(f[1], nullptr, 16))] = std::stoull(f[2]);
        } else if (f[0] == "tray" && f.size() >= 2) {
            std::string event = f[1];
            for (std::size_t i = 2; i < f.size(); ++i) event += " " + f[i];
            report.trayEvents.push_back(event);
        } else if (f[0] == "event" && f.size() >= 2) {
            std::string event = f[1];
            for (std::size_t i = 2; i < f.size(); ++i) event += " " + f[i];
            report.events.push_back(event);
        }
    }
    return report;
}

}  // namespace orbilux::standin
