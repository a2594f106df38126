// orbilux-driver.exe: starts Orbilux.exe and walks it through a list of
// steps, as a user would, for the demo. Each step is one argument:
//   box            wait for a message box, print its text, answer OK
//   window         wait until the main window is shown
//   click:ID       click the control with that id
//   press:ID / release:ID   the left mouse button on a control
//   combo:ID:TEXT  choose that item of a drop-down list
//   line:ID:TEXT   click that line of a list
//   title:TEXT     wait until the main window's title reads TEXT
//   command:ID     choose a menu command
//   minimize       minimise the main window and wait until it is gone
//   sleep:MS       wait
//   shot:PATH      save a screenshot of the whole screen as PNG
//   exit           choose "Exit" and wait for the program to end
// Usage: orbilux-driver.exe PROGRAM [ARGUMENTS...] -- STEP...
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/command_line.h"
#include "tools/gui-driver/gui_driver.h"
#include "ui/control_ids.h"

using namespace orbilux::gui_driver;

namespace {

constexpr DWORD StepTimeoutMs = 30000;

std::wstring Quote(const std::wstring& text) {
    return text.find(L' ') == std::wstring::npos ? text : L"\"" + text + L"\"";
}

int Fail(const std::wstring& what) {
    std::fwprintf(stderr, L"orbilux-driver: %ls\n", what.c_str());
    return 1;
}

}  // namespace

int wmain() {
    const std::vector<std::wstring> args = orbilux::win32::CommandLineArguments();
    std::size_t split = 0;
    while (split < args.size() && args[split] != L"--") ++split;
    if (split == 0 || split == args.size()) return Fail(L"usage: orbilux-driver.exe PROGRAM [ARGS...] -- STEP...");
    std::wstring commandLine;
    for (std::size_t i = 0; i < split; ++i) commandLine += (i ? L" " : L"") + Quote(args[i]);

    AppProcess app(commandLine);
    HWND main = nullptr;
    for (std::size_t i = split + 1; i < args.size(); ++i) {
        const std::wstring& step = args[i];
        const std::size_t colon = step.find(L':');
        const std::wstring verb = step.substr(0, colon);
        const std::wstring value = colon == std::wstring::npos ? L"" : step.substr(colon + 1);
        auto mainWindow = [&] {
            if (!main) main = WaitForWindow(app.id(), L"Tptt", StepTimeoutMs);
            return main;
        };
        auto control = [&]() -> HWND { return mainWindow() ? FindControl(main, std::stoi(value)) : nullptr; };
        if (verb == L"box") {
            const auto box = WaitForMessageBox(app.id(), StepTimeoutMs);
            if (!box) return Fail(L"no message box came up");
            std::wprintf(L"message box: %ls\n", box->text.substr(0, box->text.find(L'\r')).c_str());
            AnswerMessageBox(box->window, IDOK);
        } else if (verb == L"window") {
            main = WaitForWindow(app.id(), L"Tptt", StepTimeoutMs, true);
            if (!main) return Fail(L"the main window did not show");
            WaitUntilIdle(main);
        } else if (verb == L"click" || verb == L"press" || verb == L"release") {
            const HWND target = control();
            if (!target) return Fail(L"no control " + value);
            if (verb == L"click")
                Click(target);
            else if (verb == L"press")
                PressLeft(target);
            else
                ReleaseLeft(target);
            WaitUntilIdle(main);
        } else if (verb == L"combo" || verb == L"line") {
            const std::size_t second = value.find(L':');
            if (!mainWindow() || second == std::wstring::npos) return Fail(L"bad step " + step);
            const HWND target = FindControl(main, std::stoi(value.substr(0, second)));
            const std::wstring text = value.substr(second + 1);
            const bool done = verb == L"combo" ? ChooseComboItem(target, text) >= 0 : ClickListLine(target, text);
            if (!done) return Fail(L"no item " + text);
        } else if (verb == L"title") {
            if (!mainWindow() || !WaitUntil([&] { return WindowText(main) == value; }, StepTimeoutMs))
                return Fail(L"the title did not become " + value);
        } else if (verb == L"command") {
            if (!mainWindow()) return Fail(L"no main window");
            ChooseCommand(main, std::stoi(value));
            WaitUntilIdle(main);
        } else if (verb == L"minimize") {
            if (!mainWindow()) return Fail(L"no main window");
            Minimize(main);
            if (!WaitUntil([&] { return !IsWindowVisible(main); }, StepTimeoutMs))
                return Fail(L"the main window did not minimise");
        } else if (verb == L"sleep") {
            Sleep(static_cast<DWORD>(std::stoul(value)));
        } else if (verb == L"shot") {
            if (main) WaitUntilIdle(main);
            Sleep(300);  // let the shell and the window finish painting
            if (!SaveScreenshot(value, ScreenRect())) return Fail(L"cannot save " + value);
        } else if (verb == L"exit") {
            if (!mainWindow()) return Fail(L"no main window");
            ChooseCommand(main, orbilux::ui::ExitA);
            if (!app.waitForExit(StepTimeoutMs)) return Fail(L"the program did not end");
        } else {
            return Fail(L"unknown step " + step);
        }
        std::fflush(stdout);
    }
    return 0;
}
