#include "app/Printing.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/DialogFolders.h"
#include "app/MenuBar.h"
#include "app/PrintingPage.h"
#include "model/State.h"
#include "platform/MacRomanText.h"
#include "windows/PageSetup.h"

namespace quendal {

namespace {

bool validArea(const platform::PageArea& area) {
    return area.right - area.left > 0.0 && area.bottom - area.top > 0.0;
}

// The page setup or the print dialog is up already: one at a time.
bool printingDialogUp() { return state.print.PrintDialogFlag == 1 || platform::windowExists(kPageSetupSheet); }

// A print that cannot go where it was sent: the reason in the alert.
void reportRefusal(int32_t status, const std::string& reason) {
    platform::showAlert("Printing error", platform::macRomanFromUtf8Lossy(reason) + "  (Error code " +
                                              std::to_string(status) + ")");
}

}  // namespace


int32_t MyDoPageSetup(int32_t window) {
    if (!platform::windowExists(window) || printingDialogUp()) return 0;
    InitMenu13();
    platform::PaperFormat format;
    if (const int32_t status = MySetupPageFormatForPrinting(window, format); status != 0) {
        ReportPMError(status);
        NavUserActionCancelMenu();
        return status;
    }
    platform::setCursor(platform::Cursor::Arrow);
    PageSetupWnd(window);
    return 0;
}

int32_t MyDoPrint(int32_t window, int32_t copies) {
    if (!platform::windowExists(window) || printingDialogUp()) {
        platform::beep();
        return 0;
    }
    InitMenu13();
    platform::PrintJobRequest job;
    job.window = window;
    if (const int32_t status = MySetupPageFormatForPrinting(window, job.format); status != 0) {
        ReportPMError(status);
        NavUserActionCancelMenu();
        return status;
    }
    job.jobName = PrintJobName();
    job.firstPage = 1;
    job.lastPage = MyGetDocumentNumPagesInDoc(window);
    job.copies = std::max<int32_t>(1, copies);
    job.folder = DialogStartFolder();  // as Save, Open and the snapshot start
    if (job.lastPage < 1) {
        ReportPMError(platform::kPrintFailed);
        NavUserActionCancelMenu();
        return platform::kPrintFailed;
    }
    platform::setCursor(platform::Cursor::Arrow);
    state.print.PrintDialogFlag = 1;
    platform::printing().runPrintDialog(
        job, [window](const platform::PrintDialogResult& result) { MyPrintDialogDoneRoutine(window, result); });
    return 0;
}


int32_t MySetupPageFormatForPrinting(int32_t window, platform::PaperFormat& pageFormat) {
    platform::PrintService& service = platform::printing();
    const std::vector<std::string> papers = service.paperNames();
    if (papers.empty()) return platform::kPrintFailed;
    const std::string kept = platform::utf8FromMacRoman(state.print.PagePaper.view());
    const bool known = std::find(papers.begin(), papers.end(), kept) != papers.end();
    std::string paper = known ? kept : service.defaultPaper();
    if (std::find(papers.begin(), papers.end(), paper) == papers.end()) paper = papers.front();
    state.print.PagePaper = platform::macRomanFromUtf8Lossy(paper);
    pageFormat.paper = paper;
    pageFormat.landscape = state.print.PageLandscape == 1;
    return 0;
}

int32_t MyGetDocumentNumPagesInDoc(int32_t window) {
    platform::PaperFormat format;
    if (MySetupPageFormatForPrinting(window, format) != 0) return 0;
    const std::optional<platform::PageArea> area = platform::printing().printableArea(format);
    return area && validArea(*area) ? 1 : 0;
}

int32_t MyPrintDialogDoneRoutine(int32_t window, const platform::PrintDialogResult& result) {
    state.print.PrintDialogFlag = 0;
    // The design may have gone while the dialog was up: nothing to print.
    if (!platform::windowExists(window)) return 0;
    int32_t status = result.status;
    std::string reason = result.reason;
    if (result.accepted && status == 0) {
        status = MyDoPrintLoop(window, result);
        if (status != 0) reason = platform::printing().failureReason();
    }
    // The scale shown by the page setup stays the user's: the fitted page
    // scale lives only in the print.
    if (status != 0 && status != platform::kPrintCancelled) {
        if (!reason.empty())
            reportRefusal(status, reason);
        else
            ReportPMError(status);
    }
    NavUserActionCancelMenu();
    return status == platform::kPrintCancelled ? 0 : status;
}

int32_t MyDoPrintLoop(int32_t window, const platform::PrintDialogResult& result) {
    const int32_t pages = validArea(result.area) ? 1 : 0;
    const int32_t first = std::max<int32_t>(1, result.firstPage);
    const int32_t last = std::min(result.lastPage, pages);
    if (first > last) return 0;
    platform::PrintService& service = platform::printing();
    int32_t status = service.beginDocument(PrintPageScale(result.area, state.print.GPrintScale));
    for (int32_t page = first; page <= last && status == 0; ++page) {
        status = service.beginPage();
        if (status != 0) break;
        state.draw.DoPrint = 1;
        ResponsePrint();
        if (state.prefs.PrintDateCheck == 1) DrawDateTime();
        state.draw.DoPrint = 0;
        status = service.endPage();
    }
    const int32_t ended = service.endDocument();
    return status != 0 ? status : ended;
}

int32_t ReportPMError(int32_t status) {
    const char* message = status == platform::kPrintNoDefaultPrinter ? "No default printer specified" : "Printing error";
    platform::showAlert(message, "Error code " + std::to_string(status));
    return 0;
}

}  // namespace quendal
