// Printing, the snapshot and the update check begin with the layer as just
// started and doubles for the dialogs, the messages, the user's folders and
// the desktop; each test installs the print, picture-saving and sound
// doubles it needs.
#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/ParameterPasses.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/PlatformFixture.h"
#include "support/MessagingDoubles.h"
#include "support/ShellServiceDoubles.h"

namespace quendal::test {

// Prints into a PDF file through the layer's page: the dialog waits until
// the test answers it.
class PdfPrinter : public platform::PrintService {
public:
    std::vector<std::string> paperNames() override { return {"A4", "Letter"}; }
    std::string defaultPaper() override { return "A4"; }
    std::optional<platform::PageArea> printableArea(const platform::PaperFormat& format) override {
        platform::PageArea area = format.paper == "Letter" ? platform::PageArea{0, 0, 756, 576}
                                                           : platform::PageArea{0, 0, 806, 559};
        if (format.landscape) std::swap(area.bottom, area.right);
        return area;
    }
    void runPrintDialog(const platform::PrintJobRequest& job,
                        std::function<void(const platform::PrintDialogResult&)> done) override {
        requests.push_back(job);
        pending = std::move(done);
    }
    int32_t beginDocument(double scalePercent) override {
        scales.push_back(scalePercent);
        return failBegin;
    }
    int32_t beginPage() override {
        ++pages;
        return platform::openPage(platform::PageFormat::Pdf, path) ? 0 : platform::kPrintFailed;
    }
    int32_t endPage() override { return platform::closePage() ? 0 : platform::kPrintFailed; }
    int32_t endDocument() override { return 0; }

    // The user's answer: Print with a page range, or Cancel, or a refusal.
    void print(int32_t first, int32_t last) {
        platform::PrintDialogResult result;
        result.accepted = true;
        result.status = 0;
        result.firstPage = first;
        result.lastPage = last;
        result.area = *printableArea(requests.back().format);
        answer(result);
    }
    void cancel() { answer(platform::PrintDialogResult{}); }
    void answer(const platform::PrintDialogResult& result) {
        auto done = std::move(pending);
        pending = nullptr;
        if (done) done(result);
    }

    std::string path;
    std::vector<platform::PrintJobRequest> requests;
    std::function<void(const platform::PrintDialogResult&)> pending;
    std::vector<double> scales;
    int pages = 0;
    int32_t failBegin = 0;
};

class ImageSaveDouble : public platform::ImageSaveService {
public:
    void askPngPath(platform::WindowNumber window, std::string_view title, std::string_view folder,
                    std::string_view proposed, std::function<void(std::optional<std::string>)> done) override {
        titles.emplace_back(title);
        folders.emplace_back(folder);
        proposals.emplace_back(proposed);
        pending = std::move(done);
    }
    void askStopOrContinue(std::string_view message, std::string_view, std::function<void(bool)> done) override {
        questions.emplace_back(message);
        stopAnswer = std::move(done);
    }
    void answer(std::optional<std::string> path) {
        auto done = std::move(pending);
        pending = nullptr;
        if (done) done(std::move(path));
    }
    std::vector<std::string> titles, folders, proposals, questions;
    std::function<void(std::optional<std::string>)> pending;
    std::function<void(bool)> stopAnswer;
};

class SoundDouble : public platform::SoundService {
public:
    void playSamples(const std::vector<int16_t>& samples, int32_t rate) override {
        played.push_back(samples);
        rates.push_back(rate);
    }
    std::vector<std::vector<int16_t>> played;
    std::vector<int32_t> rates;
};

class OutputTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        files.folders[platform::UserFolder::Downloads] = downloads();
        files.trash = root() + "/Trash";
        std::filesystem::create_directories(downloads());
        platform::setDialogService(&dialogs);
        platform::setMessageService(&messenger);
        platform::setFileService(&files);
        platform::setDesktopService(&desktop);
    }
    void TearDown() override {
        platform::setPrintService(nullptr);
        platform::setImageSaveService(nullptr);
        platform::setSoundService(nullptr);
        platform::setMessageService(nullptr);
        PlatformTest::TearDown();
    }

    std::string root() { return folder.path().toStdString(); }
    std::string downloads() { return root() + "/Downloads"; }

    // Every file under the test's folder, relative to it.
    std::vector<std::string> filesWritten() {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root()))
            if (entry.is_regular_file()) found.push_back(std::filesystem::relative(entry.path(), root()).string());
        std::sort(found.begin(), found.end());
        return found;
    }

    // The response window of an Infinite Baffle design with the default driver.
    void openDesign() {
        OriginalBoxParametersPass();
        InitItemBoxParameters();
        state.selection.SysSelTabNum = 1;
        state.selection.SysSelBtnNum = 1;
        state.shell.curentWndID = kResponseWindow;
        openResponseWindow();
    }

    // The text of a PDF file, or nothing where the reader is not installed.
    static std::optional<std::string> pdfText(const std::string& path) {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) return std::nullopt;
        QProcess reader;
        reader.start(QStringLiteral("pdftotext"), {QString::fromStdString(path), QStringLiteral("-")});
        if (!reader.waitForFinished(30000)) return std::string();
        return reader.readAllStandardOutput().toStdString();
    }

    RecordingDialogs dialogs;
    RecordingMessenger messenger;
    FolderFiles files;
    RecordingDesktop desktop;
};

}  // namespace quendal::test
