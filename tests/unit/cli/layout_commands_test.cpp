#include <gtest/gtest.h>

#include <sstream>

#include "cli/layout_commands.h"
#include "tests/support/cli_run.h"
#include "tests/support/fake_layout_ports.h"

namespace orbilux::cli {
namespace {

class LayoutCommandsTest : public ::testing::Test {
protected:
    LayoutCommandsTest() {
        rig_.clock.now = LocalDateTime{2024, 3, 7, 14, 5, 9};
        for (int i = 0; i < 3; ++i) rig_.desktop.add(L"Icon " + std::to_wstring(i), 10 * i, 20 * i);
        commands_ = LayoutCommandsOver([this](UserNotifier& notifier) {
            return LayoutStore(LayoutStorePorts{rig_.registry, rig_.desktop, notifier, rig_.clock, rig_.locale,
                                                rig_.screen, rig_.ticks});
        });
    }

    test::CliRun run(const Args& args) {
        for (const Command& command : commands_)
            if (command.name == args[0]) return test::RunCommand(command, Args(args.begin() + 1, args.end()));
        ADD_FAILURE() << "no command " << args[0];
        return {-1, "", ""};
    }

    test::LayoutStoreRig rig_;
    std::vector<Command> commands_;
};

TEST_F(LayoutCommandsTest, SaveThenListShowsTheHeaderFields) {
    const test::CliRun saved = run({"save", "--id", "00001234", "--description", "Before the heart", "--json"});
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out, "{\"id\": \"00001234\", \"icons\": 3, \"iconsSharingAName\": 0}\n");
    ASSERT_EQ(run({"save", "--id", "00000042"}).status, 0);

    const test::CliRun listed = run({"list", "--json"});
    ASSERT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(listed.out,
              "{\"layouts\": [{\"id\": \"00001234\", \"savedAt\": \"2024-03-07T14:05:09\", \"description\": \"Before "
              "the heart\", \"screenWidth\": 1280, \"screenHeight\": 1024, \"iconCount\": 3}, {\"id\": \"00000042\", "
              "\"savedAt\": \"2024-03-07T14:05:09\", \"description\": \"No description\", \"screenWidth\": 1280, "
              "\"screenHeight\": 1024, \"iconCount\": 3}]}\n");
}

TEST_F(LayoutCommandsTest, RestoreNewestPutsTheIconsBack) {
    ASSERT_EQ(run({"save", "--id", "11111111"}).status, 0);
    rig_.clock.now.minute = 6;
    rig_.desktop.items[1].x = 500;
    ASSERT_EQ(run({"save", "--id", "22222222"}).status, 0);
    EXPECT_EQ(run({"newest"}).out.substr(0, 9), "22222222\t");

    for (DesktopItem& item : rig_.desktop.items) item.x = item.y = 999;
    const test::CliRun restored = run({"restore", "newest"});
    ASSERT_EQ(restored.status, 0) << restored.err;
    EXPECT_EQ(restored.out, "restored 22222222: 3 of 3 icons moved\n");
    EXPECT_EQ(rig_.desktop.items[1].x, 500);
    EXPECT_EQ(rig_.desktop.items[2].y, 40);
}

TEST_F(LayoutCommandsTest, RestoreAutoTakesTheNewestLayoutOfThisScreensSize) {
    ASSERT_EQ(run({"save", "--id", "11111111"}).status, 0);
    rig_.clock.now.minute = 6;
    rig_.screen.size = {1920, 1080};
    rig_.desktop.items[1].x = 500;
    ASSERT_EQ(run({"save", "--id", "22222222"}).status, 0);  // newer, on another screen

    rig_.screen.size = {1280, 1024};
    const test::CliRun restored = run({"restore", "auto"});
    ASSERT_EQ(restored.status, 0) << restored.err;
    EXPECT_EQ(restored.out, "restored 11111111: 3 of 3 icons moved\n");
    EXPECT_EQ(rig_.desktop.items[1].x, 10);

    rig_.screen.size = {1024, 768};
    const test::CliRun none = run({"restore", "auto"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "orbiluxctl: there is no layout saved at 1024 x 768\n");
}

TEST_F(LayoutCommandsTest, DescribeAndDeleteReportWhatHappened) {
    ASSERT_EQ(run({"save", "--id", "33333333"}).status, 0);
    EXPECT_EQ(run({"describe", "33333333", "Renamed"}).status, 0);
    EXPECT_NE(run({"list"}).out.find("\tRenamed\n"), std::string::npos);
    EXPECT_EQ(run({"delete", "33333333"}).status, 0);
    EXPECT_EQ(run({"list", "--json"}).out, "{\"layouts\": []}\n");

    const test::CliRun missing = run({"delete", "33333333"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("33333333"), std::string::npos);
    EXPECT_EQ(run({"restore", "newest"}).status, 1);
    EXPECT_EQ(run({"newest"}).status, 1);
}

TEST_F(LayoutCommandsTest, NoDesktopPrintsTheMessageAndFails) {
    rig_.desktop.openResult = DesktopOpenResult::NoListView;
    const test::CliRun saved = run({"save"});
    EXPECT_EQ(saved.status, 1);
    EXPECT_EQ(saved.out, "");
    EXPECT_EQ(saved.err,
              "Cannot handle desktop items. You have to restart windows in order to make the program working again.\n");
    EXPECT_EQ(run({"list", "--json"}).out, "{\"layouts\": []}\n");  // nothing half-saved
}

TEST_F(LayoutCommandsTest, AFailingDesktopIsAnErrorAndKeepsTheOldLayout) {
    ASSERT_EQ(run({"save", "--id", "44444444", "--description", "good"}).status, 0);
    rig_.desktop.throwOnQueryOf = 2;
    const test::CliRun failed = run({"save", "--id", "44444444", "--description", "bad"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(run({"list"}).out.find("\tgood\n"), std::string::npos);
}

TEST_F(LayoutCommandsTest, BadArgumentsAreUsageErrors) {
    EXPECT_EQ(run({"restore"}).status, 2);
    EXPECT_EQ(run({"describe", "1"}).status, 2);
    EXPECT_EQ(run({"save", "--colour", "x"}).status, 2);
}

TEST_F(LayoutCommandsTest, SaveTakesOnlyALayoutIdForItsId) {
    for (const char* id : {"newest", "", " ", "a/b", "a\\b", "1234567a", "123456789", "+1234", "-1", "12 34"}) {
        const test::CliRun refused = run({"save", "--id", id});
        EXPECT_EQ(refused.status, ExitUsage) << id;
        EXPECT_NE(refused.err.find("1 to 8 decimal digits"), std::string::npos) << refused.err;
    }
    EXPECT_TRUE(rig_.store.ListLayoutIds().empty());
    EXPECT_EQ(run({"save", "--id", "7"}).status, 0);
    EXPECT_EQ(run({"save", "--id", "00000000"}).status, 0);
    EXPECT_EQ(rig_.store.ListLayoutIds(), (std::vector<std::wstring>{L"7", L"00000000"}));
}

TEST_F(LayoutCommandsTest, ListShowsControlCharactersAsEscapes) {
    ASSERT_EQ(run({"save", "--id", "1", "--description", "two\nlines\tand \x1b[2J a clear screen"}).status, 0);
    EXPECT_NE(run({"list"}).out.find("\ttwo\\nlines\\tand \\x1B[2J a clear screen\n"), std::string::npos);
    EXPECT_NE(run({"newest"}).out.find("\ttwo\\nlines\\tand \\x1B[2J a clear screen\n"), std::string::npos);
}

}  // namespace
}  // namespace orbilux::cli
