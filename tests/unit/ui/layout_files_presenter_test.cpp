#include <gtest/gtest.h>

#include "desktop/layout_file.h"
#include "desktop/layout_file_io.h"
#include "tests/support/fake_layout_ports.h"
#include "tests/support/temp_dir.h"
#include "ui/control_ids.h"
#include "ui/layouts/layout_files_presenter.h"

namespace orbilux::ui {
namespace {

class RecordingDialogs : public LayoutFileDialogs {
public:
    std::optional<std::filesystem::path> askExportPath(const std::wstring& suggestedName) override {
        suggested.push_back(suggestedName);
        return answer;
    }
    std::optional<std::filesystem::path> askImportPath() override {
        ++importAsks;
        return answer;
    }
    std::optional<std::filesystem::path> answer;  // nullopt: the user cancels
    std::vector<std::wstring> suggested;
    int importAsks = 0;
};

class SameZone : public TimeZone {
public:
    std::optional<LocalDateTime> localToUtc(const LocalDateTime& t) override { return t; }
    std::optional<LocalDateTime> utcToLocal(const LocalDateTime& t) override { return t; }
};

class LayoutFilesPresenterTest : public ::testing::Test {
protected:
    LayoutFilesPresenterTest() {
        for (int i = 0; i < 3; ++i) rig.desktop.add(L"Icon " + std::to_wstring(i), 10 * i, 20);
    }

    test::LayoutStoreRig rig;
    SameZone zone;
    RecordingDialogs dialogs;
    UndoSnapshot undo{rig.store};
    IconActions actions;
    CommandTable commands;
    std::wstring selected;
    int refreshes = 0;
    LayoutFilesPresenter presenter{LayoutFilesPorts{commands, rig.store, rig.registry, zone, rig.locale, dialogs,
                                                    rig.notifier, undo, actions, [this] { return selected; },
                                                    [this] { ++refreshes; }}};
    test::TempDir dir;
};

TEST_F(LayoutFilesPresenterTest, ExportsTheSelectedLayoutAndImportsItAgain) {
    EXPECT_FALSE(commands.enabled(ExportLayoutA));
    ASSERT_EQ(rig.store.SaveLayout(L"00000007", L"Desk: \"big\"").status, LayoutStatus::Done);
    selected = L"00000007";
    commands.setEnabled(ExportLayoutA, true);  // as the layouts page does on a selection

    // Cancelling either dialog does nothing.
    ASSERT_TRUE(commands.execute(ExportLayoutA));
    EXPECT_EQ(dialogs.suggested, std::vector<std::wstring>{L"Desk big.orbilux-layout.json"});
    ASSERT_TRUE(commands.execute(ImportLayoutA));
    EXPECT_EQ(refreshes, 0);

    dialogs.answer = dir.file("desk.orbilux-layout.json");
    ASSERT_TRUE(commands.execute(ExportLayoutA));
    const FileRead written = ReadWholeFile(*dialogs.answer, MaxLayoutFileBytes);
    ASSERT_TRUE(written.ok);
    EXPECT_TRUE(ParseLayoutFile(written.bytes).ok);

    ASSERT_TRUE(commands.execute(ImportLayoutA));
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(rig.store.ListLayoutIds().size(), 2u);
    EXPECT_TRUE(rig.notifier.messages.empty());
}

TEST_F(LayoutFilesPresenterTest, ARefusedFileIsNamedToTheUserAndAddsNothing) {
    dialogs.answer = dir.write("bad.json", {'[', ']'});
    ASSERT_TRUE(commands.execute(ImportLayoutA));
    ASSERT_EQ(rig.notifier.messages.size(), 1u);
    EXPECT_EQ(rig.notifier.messages[0],
              L"The file could not be imported: line 1, column 1: expected an object for the layout, found an array");
    EXPECT_TRUE(rig.store.ListLayoutIds().empty());
    EXPECT_EQ(refreshes, 0);
}

TEST_F(LayoutFilesPresenterTest, UndoIsEnabledOnceThereIsASnapshotAndRestoresIt) {
    presenter.refreshUndo();
    EXPECT_FALSE(commands.enabled(UndoLastChangeA));
    actions.addObserver(undo);
    {
        ScopedIconAction shape(actions, IconActionKind::ShapeLoad);
        for (DesktopItem& item : rig.desktop.items) item.x = 900;
    }
    EXPECT_TRUE(commands.enabled(UndoLastChangeA));
    ASSERT_TRUE(commands.execute(UndoLastChangeA));
    EXPECT_EQ(rig.desktop.items[2].x, 20);
    EXPECT_EQ(refreshes, 1);
}

}  // namespace
}  // namespace orbilux::ui
