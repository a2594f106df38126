#include "tests/wine/wine_test_support.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/win32/module_path.h"
#include "platform/win32/unique_handle.h"

namespace orbilux::wine_test {

std::wstring BinaryFolder() { return win32::ExecutableFolder(); }

std::wstring Quote(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote escaped.
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

namespace {

// Reads a pipe to its end on a thread, so a chatty child never blocks.
class PipeReader {
public:
    explicit PipeReader(HANDLE pipe) : thread_([this, pipe] {
        char buffer[4096];
        DWORD n = 0;
        while (ReadFile(pipe, buffer, sizeof buffer, &n, nullptr) && n > 0) text_.append(buffer, n);
    }) {}
    std::string finish() {
        thread_.join();
        return text_;
    }

private:
    std::string text_;
    std::thread thread_;
};

}  // namespace

ProcessResult RunProcess(const std::wstring& commandLine, DWORD timeoutMs) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
    CreatePipe(&outRead, &outWrite, &inherit, 0);
    CreatePipe(&errRead, &errWrite, &inherit, 0);
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
    win32::UniqueHandle outReadOwner(outRead), errReadOwner(errRead);
    win32::UniqueHandle outWriteOwner(outWrite), errWriteOwner(errWrite);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    PROCESS_INFORMATION info{};
    std::wstring line = commandLine;
    ProcessResult result;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &info)) {
        ADD_FAILURE() << "cannot start process, error " << GetLastError();
        result.exitCode = DWORD(-1);
        return result;
    }
    win32::UniqueHandle process(info.hProcess), thread(info.hThread);
    outWriteOwner.reset();  // the child holds its own copies now
    errWriteOwner.reset();
    PipeReader out(outRead), err(errRead);
    if (WaitForSingleObject(process.get(), timeoutMs) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "process timed out";
        TerminateProcess(process.get(), 99);
        WaitForSingleObject(process.get(), 5000);
    }
    GetExitCodeProcess(process.get(), &result.exitCode);
    result.out = out.finish();
    result.err = err.finish();
    return result;
}

std::wstring ScratchRegistryPath(const std::wstring& leaf) {
    return L"Software\\OrbiluxTests\\" + std::to_wstring(GetCurrentProcessId()) + L"\\" + leaf;
}

}  // namespace orbilux::wine_test
