#include "tools/gui-driver/gui_driver.h"

#include <fstream>
#include <filesystem>
#include <functional>
#include <stdexcept>

#include "tools/gui-driver/png_writer.h"

namespace orbilux::gui_driver {

AppProcess::AppProcess(const std::wstring& commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        throw std::runtime_error("cannot start the program (error " + std::to_string(GetLastError()) + ")");
    CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    id_ = info.dwProcessId;
}

AppProcess::~AppProcess() { kill(); }

bool AppProcess::running() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

bool AppProcess::waitForExit(DWORD timeoutMs) {
    return process_ && WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD AppProcess::exitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process_) GetExitCodeProcess(process_.get(), &code);
    return code;
}

void AppProcess::kill() {
    if (!running()) return;
    TerminateProcess(process_.get(), 99);
    WaitForSingleObject(process_.get(), 10000);
}

std::wstring WindowText(HWND window) {
    // WM_GETTEXT works across processes where GetWindowTextW of a control
    // of another process would not.
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

std::wstring ClassName(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::vector<HWND> ProcessWindows(DWORD processId, const wchar_t* className) {
    struct Search {
        DWORD processId;
        const wchar_t* className;
        std::vector<HWND> found;
    } search{processId, className, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->processId && (!s->className || ClassName(window) == s->className))
                s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(DWORD processId, const wchar_t* className, DWORD timeoutMs, bool visible) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : ProcessWindows(processId, className))
                if (!visible || IsWindowVisible(window)) {
                    found = window;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found;
}

std::optional<MessageBoxSeen> WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
    std::optional<MessageBoxSeen> seen;
    WaitUntil(
        [&] {
            for (HWND box : ProcessWindows(processId, L"#32770")) {
                if (!IsWindowVisible(box)) continue;
                // The message is the box's static text (id 0xFFFF).
                const HWND text = GetDlgItem(box, 0xFFFF);
                if (!text) continue;
                seen = MessageBoxSeen{box, WindowText(box), WindowText(text)};
                return true;
            }
            return false;
        },
        timeoutMs);
    return seen;
}

void AnswerMessageBox(HWND box, int buttonId) {
    const HWND button = GetDlgItem(box, buttonId);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

namespace {

// The first window below `parent` (at any depth) that `matches`.
HWND FindDescendant(HWND parent, const std::function<bool(HWND)>& matches) {
    struct Search {
        const std::function<bool(HWND)>& matches;
        HWND found;
    } search{matches, nullptr};
    EnumChildWindows(
        parent,
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (!s->matches(window)) return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

HWND FindControl(HWND parent, int id) {
    return FindDescendant(parent, [id](HWND window) { return GetDlgCtrlID(window) == id; });
}

HWND FindControlByText(HWND parent, const std::wstring& text) {
    return FindDescendant(parent, [&text](HWND window) { return WindowText(window) == text; });
}

RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

RECT ClientRectOnScreen(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

namespace {

LPARAM CentreOf(HWND control) {
    RECT r{};
    GetClientRect(control, &r);
    return MAKELPARAM(r.right / 2, r.bottom / 2);
}

}  // namespace

void PressLeft(HWND control) { PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(control)); }

void ReleaseLeft(HWND control) { PostMessageW(control, WM_LBUTTONUP, 0, CentreOf(control)); }

void ChooseCommand(HWND window, int commandId) { PostMessageW(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0); }

void SendTrayCallback(HWND window, UINT callbackMessage, UINT iconId, UINT mouseMessage) {
    PostMessageW(window, callbackMessage, iconId, mouseMessage);
}

void Minimize(HWND window) { PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0); }

void Close(HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); }

bool WaitUntilIdle(HWND window, DWORD timeoutMs) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &ignored) != 0;
}

COLORREF ScreenPixel(POINT at) {
    const HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

RECT ScreenRect() { return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

bool SaveScreenshot(const std::wstring& path, const RECT& area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return false;
    win32::WindowDc screen(nullptr);
    win32::UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    win32::UniqueBitmap bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return false;
    {
        win32::SelectedObject selected(memory.get(), bitmap.get());
        if (!BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY)) return false;
    }
    std::vector<uint8_t> rgb(std::size_t(width) * std::size_t(height) * 3);
    const auto* bgra = static_cast<const uint8_t*>(bits);
    for (std::size_t i = 0; i < std::size_t(width) * std::size_t(height); ++i) {
        rgb[i * 3] = bgra[i * 4 + 2];
        rgb[i * 3 + 1] = bgra[i * 4 + 1];
        rgb[i * 3 + 2] = bgra[i * 4];
    }
    const std::vector<uint8_t> png = EncodePng(width, height, rgb);
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
    return static_cast<bool>(out.flush());
}

}  // namespace orbilux::gui_driver
