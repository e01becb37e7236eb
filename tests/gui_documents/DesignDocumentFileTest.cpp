// Designs written to files and read back, with the saved state that goes
// with them; failures that change nothing.
#include <string>

#include "DocumentFixture.h"
#include "app/DesignDocument.h"
#include "app/DesignDocumentFile.h"
#include "app/UnsavedChanges.h"
#include "documents/Designs.h"

namespace quendal::test {
namespace {

// A disk that refuses every write.
struct RefusingFiles : platform::DocumentFileService {
    bool readFile(const std::string&, std::size_t, std::string&, std::string& error) override {
        error = "The disk is not there.";
        return false;
    }
    bool writeFileAtomically(const std::string&, std::string_view, std::string& error) override {
        error = "The disk is full.";
        return false;
    }
    bool replaceFileSeen(const std::string& path, std::string_view bytes, const FileIdentity&, bool&,
                         std::string& error) override {
        return writeFileAtomically(path, bytes, error);
    }
    std::optional<FileIdentity> identify(const std::string&) override { return std::nullopt; }
};

class DesignDocumentFileTest : public DocumentTest {};

TEST_F(DesignDocumentFileTest, WrittenDesignReadsBackWithItsSavedState) {
    ProgramState design = distinctDesign();
    design.connection = {5, 5, 0};  // no connection sheet takes picks
    state = design;
    const std::string file = path("design.qndl");
    ASSERT_TRUE(WriteFile(file).ok());
    EXPECT_EQ(firstDifference(contents(file), handWritten(design)), -1);

    resetState();
    const DocumentResult read = ReadFile(file);
    ASSERT_TRUE(read.ok()) << read.description;
    EXPECT_EQ(firstDifference(encodeDesignDocument(state), handWritten(design)), -1);
    EXPECT_EQ(state.document.SpParmVarOrigin, boxSnapshotOf(design));
    EXPECT_EQ(state.document.VentParmVarOrigin, ventSnapshotOf(design));
}

// A document written while the connection sheet took picks (SpConSel 1)
// reads as the design in force, with no sheet taking picks.
TEST_F(DesignDocumentFileTest, ADocumentSayingTheConnectionSheetTookPicksReadsWithoutIt) {
    const std::string file = path("design.qndl");
    put(file, handWritten(distinctDesign()));  // SpConNum 5, SpConSel 1
    ASSERT_TRUE(ReadFile(file).ok());
    EXPECT_EQ(std::tuple(state.connection.SpConNum, state.connection.SpConNumBak, state.connection.SpConSel),
              std::tuple(5, 5, 0));
}

TEST_F(DesignDocumentFileTest, SavingLeavesTheDesignAsItWasAndRemembersWhatWasWritten) {
    state = defaultDesign();
    state.speaker.s_SP2 = std::string(200, 'S');
    state.vents.vent[2].RectDuctWV = 41.125;
    ASSERT_TRUE(WriteFile(path("design.qndl")).ok());
    EXPECT_EQ(state.speaker.s_SP2, std::string(200, 'S'));
    EXPECT_EQ(state.vents.vent[2].RectDuctWV, 41.125);
    // The saved state is the file's: element 24 + 6 + 5 is vent 2's RectDuctWV.
    EXPECT_EQ(state.document.VentParmVarOrigin[35], 41.12);
    // Accepting the vent design rounds the same way: no change to report.
    state.vents.vent[2].RectDuctWV = 41.12;
    state.shell.SaveAsFlag = 1;
    DirtyCheckVentParamCheck();
    EXPECT_EQ(state.shell.DirtyFlag, 0);
}

TEST_F(DesignDocumentFileTest, AFailedSaveIsReportedAndForgetsNothing) {
    state = defaultDesign();
    DirtyCheckSpParamIn();
    const BoxSnapshot before = state.document.SpParmVarOrigin;
    state.box.VB = 55.0;

    const DocumentResult missingFolder = WriteFile(path("gone/design.qndl"));
    EXPECT_EQ(missingFolder.outcome, DocumentResult::Outcome::FileError);
    EXPECT_FALSE(missingFolder.description.empty());

    RefusingFiles refusing;
    platform::setDocumentFileService(&refusing);
    const DocumentResult full = WriteFile(path("design.qndl"));
    EXPECT_EQ(full.outcome, DocumentResult::Outcome::FileError);
    EXPECT_EQ(full.description, "The disk is full.");
    EXPECT_EQ(state.document.SpParmVarOrigin, before);
    EXPECT_EQ(state.box.VB, 55.0);
}

TEST_F(DesignDocumentFileTest, AFileThatIsNoDesignChangesNothing) {
    const std::string shortFile = path("short.qndl");
    const std::string badFile = path("bad.qndlsta");
    put(shortFile, handWritten(distinctDesign()).substr(0, 1843));
    std::string bad = handWritten(distinctDesign());
    bad[79] = 9;  // SpConNum 9
    put(badFile, bad);
    state = defaultDesign();
    state.box.VB = 12.5;
    DirtyCheckSpParamIn();
    DirtyCheckVentParamIn();
    const std::string before = encodeDesignDocument(state);
    const DocumentState savedBefore = state.document;

    for (const std::string& file : {shortFile, badFile, path("missing.qndl")}) {
        const DocumentResult result = ReadFile(file);
        EXPECT_FALSE(result.ok()) << file;
        EXPECT_FALSE(result.description.empty()) << file;
        EXPECT_EQ(firstDifference(encodeDesignDocument(state), before), -1) << file;
        EXPECT_EQ(state.document.SpParmVarOrigin, savedBefore.SpParmVarOrigin) << file;
        EXPECT_EQ(state.document.VentParmVarOrigin, savedBefore.VentParmVarOrigin) << file;
    }
    EXPECT_EQ(ReadFile(badFile).outcome, DocumentResult::Outcome::NotADesignDocument);
    EXPECT_EQ(ReadFile(shortFile).description, kNotAQuendalDesign);
    EXPECT_EQ(ReadFile(badFile).description, kNotAQuendalDesign);
    EXPECT_EQ(ReadFile(path("missing.qndl")).outcome, DocumentResult::Outcome::FileError);
}

}  // namespace
}  // namespace quendal::test
