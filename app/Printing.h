// Printing the response page: the page setup, the print dialog and the
// print loop, over the platform's print service. Both dialogs are
// window-modal on the response window and end on the event loop.
#pragma once

#include <cstdint>

#include "platform/Platform.h"

namespace quendal {

// Page Setup... of the File menu: the page-setup sheet on the window, with
// the menus off while it is up. Nothing happens for a missing window.
int32_t MyDoPageSetup(int32_t window);

// Print... of the File menu: the print dialog on the window for the page
// shown, `copies` copies. A missing window beeps and prints nothing.
int32_t MyDoPrint(int32_t window, int32_t copies);


// The page format of the window: the paper of the page setup, checked
// against the papers the service knows (the service's default when it is
// none of them), and its orientation. 0, or kPrintFailed when the service
// knows no paper at all.
int32_t MySetupPageFormatForPrinting(int32_t window, platform::PaperFormat& pageFormat);

// The number of pages of the response page: 1 when the printable area of
// its paper could be had, else 0.
int32_t MyGetDocumentNumPagesInDoc(int32_t window);

// When the print dialog closes: an accepted dialog prints, a cancelled one
// prints nothing and says nothing; any failure is reported, in words when
// the print service knows why (a PDF file that could not be written, and
// the system's reason); the menus come back.
int32_t MyPrintDialogDoneRoutine(int32_t window, const platform::PrintDialogResult& result);

// Prints the pages chosen (the first page only, since the response page is
// one) at the page scale of the chosen paper and the user's scale; returns
// 0 or the first failure.
int32_t MyDoPrintLoop(int32_t window, const platform::PrintDialogResult& result);

// The alert of a printing failure: "No default printer specified" for
// kPrintNoDefaultPrinter, "Printing error" for any other, with the code.
int32_t ReportPMError(int32_t status);

}  // namespace quendal
