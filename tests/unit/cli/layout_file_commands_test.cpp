#include <gtest/gtest.h>

#include "cli/layout_file_commands.h"
#include "desktop/undo_snapshot.h"
#include "platform/text.h"
#include "tests/support/cli_run.h"
#include "tests/support/fake_layout_ports.h"
#include "tests/support/temp_dir.h"

namespace orbilux::cli {
namespace {

class UtcZone : public TimeZone {
public:
    std::optional<LocalDateTime> localToUtc(const LocalDateTime& local) override { return local; }
    std::optional<LocalDateTime> utcToLocal(const LocalDateTime& utc) override { return utc; }
};

class LayoutFileCommandsTest : public ::testing::Test {
protected:
    LayoutFileCommandsTest() {
        rig_.clock.now = LocalDateTime{2024, 3, 7, 14, 5, 9};
        for (int i = 0; i < 3; ++i) rig_.desktop.add(L"Icon " + std::to_wstring(i), 10 * i, 20 * i);
        LayoutStoreFactory makeStore = [this](UserNotifier& notifier) {
            return LayoutStore(LayoutStorePorts{rig_.registry, rig_.desktop, notifier, rig_.clock, rig_.locale,
                                                rig_.screen, rig_.ticks});
        };
        commands_ = LayoutCommandsOver(makeStore);
        for (Command& command : LayoutFileCommandsOver(makeStore, {rig_.registry, zone_, rig_.locale}))
            commands_.push_back(command);
    }

    test::CliRun run(const Args& args) {
        for (const Command& command : commands_)
            if (command.name == args[0]) return test::RunCommand(command, Args(args.begin() + 1, args.end()));
        ADD_FAILURE() << "no command " << args[0];
        return {-1, "", ""};
    }

    test::LayoutStoreRig rig_;
    UtcZone zone_;
    std::vector<Command> commands_;
    test::TempDir dir_;
};

TEST_F(LayoutFileCommandsTest, ARefusedFileSaysWhyAndAddsNothing) {
    const auto broken = dir_.write("broken.json", {'{', '}'});
    const test::CliRun imported = run({"import", broken.u8string()});
    EXPECT_EQ(imported.status, ExitFailure);
    EXPECT_NE(imported.err.find("broken.json: line 1, column 3: member \"description\" missing"), std::string::npos)
        << imported.err;
    EXPECT_EQ(run({"import", dir_.path().u8string()}).err.find("not a regular file") != std::string::npos, true);
    EXPECT_TRUE(rig_.store.ListLayoutIds().empty());
    EXPECT_EQ(run({"export", "99999999"}).err, "orbiluxctl export: layout 99999999: no such layout\n");
}

TEST_F(LayoutFileCommandsTest, RestoreBeforeLastChangeUndoesAndASecondTimeRedoes) {
    EXPECT_EQ(run({"restore", "before-last-change"}).err, "orbiluxctl restore: there is no change to undo\n");
    UndoSnapshot undo(rig_.store);
    IconActions actions;
    actions.addObserver(undo);
    {
        ScopedIconAction arrange(actions, IconActionKind::Arrange);
        for (DesktopItem& item : rig_.desktop.items) item.x = 777;
    }

    const test::CliRun undone = run({"restore", "before-last-change"});
    ASSERT_EQ(undone.status, 0) << undone.err;
    EXPECT_EQ(undone.out, "restored " + Utf8FromWide(undo.snapshotId()) + ": 3 of 3 icons moved\n");
    EXPECT_EQ(rig_.desktop.items[2].x, 20);
    ASSERT_EQ(run({"restore", "before-last-change"}).status, 0);
    EXPECT_EQ(rig_.desktop.items[2].x, 777);
}

}  // namespace
}  // namespace orbilux::cli
