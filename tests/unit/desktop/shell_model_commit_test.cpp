// The commit into the shell's icon model that ends every action: pairing the
// list view's icons with the model's items by name, the one batch, the
// counts it reports, and a missing shell view leaving everything alone.
#include <gtest/gtest.h>

#include "desktop/icon_actions.h"
#include "desktop/shell_model_commit.h"
#include "tests/support/fake_desktop_session.h"
#include "tests/support/fake_shell_icon_model.h"

namespace orbilux {
namespace {

using Pairs = std::vector<std::optional<std::size_t>>;

TEST(PairItemsByName, SameNamesPairInOrderAndTheRestStayUnpaired) {
    const std::wstring longName(300, L'x');
    struct Case {
        const char* what;
        std::vector<std::wstring> list;
        std::vector<std::wstring> model;
        Pairs expected;
    };
    const Case cases[] = {
        {"model in another order", {L"a", L"b", L"c"}, {L"c", L"a", L"b"}, {1, 2, 0}},
        {"duplicates in index order", {L"a", L"b", L"a"}, {L"a", L"a", L"b"}, {0, 2, 1}},
        {"more list icons than model items", {L"a", L"a", L"z"}, {L"a"}, {0, std::nullopt, std::nullopt}},
        {"names differ in case", {L"Notes"}, {L"notes"}, {std::nullopt}},
        {"a list text is cut at 254", {longName.substr(0, 254)}, {longName}, {0}},
    };
    for (const Case& c : cases) EXPECT_EQ(PairItemsByName(c.list, c.model), c.expected) << c.what;
}

struct CommitRig {
    CommitRig() {
        desktop.add(L"Notes", 10, 20);
        desktop.add(L"Trash", 30, 40);
        desktop.add(L"Notes", 50, 60);
        desktop.add(L"Only in the list", 70, 80);
        model.nameItems({L"Trash", L"Notes", L"Notes", L"Only in the model"});
    }
    test::FakeShellDesktop desktop;
    test::FakeShellIconModel model;
    ShellModelCommit commit{desktop, model};
};

TEST(ShellModelCommit, CommitsTheListViewPositionsInOneBatch) {
    CommitRig rig;
    const ShellCommitOutcome outcome = rig.commit.commitNow();
    EXPECT_TRUE(outcome.available);
    EXPECT_EQ(outcome.committed, 3);
    EXPECT_EQ(outcome.notPaired, 1);
    EXPECT_EQ(outcome.notWherePut, 0);
    EXPECT_EQ(rig.model.batches, 1);
    EXPECT_EQ((std::pair{rig.model.items[0].x, rig.model.items[0].y}), (std::pair{30, 40}));
    EXPECT_EQ((std::pair{rig.model.items[1].x, rig.model.items[1].y}), (std::pair{10, 20}));
    EXPECT_EQ((std::pair{rig.model.items[2].x, rig.model.items[2].y}), (std::pair{50, 60}));
    EXPECT_EQ((std::pair{rig.model.items[3].x, rig.model.items[3].y}), (std::pair{0, 0}));
    EXPECT_TRUE(rig.desktop.positionCalls.empty());  // the list view is only read
}

TEST(ShellModelCommit, CountsIconsTheShellPutElsewhere) {
    CommitRig rig;
    rig.model.snapTo = 20;  // every x given (10, 30, 50) is off that grid
    const ShellCommitOutcome outcome = rig.commit.commitNow();
    EXPECT_EQ(outcome.committed, 3);
    EXPECT_EQ(outcome.notWherePut, 3);
    rig.desktop.items = {{L"Notes", 20, 40}, {L"Trash", 60, 80}};
    EXPECT_EQ(rig.commit.commitNow().notWherePut, 0);
}

TEST(ShellModelCommit, WithoutAShellViewOrItsItemsNothingIsReadOrCommitted) {
    for (const bool viewThere : {false, true}) {
        CommitRig rig;
        rig.model.available = viewThere;
        rig.model.hasItems = false;
        const ShellCommitOutcome outcome = rig.commit.commitNow();
        EXPECT_FALSE(outcome.available) << viewThere;
        EXPECT_EQ(outcome.committed, 0) << viewThere;
        EXPECT_EQ(rig.desktop.opened, 0) << "the list view is read for nothing";
        EXPECT_EQ(rig.model.batches, 0);
    }
    CommitRig rig;
    rig.model.available = false;
    EXPECT_FALSE(ReadShellFolderFlags(rig.model).has_value());
}

TEST(ShellModelCommit, AListViewThatFailsToReadCommitsNothing) {
    CommitRig rig;
    rig.desktop.throwOnQueryOf = 2;
    EXPECT_FALSE(rig.commit.commitNow().available);
    EXPECT_EQ(rig.model.batches, 0);
}

TEST(ShellModelCommit, CommitsOnceWhenAnActionEnds) {
    CommitRig rig;
    IconActions actions;
    actions.addObserver(rig.commit);
    actions.begin(IconActionKind::ShapeAdjust);
    actions.begin(IconActionKind::ShapeAdjust);  // a scroll bar's second change: the same action
    EXPECT_EQ(rig.model.batches, 0);
    actions.end();
    actions.end();  // nothing under way
    EXPECT_EQ(rig.model.batches, 1);
    EXPECT_EQ(rig.commit.lastOutcome().committed, 3);
}

}  // namespace
}  // namespace orbilux
