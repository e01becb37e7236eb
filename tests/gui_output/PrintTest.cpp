// Printing the response page through the print service: the double prints
// into a PDF file, and the layer's own dialog is driven as a user would.
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QTest>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <thread>


#include "app/Printing.h"
#include "gui_output/OutputFixture.h"
#include "platform/qt/FileCalls.h"
#include "support/PlantedNodes.h"
#include "windows/PageSetup.h"

namespace quendal::test {
namespace {

class PrintTest : public OutputTest {
protected:
    void SetUp() override {
        OutputTest::SetUp();
        printer.path = tempPath("page.pdf");
        platform::setPrintService(&printer);
        openDesign();
        state.view.s_Resp = "ph";
    }
    PdfPrinter printer;
};

TEST_F(PrintTest, ThePageShownPrintsOnOnePageAtTheUsersScaleOnThePaper) {
    state.print.GPrintScale = 80.0;
    MyDoPrint(kResponseWindow, 1);
    ASSERT_EQ(printer.requests.size(), 1u);
    const platform::PrintJobRequest& job = printer.requests[0];
    EXPECT_EQ(job.window, kResponseWindow);
    EXPECT_EQ(job.jobName.rfind("Test20-04_", 0), 0u) << job.jobName;
    EXPECT_EQ(job.format.paper, "A4");
    EXPECT_EQ(job.lastPage, 1);
    EXPECT_EQ(job.copies, 1);

    printer.print(1, 5);  // a range of five pages prints the one page there is
    EXPECT_EQ(printer.pages, 1);
    ASSERT_EQ(printer.scales.size(), 1u);
    EXPECT_NEAR(printer.scales[0], 82.0, 0.01);
    EXPECT_EQ(state.print.GPrintScale, 80.0) << "the page setup shows the user's scale again";
    EXPECT_EQ(state.draw.DoPrint, 0);
    EXPECT_EQ(state.print.PrintDialogFlag, 0);
    EXPECT_TRUE(dialogs.alerts.empty());
    const std::optional<std::string> text = pdfText(printer.path);
    if (!text) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_NE(text->find("Quendal Test20-04"), std::string::npos) << *text;
}

TEST_F(PrintTest, ACancelledDialogPrintsNothingAndSaysNothing) {
    MyDoPrint(kResponseWindow, 1);
    printer.cancel();
    EXPECT_TRUE(printer.scales.empty());
    EXPECT_EQ(printer.pages, 0);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(printer.path)));
    EXPECT_TRUE(dialogs.alerts.empty());
    EXPECT_EQ(state.print.PrintDialogFlag, 0);
}

TEST_F(PrintTest, FailuresAreReportedWithTheirCode) {
    const auto accepted = [](int32_t status, std::string reason) {
        platform::PrintDialogResult result;
        result.accepted = true;
        result.status = status;
        result.area = platform::PageArea{0, 0, 806, 559};
        result.reason = std::move(reason);
        return result;
    };
    struct Row {
        const char* name;
        platform::PrintDialogResult result;
        int32_t failBegin;
        std::string alert;
    };
    const Row rows[] = {
        {"no printer", accepted(platform::kPrintNoDefaultPrinter, ""), 0, "No default printer specified|Error code -30872"},
        {"a folder to print to", accepted(platform::kPrintOutputNotAFile, "\"/tmp\" is a folder"), 0,
         "Printing error|\"/tmp\" is a folder  (Error code -37)"},
        {"the printer fails", accepted(0, ""), platform::kPrintFailed, "Printing error|Error code -30870"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        dialogs.alerts.clear();
        printer.failBegin = row.failBegin;
        MyDoPrint(kResponseWindow, 1);
        printer.answer(row.result);
        EXPECT_EQ(dialogs.alerts, std::vector<std::string>{row.alert});
        EXPECT_EQ(printer.pages, 0);
    }
}

TEST_F(PrintTest, WithoutTheResponseWindowNothingOpens) {
    platform::closeWindow(kResponseWindow);
    MyDoPrint(kResponseWindow, 1);
    MyDoPageSetup(kResponseWindow);
    EXPECT_TRUE(printer.requests.empty());
    EXPECT_FALSE(platform::windowExists(kPageSetupSheet));
    EXPECT_EQ(dialogs.beeps, 1);
}

TEST_F(PrintTest, PageSetupKeepsPaperOrientationAndScaleForTheNextPrint) {
    MyDoPageSetup(kResponseWindow);
    ASSERT_TRUE(platform::windowExists(kPageSetupSheet));
    EXPECT_EQ(platform::controlText(kPageSetupSheet, kPaperPopup), "A4");
    EXPECT_EQ(platform::controlText(kPageSetupSheet, kScaleField), "100");
    platform::setControlValue(kPageSetupSheet, kPaperPopup, 2);
    platform::setControlValue(kPageSetupSheet, kOrientationRadio, 2);
    platform::setControlText(kPageSetupSheet, kScaleField, "120");
    PageSetupWndOKReturn();
    EXPECT_FALSE(platform::windowExists(kPageSetupSheet));
    EXPECT_EQ(state.print.GPrintScale, 120.0);

    MyDoPrint(kResponseWindow, 1);
    ASSERT_EQ(printer.requests.size(), 1u);
    EXPECT_EQ(printer.requests[0].format.paper, "Letter");
    EXPECT_TRUE(printer.requests[0].format.landscape);
    printer.cancel();

    // A scale out of range is refused and the kept one comes back; Escape
    // leaves everything as it was.
    MyDoPageSetup(kResponseWindow);
    EXPECT_EQ(platform::controlValue(kPageSetupSheet, kOrientationRadio), 2);
    for (const char* refused : {"5", "1000", "abc"}) {
        platform::setControlText(kPageSetupSheet, kScaleField, refused);
        PageSetupWndOKReturn();
        EXPECT_TRUE(platform::windowExists(kPageSetupSheet)) << refused;
        EXPECT_EQ(platform::controlText(kPageSetupSheet, kScaleField), "120") << refused;
    }
    EXPECT_EQ(dialogs.sheets.size(), 3u);
    platform::setControlText(kPageSetupSheet, kScaleField, "50");
    platform::WindowEvent escape;
    escape.kind = platform::WindowEventKind::KeyDown;
    escape.window = kPageSetupSheet;
    escape.character = platform::kEscapeChar;
    EXPECT_EQ(PageSetupWndEvent(escape), platform::kHandled);
    EXPECT_FALSE(platform::windowExists(kPageSetupSheet));
    EXPECT_EQ(state.print.GPrintScale, 120.0);
    EXPECT_EQ(state.print.PrintDialogFlag, 0);
}

// The layer's own print dialog, with no printer here: it prints to a PDF
// file, and refuses a folder for one.
class QtPrintDialogTest : public OutputTest {
protected:
    void SetUp() override {
        OutputTest::SetUp();
        openDesign();
        state.view.s_Resp = "ph";
    }
    QPrintDialog* openDialog() {
        MyDoPrint(kResponseWindow, 1);
        QPrintDialog* dialog = nullptr;
        const bool shown = QTest::qWaitFor([&] {
            dialog = platform::qt::windowWidget(kResponseWindow)->findChild<QPrintDialog*>();
            return dialog != nullptr && dialog->isVisible();
        }, 10000);
        return shown ? dialog : nullptr;
    }
    void printTo(QPrintDialog* dialog, const std::string& path) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
        ASSERT_NE(name, nullptr);
        name->setText(QString::fromStdString(path));
        dialog->accept();
        EXPECT_TRUE(QTest::qWaitFor([] { return state.print.PrintDialogFlag == 0; }, 10000));
    }
};

TEST_F(QtPrintDialogTest, PrintsToAPdfFileWhenThereIsNoPrinter) {
    // The file is proposed in the document's folder, as Save and Open start there.
    platform::setWindowFilePath(kResponseWindow, downloads() + "/Box.qndl");
    QPrintDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    const auto* proposed = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
    ASSERT_NE(proposed, nullptr);
    EXPECT_TRUE(proposed->text().startsWith(QString::fromStdString(downloads() + "/"))) << proposed->text().toStdString();
    const std::string path = tempPath("printed.pdf");
    printTo(dialog, path);
    EXPECT_TRUE(dialogs.alerts.empty());
    ASSERT_GT(QFileInfo(QString::fromStdString(path)).size(), 0);
    const std::optional<std::string> text = pdfText(path);
    if (!text) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_NE(text->find("Quendal Test20-04"), std::string::npos) << *text;
}

// A disk that fails the print, as it fails a save.
namespace failing {
ssize_t fullDisk(int, const void*, size_t) { return errno = ENOSPC, -1; }
}  // namespace failing

// A print that cannot reach its file says why and leaves no file, or the
// old one whole.
TEST_F(QtPrintDialogTest, APrintThatCannotBeWrittenSaysWhyAndLeavesNoFile) {
    using platform::qt::FileCalls;
    const struct {
        const char* name;
        std::string file;
        void (*disk)(FileCalls&);
        const char* why;
        bool old = false;  // a PDF printed before stands there
    } rows[] = {{"a folder as the file", root(), nullptr, "is a folder"},
                {"a full disk", tempPath("page.pdf"), [](FileCalls& c) { c.write = failing::fullDisk; },
                 "could not be written (No space left on device)"},
                {"a full disk over an old print", tempPath("page.pdf"), [](FileCalls& c) { c.write = failing::fullDisk; },
                 "could not be written (No space left on device)", true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        dialogs.alerts.clear();
        std::filesystem::remove(tempPath("page.pdf"));
        if (row.old) std::ofstream(tempPath("page.pdf")) << "%PDF old";
        const std::vector<std::string> before = filesWritten();
        QPrintDialog* dialog = openDialog();
        ASSERT_NE(dialog, nullptr);
        if (row.disk) row.disk(platform::qt::fileCalls());
        printTo(dialog, row.file);
        platform::qt::resetFileCalls();
        ASSERT_EQ(dialogs.alerts.size(), 1u);
        EXPECT_EQ(dialogs.alerts[0].rfind("Printing error|", 0), 0u);
        EXPECT_NE(dialogs.alerts[0].find(row.why), std::string::npos) << dialogs.alerts[0];
        EXPECT_EQ(filesWritten(), before);
        EXPECT_EQ(QFileInfo(QString::fromStdString(tempPath("page.pdf"))).size(), row.old ? 8 : 0);  // the old one whole
    }
}

TEST_F(QtPrintDialogTest, ACancelledDialogOrOneGoneWithItsWindowPrintsNothing) {
    QPrintDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->reject();
    EXPECT_TRUE(QTest::qWaitFor([] { return state.print.PrintDialogFlag == 0; }, 10000));
    ASSERT_NE(openDialog(), nullptr);
    platform::closeWindow(kResponseWindow);  // the design goes while the dialog is up
    EXPECT_TRUE(QTest::qWaitFor([] { return state.print.PrintDialogFlag == 0; }, 10000));
    EXPECT_TRUE(dialogs.alerts.empty());
    EXPECT_TRUE(filesWritten().empty());
}

// The dialog's Print button with the file to print to named as a pipe (held
// open by nobody: an opening of it waits for ever), a socket or a folder:
// nothing opens it, the dialog ends, an alert names it, and it stays as it
// was. A hang is bounded: the program ends with a message.
TEST_F(QtPrintDialogTest, PrintingToAPipeSocketOrFolderIsRefusedWithAnAlertNamingIt) {
    std::atomic<bool> done{false};
    std::thread watchdog([&done] {
        for (int i = 0; i < 300 && !done; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (!done) {
            std::fprintf(stderr, "the print dialog's Print button held the program\n");
            std::_Exit(1);
        }
    });
    const struct {
        PlantedNode node;
        const char* said;
    } rows[] = {{PlantedNode::Pipe, "is a pipe, socket or device"},
                {PlantedNode::Socket, "is a pipe, socket or device"},
                {PlantedNode::Folder, "is a folder"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(int(row.node));
        dialogs.alerts.clear();
        const std::string node = tempPath("node.pdf");
        const int socketFd = plantNode(row.node, node);
        ASSERT_NE(socketFd, -2);
        QPrintDialog* dialog = openDialog();
        ASSERT_NE(dialog, nullptr);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        ASSERT_NE(name, nullptr);
        ASSERT_NE(buttons, nullptr);
        ASSERT_TRUE(name->isEnabled());  // no printer: the dialog prints to a file
        name->setText(QString::fromStdString(node));
        buttons->button(QDialogButtonBox::Ok)->click();
        EXPECT_TRUE(QTest::qWaitFor([] { return state.print.PrintDialogFlag == 0; }, 10000));
        ASSERT_EQ(dialogs.alerts.size(), 1u);
        EXPECT_NE(dialogs.alerts[0].find("\"" + node + "\" " + row.said), std::string::npos) << dialogs.alerts[0];
        EXPECT_EQ(kindAt(node), kindOf(row.node));
        if (socketFd >= 0) ::close(socketFd);
        std::filesystem::remove(node);
    }
    done = true;
    watchdog.join();
}

// A print server that takes the connection and never answers (a socket of
// the test's own that never accepts, named by CUPS_SERVER from the start of
// a program of its own): Print keeps every window answering, within about
// ten seconds the user is told that the print server does not answer, and
// Cancel ends the print with nothing reported. The program that prints is
// bounded: a look-up on the windows' thread would hold it for a minute.
TEST(SilentPrintServer, PrintKeepsTheWindowsAnsweringTellsTheUserAndCancels) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string socketPath = folder.path().toStdString() + "/print-server";
    const int server = plantNode(PlantedNode::Socket, socketPath);
    ASSERT_GE(server, 0);
    ASSERT_EQ(::listen(server, 16), 0);  // takes connections, never accepts them
    QProcess printing;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("CUPS_SERVER", QString::fromStdString(socketPath));
    env.insert("QUENDAL_SILENT_PRINT_SERVER", "1");
    printing.setProcessEnvironment(env);
    printing.setProcessChannelMode(QProcess::MergedChannels);
    printing.start(QCoreApplication::applicationFilePath(),
                   {"--gtest_also_run_disabled_tests", "--gtest_filter=QtPrintDialogTest.DISABLED_PrintsWhileThePrintServerIsSilent"});
    ASSERT_TRUE(printing.waitForStarted());
    const bool ended = printing.waitForFinished(30000);
    if (!ended) printing.kill();
    printing.waitForFinished();
    const QByteArray output = printing.readAll();
    ::close(server);
    EXPECT_TRUE(ended) << output.constData();
    EXPECT_EQ(printing.exitCode(), 0) << output.constData();
    EXPECT_TRUE(output.contains("told after")) << output.constData();
}

// The program that prints, run by the test above.
TEST_F(QtPrintDialogTest, DISABLED_PrintsWhileThePrintServerIsSilent) {
    if (qEnvironmentVariableIsEmpty("QUENDAL_SILENT_PRINT_SERVER")) GTEST_SKIP();
    QElapsedTimer clock;
    clock.start();
    MyDoPrint(kResponseWindow, 1);
    QMessageBox* told = nullptr;
    int ticks = 0;  // the windows' own timer runs while the print waits
    QTimer beat;
    QObject::connect(&beat, &QTimer::timeout, [&ticks] { ++ticks; });
    beat.start(100);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        for (QMessageBox* box : platform::qt::windowWidget(kResponseWindow)->findChildren<QMessageBox*>())
            if (box->isVisible() && box->text() == QLatin1String("The print server does not answer.")) told = box;
        return told != nullptr;
    }, 10000));
    std::cout << "told after " << clock.elapsed() << " ms" << std::endl;
    EXPECT_GT(ticks, 10);
    EXPECT_EQ(platform::qt::windowWidget(kResponseWindow)->findChild<QPrintDialog*>(), nullptr);
    told->button(QMessageBox::Cancel)->click();
    EXPECT_TRUE(QTest::qWaitFor([] { return state.print.PrintDialogFlag == 0; }, 5000));
    EXPECT_TRUE(dialogs.alerts.empty());
}

}  // namespace
}  // namespace quendal::test
