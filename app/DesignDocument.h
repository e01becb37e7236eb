// The design document: the whole design as one record of 1844 bytes.
//
// Design documents (".qndl") and stationery (".qndlsta") hold the same
// record: the system selection, the view settings, the reference level,
// both driver sets, the box values, the passive radiator, the popup choices,
// the three vents and the input-power choice, one field after the other with
// no padding. Integers are 32-bit two's complement and doubles IEEE binary64,
// both most significant byte first; the two radiator flags are one byte each;
// a text takes 63 bytes: its Mac Roman bytes, the end marker "!%$&", blanks.
// There is no header, version or checksum: a document is known by its
// extension and its length.
//
// Encoding and decoding are pure: they work on a ProgramState they are
// given, never on the program's own behind the caller's back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/State.h"

namespace quendal {

inline constexpr std::size_t kDesignDocumentSize = 1844;  // bytes
inline constexpr std::size_t kDocumentTextField = 63;     // bytes of a text field
inline constexpr std::size_t kDocumentTextLimit = 59;     // bytes of a text that fit before its marker
inline constexpr std::string_view kTextEndMarker = "!%$&";
inline constexpr std::string_view kDocumentExtension = "qndl";
inline constexpr std::string_view kStationeryExtension = "qndlsta";

// The design as a document holds it: `design` with the six vent dimensions
// of each vent (CircPortDV, CircDuctDV, RectPortWV, RectPortHV, RectDuctWV,
// RectDuctHV) rounded to 0.01 mm, halves to even. Lengths, areas and the
// box values stay as they are.
ProgramState documentCopy(const ProgramState& design);

// The 1844 bytes of the document of `design`, which is left untouched. The
// vent dimensions are written rounded (documentCopy); a text longer than 59
// bytes is written as its first 59, so that every text field carries its
// end marker and reads back as written.
std::string encodeDesignDocument(const ProgramState& design);

// The document of `design` as applied (appliedDesign, model/AppliedDesign.h)
// with the fields of the view blanked (ReDispWnd, RespID, Magni, Scale,
// Disp, s_Resp, sysFigTriBtn): the values the design stores, whatever page,
// scale and display it is shown with, and whatever a sheet over it shows.
std::string storedDesignValues(const ProgramState& design);

// Reads a document into `design`. The bytes are checked first: fewer than
// 1844 are refused, of more only the first 1844 count. The box values are
// rounded as the design keeps them (ValueRoundBoxParameters), and the
// design so read must pass the one check every road asks of a design the
// program may hold (designRefusal, response/DesignCheck.h): its selectors,
// its driver, its values, its box as its alignment builds it and the design
// drawn from it. The SPL is derived again from the driver rather than taken
// as stored, and who chose each vent's form, which the record does not
// hold, is left to the reader of the file (nobody, until
// deriveVentChoices). On a refusal `design` is left exactly as it was and
// `problem` (when given) says what is wrong, naming the field in words for
// the user; on success every field of the record is taken and the other
// values of `design` stay.
bool decodeDesignDocument(std::string_view bytes, ProgramState& design, std::string* problem = nullptr);

// Whether the bytes hold a design's record at all: as many bytes as a
// design, whose selectors each name a system, page, choice or count the
// program has (designSelectorProblem). A file that does not, another
// program's or a text, is no Quendal design whatever its name; one that
// does is a design, whose values decodeDesignDocument may still refuse.
bool holdsDesignRecord(std::string_view bytes);

// Cuts each of the ten texts (s_Resp, s_Imp, s_SP2, s_RANG2, s_SP,
// s_RANG, s_ManufOrg, s_PROrg, s_Manuf, s_PR) before the first end marker
// in it. A text without a whole marker (as a document written by an older
// writer may hold for a long text) keeps its bytes less trailing blanks.
int32_t ExtractionText(ProgramState& design = state);

}  // namespace quendal
