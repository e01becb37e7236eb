// The palette's Snap button and its two arrows clicked as a user clicks
// them, through the program's own control rows.
#include "PaletteFixture.h"

#include <algorithm>

#include <QAbstractButton>

#include "app/ControlHits.h"
#include "app/WindowEvents.h"
#include "palette/CustomPaletteEnable.h"
#include "support/MessagingDoubles.h"

namespace quendal::test {
namespace {

class PaletteSaves : public platform::ImageSaveService {
public:
    void askPngPath(platform::WindowNumber window, std::string_view, std::string_view, std::string_view,
                    std::function<void(std::optional<std::string>)>) override {
        windows.push_back(window);
    }
    void askStopOrContinue(std::string_view, std::string_view, std::function<void(bool)>) override {}
    std::vector<platform::WindowNumber> windows;
};

class PaletteQuestions : public platform::DocumentDialogService {
public:
    void chooseFileToOpen(const platform::OpenFileRequest&, std::function<void(std::optional<std::string>)>) override {}
    void chooseFileToSave(const platform::SaveFileRequest&, std::function<void(std::optional<std::string>)>) override {}
    void askSaveChanges(platform::WindowNumber, std::string_view, std::function<void(platform::SaveChangesAnswer)>) override {
        ++questions;
    }
    void askSaveOverChangedFile(platform::WindowNumber, std::string_view, std::string_view,
                                std::function<void(platform::ChangedFileAnswer)>) override {}
    void fileError(platform::WindowNumber, std::string_view, std::string_view, std::function<void(bool)>) override {}
    int questions = 0;
};

class PaletteRows : public CustomPaletteTest {
protected:
    void SetUp() override {
        CustomPaletteTest::SetUp();
        platform::setDefaultHandlers(WindowEventHandler, ControlHitHandler);
        platform::setImageSaveService(&saves);
        platform::setDocumentDialogService(&questions);
        platform::setMessageService(&messenger);
        open(1, 2, 2);
    }
    void TearDown() override {
        platform::setImageSaveService(nullptr);
        platform::setDocumentDialogService(nullptr);
        platform::setMessageService(nullptr);
        platform::setDefaultHandlers(nullptr, nullptr);
        CustomPaletteTest::TearDown();
    }
    static void click(platform::ControlNumber id) {
        auto* button = qobject_cast<QAbstractButton*>(platform::qt::controlWidget(kCustomPalette, id));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    PaletteSaves saves;
    PaletteQuestions questions;
    RecordingMessenger messenger;
};

TEST_F(PaletteRows, SnapTakesTheResponseWindowAndAsksWhereToSaveIt) {
    click(kPaletteSnapButton);
    EXPECT_EQ(saves.windows, std::vector<platform::WindowNumber>{kResponseWindow});
}

TEST_F(PaletteRows, TheArrowsLeaveTheDesignAtOnceOrAskFirstWhenItHasUnsavedChanges) {
    state.shell.DirtyFlag = 1;
    click(kPaletteSystemSelectArrow);
    EXPECT_EQ(questions.questions, 1);
    EXPECT_TRUE(platform::windowExists(kResponseWindow));

    // Unchanged, the design stays behind System Select until a new one replaces it.
    state.shell.DirtyFlag = 0;
    click(kPaletteSystemSelectArrow);
    EXPECT_TRUE(platform::windowExists(kSystemSelectWindow));
    EXPECT_TRUE(platform::windowExists(kResponseWindow));
    EXPECT_EQ(state.shell.KeptDesignFlag, 1);
    EXPECT_EQ(questions.questions, 1);
}

TEST_F(PaletteRows, TheSpeakerArrowGoesBackToTheDriverDatabase) {
    state.shell.s_MasgMenu = "BootQnDL";  // started from the driver database: the arrow is on
    EnableCustomPalet();
    click(kPaletteSpeakerSelectArrow);
    EXPECT_FALSE(platform::windowExists(kResponseWindow));
    EXPECT_EQ(state.shell.WindCloseFlag, 1);
    const std::vector<std::string> sent = messenger.texts();
    EXPECT_NE(std::find(sent.begin(), sent.end(), "ShowQndl"), sent.end());
}

}  // namespace
}  // namespace quendal::test
