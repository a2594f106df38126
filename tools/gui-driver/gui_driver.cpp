#include "tools/gui-driver/gui_driver.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>

#include <commctrl.h>

#include "desktop/win32/remote_buffer.h"
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

AppProcess::~AppProcess() {
    kill();
}

bool AppProcess::running() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

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

void Click(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

namespace {

LPARAM CentreOf(HWND control) {
    RECT r{};
    GetClientRect(control, &r);
    return MAKELPARAM(r.right / 2, r.bottom / 2);
}

}  // namespace

void PressLeft(HWND control) {
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(control));
}

void ReleaseLeft(HWND control) {
    PostMessageW(control, WM_LBUTTONUP, 0, CentreOf(control));
}

int ChooseComboItem(HWND combo, const std::wstring& text) {
    const auto index = SendMessageW(combo, CB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(text.c_str()));
    if (index == CB_ERR) return -1;
    SendMessageW(combo, CB_SETCURSEL, WPARAM(index), 0);
    PostMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    return int(index);
}

bool ClickListLine(HWND list, const std::wstring& text) {
    const auto index = SendMessageW(list, LB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(text.c_str()));
    if (index == LB_ERR) return false;
    SendMessageW(list, LB_SETTOPINDEX, WPARAM(index), 0);
    const auto top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
    const auto height = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
    const LPARAM at = MAKELPARAM(10, int((index - top) * height + height / 2));
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
    return true;
}

SCROLLINFO ScrollBarState(HWND bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(bar, SB_CTL, &info);
    return info;
}

void DragThumb(HWND bar, int pixels) {
    // Without a page size the thumb is as wide as an arrow button, and it
    // travels the track between the two arrows.
    RECT client{};
    GetClientRect(bar, &client);
    const int arrow = client.bottom;
    const int track = client.right - 2 * arrow - arrow;
    const SCROLLINFO info = ScrollBarState(bar);
    const int span = std::max(1, info.nMax - info.nMin);
    const int thumbCentre = arrow + track * (info.nPos - info.nMin) / span + arrow / 2;
    const int y = client.bottom / 2;
    PostMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(thumbCentre, y));
    PostMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(thumbCentre + pixels / 2, y));
    PostMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(thumbCentre + pixels, y));
    PostMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(thumbCentre + pixels, y));
}

void ClickRight(HWND control) {
    PostMessageW(control, WM_RBUTTONDOWN, MK_RBUTTON, CentreOf(control));
    PostMessageW(control, WM_RBUTTONUP, 0, CentreOf(control));
}

void Type(HWND control, const std::wstring& text) {
    for (const wchar_t c : text) PostMessageW(control, WM_CHAR, c, 1);
}

void PressKey(HWND control, UINT virtualKey) {
    PostMessageW(control, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(control, WM_KEYUP, virtualKey, 0xC0000001);
}

std::vector<std::vector<std::wstring>> ListViewRows(HWND list, int columns) {
    std::vector<std::vector<std::wstring>> rows;
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    win32::RemoteBuffer buffer = win32::RemoteBuffer::OpenRemoteBuffer(processId);
    constexpr std::size_t TextOffset = sizeof(LVITEMW);
    constexpr int TextCapacity = 1024;
    const auto count = SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
    for (int row = 0; row < count; ++row) {
        std::vector<std::wstring> cells;
        for (int column = 0; column < columns; ++column) {
            LVITEMW item{};
            item.iSubItem = column;
            item.pszText = static_cast<LPWSTR>(buffer.at(TextOffset));
            item.cchTextMax = TextCapacity;
            buffer.WriteRemote(&item, buffer.at(0), sizeof item);
            const auto length = SendMessageW(list, LVM_GETITEMTEXTW, WPARAM(row), LPARAM(buffer.at(0)));
            std::wstring text(std::size_t(std::clamp<LRESULT>(length, 0, TextCapacity - 1)), L'\0');
            if (!text.empty()) buffer.ReadRemote(buffer.at(TextOffset), text.data(), text.size() * sizeof(wchar_t));
            cells.push_back(text);
        }
        rows.push_back(cells);
    }
    buffer.CloseRemoteBuffer();
    return rows;
}

void SelectListViewRow(HWND list, int row) {
    const HWND header = FindWindowExW(list, nullptr, WC_HEADERW, nullptr);
    RECT headerRect{};
    GetClientRect(header, &headerRect);
    const LPARAM firstRow = MAKELPARAM(20, headerRect.bottom + 4);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, firstRow);
    PostMessageW(list, WM_LBUTTONUP, 0, firstRow);
    for (int i = 0; i < row; ++i) PressKey(list, VK_DOWN);
    // A message sent now would overtake the posted input, and a test that
    // reads the row's effects at once could see the old selection's. So a
    // marker follows the input through the queue: once the list holds the
    // marker's hover time, it has handled the clicks and keys and told its
    // owner of the selection. The hover time matters only to lists that
    // select on hover, which ours don't; it is put back afterwards.
    const auto hoverTime = SendMessageW(list, LVM_GETHOVERTIME, 0, 0);
    constexpr LPARAM Marker = 4321;
    PostMessageW(list, LVM_SETHOVERTIME, 0, Marker);
    WaitUntil([&] { return SendMessageW(list, LVM_GETHOVERTIME, 0, 0) == Marker; }, 10000);
    SendMessageW(list, LVM_SETHOVERTIME, 0, hoverTime);
}

void ChooseCommand(HWND window, int commandId) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

void SendTrayCallback(HWND window, UINT callbackMessage, UINT iconId, UINT mouseMessage) {
    PostMessageW(window, callbackMessage, iconId, mouseMessage);
}

void Minimize(HWND window) {
    PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void Close(HWND window) {
    PostMessageW(window, WM_CLOSE, 0, 0);
}

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

RECT ScreenRect() {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

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
