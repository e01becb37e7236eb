// The System Profile page: the whole design on one page (the system's
// title, its figure with the parameter names over it, the speaker
// connection, the driver's Thiele/Small parameters and the box parameter
// block). The response window shows it while the response kind is "sys";
// a printed graph page carries a reduced form under the graph.
//
// Both routines only draw, from the shared state, through the drawing
// primitives: into window 7, or the print page while DoPrint is set. Their
// callers set ClippingFlag to 1 first.
#pragma once

#include <cstdint>

namespace quendal {

// The whole page. Printed as shown (DoPrint set) it keeps every place and
// text; only rules and boxes take fixed line widths.
int32_t SystemProfile();

// The reduced profile under a printed graph: the figures with their labels
// moved down the page, the model name, Fs, Vas, Qts, the reference SPL
// (only while DoPrint is set) and the box parameter block.
int32_t PrintSystemProfile();

}  // namespace quendal
