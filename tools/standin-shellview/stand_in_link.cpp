#include "tools/standin-shellview/stand_in_link.h"

#include <atomic>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "platform/text.h"
#include "platform/win32/unique_handle.h"

namespace orbilux::shellview {

namespace {

constexpr UINT CommandTimeoutMs = 30000;

std::vector<std::string> SplitTabs(const std::string& line, std::size_t maxFields) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = fields.size() + 1 < maxFields ? line.find('\t', start) : std::string::npos;
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

bool ParseInt(const std::string& text, long long& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtoll(text.c_str(), &end, 10);
    return *end == '\0';
}

// A block of its own for each answer: several threads may ask at once.
std::wstring AnswerName() {
    static std::atomic<unsigned> counter{0};
    return L"orbilux-shellview-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(GetCurrentThreadId()) + L"-" + std::to_wstring(++counter);
}

// Whole 64 KiB blocks: the view the stand-in maps is never larger than ours.
constexpr uint32_t AnswerBlock = 64 * 1024;

class MappedView {
public:
    explicit MappedView(HANDLE mapping) : view_(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0)) {}
    ~MappedView() {
        if (view_) UnmapViewOfFile(view_);
    }
    MappedView(const MappedView&) = delete;
    MappedView& operator=(const MappedView&) = delete;
    const char* bytes() const { return static_cast<const char*>(view_); }

private:
    void* view_;
};

}  // namespace

bool ParseModel(const std::string& text, ModelSnapshot& snapshot) {
    std::istringstream in(text);
    std::string line;
    bool sawCount = false;
    while (std::getline(in, line)) {
        const std::vector<std::string> f = SplitTabs(line, 5);
        long long a = 0, b = 0, c = 0;
        if (f[0] == "count" && f.size() == 2 && ParseInt(f[1], a) && a >= 0 && a <= INT_MAX) {
            snapshot.count = int(a);
            sawCount = true;
        } else if (f[0] == "flags" && f.size() == 2) {
            snapshot.flags = DWORD(std::strtoul(f[1].c_str(), nullptr, 16));
        } else if (f[0] == "spacing" && f.size() == 3 && ParseInt(f[1], a) && ParseInt(f[2], b)) {
            snapshot.spacing = POINT{LONG(a), LONG(b)};
        } else if (f[0] == "model" && f.size() >= 4 && ParseInt(f[1], a) && ParseInt(f[2], b) && ParseInt(f[3], c)) {
            snapshot.items.push_back({int(a), POINT{LONG(b), LONG(c)}, f.size() == 5 ? WideFromUtf8(f[4]) : L""});
        } else {
            return false;
        }
    }
    return sawCount;
}

std::shared_ptr<const StandInLink> StandInLink::Find() {
    for (HWND window = FindWindowExW(nullptr, nullptr, L"Progman", nullptr); window;
         window = FindWindowExW(nullptr, window, L"Progman", nullptr)) {
        // Only a stand-in with its icon model answers this.
        std::shared_ptr<const StandInLink> link(new StandInLink(window));
        ModelSnapshot header;
        if (SUCCEEDED(link->read(0, 0, header))) return link;
    }
    return nullptr;
}

HWND StandInLink::defView() const {
    if (HWND view = FindWindowExW(progman_, nullptr, L"SHELLDLL_DefView", nullptr)) return view;
    // Hosted under a WorkerW of the same process.
    DWORD process = 0;
    GetWindowThreadProcessId(progman_, &process);
    for (HWND worker = FindWindowExW(nullptr, nullptr, L"WorkerW", nullptr); worker;
         worker = FindWindowExW(nullptr, worker, L"WorkerW", nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(worker, &owner);
        if (owner != process) continue;
        if (HWND view = FindWindowExW(worker, nullptr, L"SHELLDLL_DefView", nullptr)) return view;
    }
    return nullptr;
}

bool StandInLink::send(uintptr_t command, const void* data, DWORD size) const {
    COPYDATASTRUCT copy{command, size, const_cast<void*>(data)};
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(progman_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy), SMTO_BLOCK | SMTO_ABORTIFHUNG,
                               CommandTimeoutMs, &result) &&
           result;
}

HRESULT StandInLink::read(int first, int count, ModelSnapshot& snapshot) const {
    uint32_t capacity = AnswerBlock;
    // Asks once more, with room enough, when the answer didn't fit.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!IsWindow(progman_)) return StandInGone;
        const std::wstring name = AnswerName();
        win32::UniqueHandle mapping(
            CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, capacity, name.c_str()));
        if (!mapping) return HRESULT_FROM_WIN32(GetLastError());
        MappedView view(mapping.get());
        if (!view.bytes()) return HRESULT_FROM_WIN32(GetLastError());
        const standin::ModelRange range{first, count};
        std::vector<char> data(sizeof range + (name.size() + 1) * sizeof(wchar_t));
        std::memcpy(data.data(), &range, sizeof range);
        std::memcpy(data.data() + sizeof range, name.c_str(), (name.size() + 1) * sizeof(wchar_t));
        if (!send(standin::ShareModel, data.data(), DWORD(data.size())))
            return IsWindow(progman_) ? E_FAIL : StandInGone;
        uint32_t length = 0;
        std::memcpy(&length, view.bytes(), sizeof length);
        if (length <= capacity - standin::SharedModelHeader) {
            snapshot = ModelSnapshot{};
            const std::string text(view.bytes() + standin::SharedModelHeader, length);
            return ParseModel(text, snapshot) ? S_OK : E_UNEXPECTED;
        }
        if (length > UINT32_MAX - 2 * AnswerBlock) return E_OUTOFMEMORY;
        capacity = (length + standin::SharedModelHeader + AnswerBlock - 1) / AnswerBlock * AnswerBlock;
    }
    return E_UNEXPECTED;
}

HRESULT StandInLink::place(const std::vector<standin::ModelPosition>& positions) const {
    if (!IsWindow(progman_)) return StandInGone;
    if (send(standin::SetModelPositions, positions.data(), DWORD(positions.size() * sizeof positions[0]))) return S_OK;
    return IsWindow(progman_) ? E_INVALIDARG : StandInGone;
}

HRESULT StandInLink::refresh() const {
    if (!IsWindow(progman_)) return StandInGone;
    if (send(standin::Refresh, nullptr, 0)) return S_OK;
    return IsWindow(progman_) ? E_FAIL : StandInGone;
}

}  // namespace orbilux::shellview
