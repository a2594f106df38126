// Fakes for the shape page's presenter: a file system whose folders list in
// the order they were added and carry attributes, a recording view, and a
// rig that wires the presenter to them, to the real engine over an
// in-memory desktop, and to the real settings and layout stores over fakes.
// Shape files the engine reads are written for real into a scratch folder
// at the paths the fake file system lists.
#pragma once

#include <map>

#include "engine/shape_engine.h"
#include "tests/support/main_window_fakes.h"
#include "tests/support/recording_icon_actions.h"
#include "tests/support/shape_records.h"
#include "tests/support/temp_dir.h"
#include "ui/shape/shape_page_presenter.h"

namespace orbilux::test {

class FakeFileSystem : public ui::FileSystem {
public:
    // Adds an entry to its folder's listing (after the ones added before).
    void add(const std::wstring& path, uint32_t attributes) {
        const std::size_t slash = path.find_last_of(L'\\');
        entries_[FoldCase(path.substr(0, slash))].push_back({path.substr(slash + 1), attributes});
        attributes_[FoldCase(path)] = attributes;
    }
    bool fileExists(const std::wstring& path) override {
        const auto it = attributes_.find(FoldCase(path));
        return it != attributes_.end() && !(it->second & ui::file_attributes::Directory);
    }
    std::vector<ui::DirectoryEntry> listDirectory(const std::wstring& folder, const std::wstring& pattern) override {
        ++listings;
        std::vector<ui::DirectoryEntry> listed;
        const auto it = entries_.find(FoldCase(folder));
        if (it == entries_.end()) return listed;
        if (pattern == L"*") {
            listed.push_back({L".", ui::file_attributes::Directory});
            listed.push_back({L"..", ui::file_attributes::Directory});
        }
        const std::wstring suffix = FoldCase(pattern.substr(1));  // "*.shp" -> ".shp"
        for (const ui::DirectoryEntry& e : it->second) {
            const std::wstring name = FoldCase(e.name);
            if (pattern == L"*" ||
                (name.size() >= suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0))
                listed.push_back(e);
        }
        return listed;
    }
    int listings = 0;

private:
    std::map<std::wstring, std::vector<ui::DirectoryEntry>> entries_;
    std::map<std::wstring, uint32_t> attributes_;
};

class RecordingShapeView : public ui::ShapePageView {
public:
    void setGroups(const std::vector<std::wstring>& items) override {
        groups = items;
        selectedGroup = -1;
    }
    void selectGroup(int index) override { selectedGroup = index; }
    void setShapeLines(const std::vector<std::wstring>& items) override {
        lines = items;
        selectedLine = -1;
    }
    void selectShapeLine(int index) override { selectedLine = index; }
    void setCaption(const std::wstring& text) override { caption = text; }
    void setCaptionEnabled(bool enabled) override { captionEnabled = enabled; }
    void showBar(ui::ShapeBar bar, const ui::ScrollBarState& state) override { bars[int(bar)] = state; }
    void setAdjustButtonsEnabled(bool enabled) override { buttonsEnabled = enabled; }
    void startRepeatTimer(int intervalMs) override { timerInterval = intervalMs; }
    void stopRepeatTimer() override { timerInterval = 0; }
    void setHint(uint16_t id, const std::wstring& hint) override { hints[id] = hint; }

    std::vector<std::wstring> groups, lines;
    int selectedGroup = -1, selectedLine = -1;
    std::wstring caption;
    bool captionEnabled = true;
    bool buttonsEnabled = true;
    ui::ScrollBarState bars[3];
    int timerInterval = 0;  // 0: stopped
    std::map<uint16_t, std::wstring> hints;
};

struct ShapePageRig {
    static constexpr uint32_t Folder = ui::file_attributes::Directory;
    static constexpr uint32_t File = ui::file_attributes::Archive;

    explicit ShapePageRig(int32_t icons = 60) : desktop(icons) {
        locations.program = Native(dir.path() / "Orbilux.exe");
        root = settings.programFolder() + L"Shapes";
    }

    static std::wstring Native(const std::filesystem::path& path) { return path.wstring(); }

    // A group folder below the root ("Animals\\Cats"), with its parents
    // already added.
    std::wstring folder(const std::wstring& relative, uint32_t attributes = Folder) {
        files.add(root + L"\\" + relative, attributes);
        return root + L"\\" + relative;
    }
    // A shape file the engine can read: one fixed point (item 0), then a
    // path of 100 points, so every placement's first batch is that point.
    std::wstring shape(const std::wstring& relative, uint32_t attributes = File) {
        const std::wstring path = root + L"\\" + relative;
        files.add(path, attributes);
        ShapeRecipe recipe;
        recipe.paths = {LinePath(100)};
        recipe.fixed = {{250, 250}};
        const std::filesystem::path target(path);
        std::filesystem::create_directories(target.parent_path());
        const auto bytes = EncodeRecords(RecordsOf(recipe));
        std::ofstream(target, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path;
    }

    // The placements made so far: each begins with the fixed point's batch.
    int placements() const {
        int count = 0;
        for (const IconTargets& call : desktop.calls)
            if (call.size() == 1 && call[0].index == 0) ++count;
        return count;
    }
    ui::Size frame() const {
        const auto& w = presenter.bar(ui::ShapeBar::Width);
        const auto& h = presenter.bar(ui::ShapeBar::Height);
        return {w.max() - w.position(), h.max() - h.position()};
    }
    // The main window's start-up steps that reach the page, with the
    // settings written so far.
    void startUp(bool loadLastShape = true) {
        presenter.resetOffsets();
        presenter.setSizeBarRanges();
        presenter.startUpSelection(settings.file(SettingsPath), loadLastShape);
    }
    void remember(const wchar_t* key, const std::wstring& value) {
        profile.writeString(SettingsPath, L"Settings", key, value);
    }

    static constexpr const wchar_t* SettingsPath = L"C:\\Settings.ini";

    TempDir dir;
    EventLog log;
    RecordingMainView window{log};
    RecordingShapeView view;
    FakeDesktop desktop;
    ShapeEngine engine{desktop};
    FakeFileSystem files;
    FakeScreenInfo screen;
    FakeLayer layer;
    FakeProfile profile;
    FakeRegistry registry;
    FakeLocations locations;
    SettingsStore settings{profile, registry, locations};
    FakeShellDesktop shell;
    RecordingNotifier notifier;
    FixedClock clock;
    FixedLocale locale;
    FixedScreen screenSize;
    SteppingTicks ticks;
    LayoutStore layouts{LayoutStorePorts{registry, shell, notifier, clock, locale, screenSize, ticks}};
    ui::CommandTable commands;
    ProgramOptions options;
    std::wstring root;
    IconActions actions{[this] { return !notifier.quitRequested(); }};
    RecordingIconActions actionLog{actions};
    ui::ShapePagePresenter presenter{
        ui::ShapePagePorts{view, window, engine, files, screen, layer, settings, layouts, commands, options, notifier,
                           actions}};
};

}  // namespace orbilux::test
