// Designs handed over by the desktop while the save question waits for its
// answer: they wait, in the order they came, and open once it is answered,
// through the question again while the changed design is still there.
// Driven through the layer's own question, as the user answers it.
#include "DocflowFixture.h"
#include "app/DesktopDocuments.h"

namespace quendal::test {
namespace {

class WaitingDocumentsTest : public DocflowTest {
protected:
    void SetUp() override {
        DocflowTest::SetUp();
        platform::setDocumentDialogService(nullptr);  // the layer's own question
        state.prefs.UpdateForCheck = 0;
        // The fixture's design as the program computes it, saved by the
        // program: its documents open unchanged.
        put(mine(), encodeDesignDocument(state));
        ClikOpenDocm(mine());
        ASSERT_TRUE(QTest::qWaitFor([] { return state.document.FileOpenTimer == 0; }));
        ApplicationEventHandler(kFileMenu, 5);  // Save
        ASSERT_EQ(state.shell.DirtyFlag, 0);
        saved = contents(mine());
        change();
    }

    std::string mine() const { return path("Mine.qndl"); }
    // A design document of its own driver's name.
    std::string design(const char* name) {
        put(path(name), documentWith([name](ProgramState& d) { d.speaker.s_SP = name; }));
        return path(name);
    }
    static std::string title() {
        return platform::windowExists(kResponseWindow) ? platform::windowTitle(kResponseWindow) : std::string();
    }
    static bool asking() { return shown<QMessageBox>() != nullptr; }
    static void answer(const char* button) {
        QMessageBox* question = shown<QMessageBox>();
        ASSERT_NE(question, nullptr);
        clickButton(question, button);
    }
    static bool settled() {
        const DocumentState& d = state.document;
        return d.WaitingDocuments.empty() && d.WaitingDocumentsTimer == 0 && d.FileOpenTimer == 0;
    }
    // Answers the question with that button and waits until nothing is
    // asked, waits or is on its way; the titles the response window showed
    // meanwhile, in order.
    static std::vector<std::string> answerAndFollow(const char* button) {
        std::vector<std::string> titles{title()};
        answer(button);
        EXPECT_TRUE(QTest::qWaitFor(
            [&titles] {
                if (const std::string now = title(); !now.empty() && now != titles.back()) titles.push_back(now);
                return !asking() && settled();
            },
            10000));
        return titles;
    }
    // The close question on the changed design, with `handed` handed over
    // while it waits: nothing opens before the answer.
    void closeHanding(const std::vector<std::string>& handed) {
        ApplicationEventHandler(kFileMenu, 3);
        ASSERT_TRUE(asking());
        for (const std::string& file : handed) ReceiveHandedDocuments({file});
        QTest::qWait(400);  // two looks and an opening's delay
        EXPECT_TRUE(asking());
        EXPECT_EQ(title(), "Mine.qndl");
        EXPECT_EQ(state.document.WaitingDocuments.size(), handed.size());
    }

    std::string saved;  // Mine.qndl before the change
};

TEST_F(WaitingDocumentsTest, ADesignHandedOverDuringTheCloseQuestionOpensOnceItIsAnswered) {
    struct Row {
        const char* button;
        bool savesTheChange;
    };
    for (const Row& row : {Row{"Save", true}, Row{"Don't Save", false}}) {
        SCOPED_TRACE(row.button);
        TearDown();
        SetUp();
        const std::string changed = encodeDesignDocument(state);
        closeHanding({design("Handed.qndl")});
        EXPECT_EQ(answerAndFollow(row.button), (std::vector<std::string>{"Mine.qndl", "Handed.qndl"}));
        EXPECT_EQ(state.speaker.s_SP, "Handed.qndl");
        EXPECT_EQ(state.shell.DirtyFlag, 0);
        EXPECT_EQ(contents(mine()), row.savesTheChange ? changed : saved);
    }
}

// Cancel keeps the changed design: the design waiting comes to the question
// of its own opening, which decides it.
TEST_F(WaitingDocumentsTest, AfterCancelTheWaitingDesignAsksTheQuestionOfItsOwnOpening) {
    struct Row {
        const char* second;
        bool opens;
    };
    for (const Row& row : {Row{"Don't Save", true}, Row{"Cancel", false}}) {
        SCOPED_TRACE(row.second);
        TearDown();
        SetUp();
        closeHanding({design("Handed.qndl")});
        answer("Cancel");
        EXPECT_EQ(title(), "Mine.qndl");
        ASSERT_TRUE(QTest::qWaitFor([] { return asking(); }, 5000));  // asked again, for the opening
        EXPECT_TRUE(state.document.WaitingDocuments.empty());
        EXPECT_EQ(state.document.g_FsRef, path("Handed.qndl"));
        const std::vector<std::string> titles = answerAndFollow(row.second);
        EXPECT_EQ(titles.back(), row.opens ? "Handed.qndl" : "Mine.qndl");
        EXPECT_EQ(state.speaker.s_SP, row.opens ? "Handed.qndl" : "Woofer-8");
        EXPECT_EQ(state.shell.DirtyFlag, row.opens ? 0 : 1);
        EXPECT_EQ(contents(mine()), saved);
    }
}

TEST_F(WaitingDocumentsTest, SeveralDesignsHandedOverInARowAllOpenInTheOrderTheyCame) {
    closeHanding({design("First.qndl"), design("Second.qndl"), design("Third.qndl")});
    EXPECT_EQ(answerAndFollow("Don't Save"),
              (std::vector<std::string>{"Mine.qndl", "First.qndl", "Second.qndl", "Third.qndl"}));
    EXPECT_EQ(state.speaker.s_SP, "Third.qndl");
}

// The question asked for opening one design: another handed over meanwhile
// follows it.
TEST_F(WaitingDocumentsTest, ADesignHandedOverDuringTheQuestionOfAnOpeningFollowsIt) {
    ReceiveHandedDocuments({design("Asked.qndl")});
    ASSERT_TRUE(asking());
    ReceiveHandedDocuments({design("Next.qndl")});
    EXPECT_EQ(state.document.WaitingDocuments.size(), 1u);
    EXPECT_EQ(answerAndFollow("Don't Save"), (std::vector<std::string>{"Mine.qndl", "Asked.qndl", "Next.qndl"}));
    EXPECT_EQ(state.speaker.s_SP, "Next.qndl");
}

}  // namespace
}  // namespace quendal::test
