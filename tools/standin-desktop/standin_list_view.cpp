#include "tools/standin-desktop/standin_list_view.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/text.h"
#include "platform/win32/unique_handle.h"
#include "tools/standin-desktop/icon_fitting.h"

namespace orbilux::standin {

namespace {

constexpr UINT_PTR SubclassId = 1;

// Marks the stand-in's own calls to its list view for the time it makes them.
class InternalCalls {
public:
    explicit InternalCalls(bool& flag) : flag_(flag) { flag_ = true; }
    ~InternalCalls() { flag_ = false; }
    InternalCalls(const InternalCalls&) = delete;
    InternalCalls& operator=(const InternalCalls&) = delete;

private:
    bool& flag_;
};

// The caller's file mapping `name` takes the text's byte count, then the
// text when it fits (see standin_protocol.h). Files would do too, but each
// costs about 9 ms under Wine.
bool WriteSharedText(const std::wstring& name, const std::string& text) {
    win32::UniqueHandle mapping(OpenFileMappingW(FILE_MAP_WRITE, FALSE, name.c_str()));
    if (!mapping) return false;
    void* view = MapViewOfFile(mapping.get(), FILE_MAP_WRITE, 0, 0, 0);
    if (!view) return false;
    MEMORY_BASIC_INFORMATION region{};
    const bool known = VirtualQuery(view, &region, sizeof region) == sizeof region;
    const uint32_t length = uint32_t(text.size());
    if (known && region.RegionSize >= SharedModelHeader) {
        std::memcpy(view, &length, sizeof length);
        if (region.RegionSize - SharedModelHeader >= text.size())
            std::memcpy(static_cast<char*>(view) + SharedModelHeader, text.data(), text.size());
    }
    UnmapViewOfFile(view);
    return known;
}

bool WriteTextFile(const std::wstring& path, const std::string& text) {
    std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out.flush());
}

// Names a real desktop might show; repeats get a number.
constexpr const wchar_t* CommonNames[] = {
    L"Recycle Bin",
    L"This PC",
    L"Documents",
    L"Pictures",
    L"Music",
    L"Videos",
    L"Downloads",
    L"Budget 2024.xlsx",
    L"Notes.txt",
    L"Project Plan.docx",
    L"Holiday Photos",
    L"Web Browser",
    L"Mail",
    L"Calculator",
    L"Paint",
    L"Terminal",
    L"Games",
    L"Invoices",
    L"Recipes",
    L"Tax Return.pdf",
    L"Backup",
    L"Screenshots",
    L"Presentation.pptx",
    L"Music Player",
    L"Photo Editor",
};
constexpr int CommonNameCount = static_cast<int>(sizeof CommonNames / sizeof CommonNames[0]);

// Icons of the system's shell library, by index: a recycle bin, a computer,
// folders, a document, drives ... The indexes are those of Wine's shell32,
// where the tests and the demo run (Windows numbers its icons differently);
// whatever can't be loaded becomes the generic icon.
constexpr int ShellIconIndexes[] = {33, 17, 5, 2, 15, 8, 41, 44, 47, 27, 22, 18};

HIMAGELIST CreateIconImages() {
    HIMAGELIST images =
        ImageList_Create(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), ILC_COLOR32 | ILC_MASK, 12, 4);
    for (const int index : ShellIconIndexes) {
        HICON icon = nullptr;
        if (ExtractIconExW(L"shell32.dll", index, &icon, nullptr, 1) != 1 || !icon)
            icon = LoadIconW(nullptr, IDI_APPLICATION);
        ImageList_AddIcon(images, icon);
        DestroyIcon(icon);
    }
    return images;
}

}  // namespace

std::wstring DefaultItemName(int index) {
    std::wstring name = CommonNames[index % CommonNameCount];
    if (index >= CommonNameCount) name += L" " + std::to_wstring(index / CommonNameCount + 1);
    return name;
}

StandInListView::StandInListView(HWND parent, const StandInOptions& options)
    : exitAfterTextQueries_(options.exitAfterTextQueries),
      stallAtPosition_(options.stallAtPosition),
      stallMs_(options.stallMs),
      modern_(options.modernShell),
      snapToGrid_(options.snapToGrid) {
    RECT client{};
    GetClientRect(parent, &client);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | LVS_ICON | LVS_SHOWSELALWAYS;
    if (options.autoArrange) style |= LVS_AUTOARRANGE;
    hwnd_ = CreateWindowExW(0, WC_LISTVIEWW, L"FolderView", style, 0, 0, client.right, client.bottom, parent, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    ListView_SetBkColor(hwnd_, RGB(0, 99, 177));
    ListView_SetTextBkColor(hwnd_, CLR_NONE);
    ListView_SetTextColor(hwnd_, RGB(255, 255, 255));
    ListView_SetImageList(hwnd_, CreateIconImages(), LVSIL_NORMAL);
    fill(options);
    SetWindowSubclass(hwnd_, &StandInListView::subclassProc, SubclassId, reinterpret_cast<DWORD_PTR>(this));
    if (options.paintingOff) SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
}

StandInListView::~StandInListView() {
    if (IsWindow(hwnd_)) RemoveWindowSubclass(hwnd_, &StandInListView::subclassProc, SubclassId);
}

void StandInListView::fill(const StandInOptions& options) {
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < options.icons; ++i) {
        std::wstring name = i < int(options.names.size()) ? options.names[std::size_t(i)] : DefaultItemName(i);
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = i;
        item.pszText = name.data();
        item.iImage = i % int(sizeof ShellIconIndexes / sizeof ShellIconIndexes[0]);
        ListView_InsertItem(hwnd_, &item);
    }
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
}

void StandInListView::observe(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_STYLECHANGED && wParam == WPARAM(GWL_STYLE)) {
        const auto* change = reinterpret_cast<const STYLESTRUCT*>(lParam);
        log_.recordStyle(change->styleOld, change->styleNew);
        return;
    }
    if (message == WM_SETREDRAW) {
        painting_ = wParam != 0;
        if (InSendMessage()) {
            log_.countReceived(message);
            log_.recordRedraw(painting_);
        }
        return;
    }
    // Only what other threads send counts: the stand-in's own calls (filling
    // the list, writing the report) are not the bridge's.
    if (internal_ || message < LVM_FIRST || message >= LVM_FIRST + 0x100 || !InSendMessage()) return;
    log_.countReceived(message);
    if (message == LVM_SETITEMPOSITION) {
        log_.recordPosition(wParam, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        // Stands for a shell that hangs for a while and then carries on.
        if (stallAtPosition_ > 0 && ++positions_ == stallAtPosition_) Sleep(static_cast<DWORD>(stallMs_));
    }
    if (message == LVM_GETITEMTEXTW && exitAfterTextQueries_ > 0 && ++textQueries_ >= exitAfterTextQueries_) {
        // Stands for the shell crashing in the middle of a run of queries.
        ExitProcess(3);
    }
}

LRESULT CALLBACK StandInListView::subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR self) {
    auto* view = reinterpret_cast<StandInListView*>(self);
    view->observe(message, wParam, lParam);
    // F5 refreshes the desktop, as in the shell.
    if (message == WM_KEYDOWN && wParam == VK_F5 && view->refresh()) return 0;
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void StandInListView::captureModel() {
    if (!modern_) return;
    InternalCalls internal(internal_);
    model_.capture(hwnd_);
}

bool StandInListView::placeInModel(const ModelPosition* positions, std::size_t count) {
    if (!modern_) return false;
    InternalCalls internal(internal_);
    return model_.place(hwnd_, positions, count);
}

void StandInListView::fitIcons(int width, int height) {
    InternalCalls internal(internal_);
    std::vector<IconPlace> places;
    if (modern_) {
        for (const POINT& p : model_.positions()) places.push_back({p.x, p.y});
    } else {
        const int count = ListView_GetItemCount(hwnd_);
        for (int i = 0; i < count; ++i) {
            POINT p{};
            ListView_GetItemPosition(hwnd_, i, &p);
            places.push_back({p.x, p.y});
        }
    }
    const DWORD spacing = DWORD(ListView_GetItemSpacing(hwnd_, FALSE));
    const std::vector<IconPlace> fitted = FitIcons(places, LOWORD(spacing), HIWORD(spacing), width, height);
    std::vector<ModelPosition> moves;
    for (std::size_t i = 0; i < fitted.size(); ++i)
        if (fitted[i].x != places[i].x || fitted[i].y != places[i].y)
            moves.push_back({int32_t(i), fitted[i].x, fitted[i].y});
    if (modern_) {
        model_.place(hwnd_, moves.data(), moves.size());
        model_.relayout(hwnd_);
        return;
    }
    for (const ModelPosition& move : moves) {
        POINT point{move.x, move.y};
        SendMessageW(hwnd_, LVM_SETITEMPOSITION32, WPARAM(move.index), reinterpret_cast<LPARAM>(&point));
    }
}

bool StandInListView::refresh() {
    if (!modern_) return false;
    InternalCalls internal(internal_);
    model_.relayout(hwnd_);
    return true;
}

bool StandInListView::shareModel(const std::wstring& name, ModelRange range) const {
    if (!modern_) return false;
    DWORD flags = 0;
    if (GetWindowLongW(hwnd_, GWL_STYLE) & LVS_AUTOARRANGE) flags |= FWF_AUTOARRANGE;
    if (snapToGrid_) flags |= FWF_SNAPTOGRID;
    std::string text;
    {
        InternalCalls internal(internal_);
        text = model_.fileText(hwnd_, range, flags);
    }
    return WriteSharedText(name, text);
}

bool StandInListView::writeReport(const std::wstring& path) const {
    InternalCalls internal(internal_);
    std::string report;
    char style[32];
    std::snprintf(style, sizeof style, "style\t%lx\n", static_cast<unsigned long>(GetWindowLongW(hwnd_, GWL_STYLE)));
    report += style;
    report += painting_ ? "painting\t1\n" : "painting\t0\n";
    RECT area{};
    GetClientRect(hwnd_, &area);
    MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&area), 2);
    report += "area\t" + std::to_string(area.left) + "\t" + std::to_string(area.top) + "\t" +
              std::to_string(area.right) + "\t" + std::to_string(area.bottom) + "\n";
    const int count = ListView_GetItemCount(hwnd_);
    std::vector<wchar_t> text(1024);
    for (int i = 0; i < count; ++i) {
        POINT point{};
        ListView_GetItemPosition(hwnd_, i, &point);
        text[0] = L'\0';
        ListView_GetItemText(hwnd_, i, 0, text.data(), int(text.size()));
        report += "item\t" + std::to_string(i) + "\t" + std::to_string(point.x) + "\t" + std::to_string(point.y) +
                  "\t" + Utf8FromWide(text.data()) + "\n";
    }
    if (modern_) report += model_.reportLines();
    report += log_.reportLines();
    return WriteTextFile(path, report);
}

}  // namespace orbilux::standin
