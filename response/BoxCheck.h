// The check of a box: whether the values of a design make a real box.
//
// A box is real when every value its system builds and the custom palette
// shows (volumes, tunings, closed-chamber resonances, Qtc, the passive
// radiator's Vap, Fp and Qmp) is a finite number above 0 as the design
// keeps it (rounded as ValueRoundBoxParameters rounds), when the two
// chambers of a Twin Vented or Delta Vented design are not tuned alike
// (their outputs cancel), and when the system's response lies somewhere on
// the amplitude page from 10 Hz to 1 kHz. Every road that gives a design
// its box asks this one check: the Alignment menus, the start of a design,
// the speaker connection, the custom palette's Calc. and the reading of a
// document, so that no road holds a design another refuses.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace quendal {

struct ProgramState;

enum class BoxFault : int32_t {
    None,
    NotPositive,   // 0 or below, also once rounded as the design keeps it
    NotFinite,     // infinite or not a number
    TuningsAlike,  // Fb1 and Fb2 alike where the two chambers cancel
    NoResponse,    // the response lies nowhere on the amplitude page
    NotHeld,       // the design drawn from the box is one a document may not hold (refusal)
};

inline constexpr const char* kHertzUnit = " Hz";
inline constexpr const char* kLitreUnit = " Liter";

struct BoxCheckResult {
    BoxFault fault = BoxFault::None;
    const char* name = "";   // the value as the palette labels it ("Fb1")
    const char* words = "";  // the value in words ("tuning frequency of chamber 1")
    const char* unit = "";   // " Hz", " Liter" or ""
    double value = 0.0;      // the value refused
    std::string refusal = {};  // NotHeld: why, in the words of the document reader (designRefusal)
    bool ok() const { return fault == BoxFault::None; }
};

// The values of the current system's box in `state` as they stand.
BoxCheckResult checkBoxValues();

// Whether the current system's two chambers cancel: a Twin Vented or Delta
// Vented design with Fb1 and Fb2 alike to the hundredth of a hertz.
bool tuningsCancel();

// The whole check of the design in `state`: the alignment of Alin is run
// (CofCal), its values are checked as built and as kept, then the tunings
// and the response; then the design is computed as its drawing computes it
// (the input power, the level, the vents sized again) and must pass the
// checks of a design the program may hold (heldValuesRefusal,
// response/DesignCheck.h). Leaves the state changed as that calculation
// leaves it: callers that only ask use the helpers below.
BoxCheckResult checkBuiltBox();

// The box of the current design as its alignment builds it, without the
// design drawn from it: the checks of checkBuiltBox up to the response on
// the page, computed on the side; the state is left exactly as it was.
BoxCheckResult builtBoxCheck();

// The box of the current design at alignment `alin`, computed on the side;
// the state is left exactly as it was.
BoxCheckResult alignmentBoxCheck(int32_t alin);

// The box of the current design once `change` has changed it (a loss factor
// chosen, say), computed on the side; the state is left exactly as it was.
BoxCheckResult changedBoxCheck(const std::function<void()>& change);

// The box of any design (a document's) as its alignment builds it when it
// is drawn (checkBuiltBox: the entries of a custom alignment as held, the
// other values computed again), computed on the side; the state is left as
// it was.
BoxCheckResult designBoxCheck(const ProgramState& design);

// What the user chose when the box was refused: an alignment (the
// Alignment menus, the custom palette, a connection, a radiator's values),
// or a system in System Select, whose first alignment builds no box for the
// driver.
enum class BoxChoice : int32_t { Alignment, System };

// The alert of a refused alignment, in the words of the program's other
// "Impossible alignment" alerts, naming the value: "ALERT!   Impossible
// alignment.  Fb1 is not above 0.", and its explanation quoting the value
// the alignment gives and asking for another of what was chosen:
// "( Choose another alignment. )" or "( Choose another system. )".
std::string boxFaultTitle(const BoxCheckResult& result);
std::string boxFaultReason(const BoxCheckResult& result, BoxChoice choice = BoxChoice::Alignment);

// The fault in words for a document's refusal: "the tuning frequency of
// chamber 1 is not above 0".
std::string boxFaultWords(const BoxCheckResult& result);

}  // namespace quendal
