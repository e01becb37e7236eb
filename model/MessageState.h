// Messages between applications and parameter records waiting to be applied.
#pragma once

#include <cstdint>
#include <string>

#include "model/SharedTypes.h"
#include "model/Str255.h"

namespace quendal {

struct MessageState {
    Str255 s_Masg = "null";         // the last message from Orvanel; "null" before any
    // A passive-radiator record waiting to be applied when a design opens:
    Str255 s_MasgPR;                // the last record text from Ostrevane
    Str255 s_DummyPR = "NULL";      // "DUMMY&" while a record waits, "NULL" once applied

    Str255 s_Dummy;                 // first field of s_Masg ("DUMMY#" marks a driver record)
    // The last text read from the clipboard, as the desktop gives it (UTF-8,
    // fewer than 256 characters): its names and numbers are read as typed ones.
    std::string ClipText;
    // First field of the last pasted text: a paste keeps its own marker, so
    // that a pasted record never passes for one that waits from Ostrevane.
    Str255 s_DummyPaste = "NULL";

    // The texts of the numeric fields of the last driver record, as received.
    Str255 s_DIA, s_FS, s_VAS, s_QTS, s_QES, s_QMS, s_EFI, s_RE, s_PEMX, s_SD, s_XMAX, s_VD, s_LE;

    // A driver record that arrived while the open design had unsaved
    // changes: held aside until System Select opens, then taken; dropped
    // when the user keeps the design (the save question cancelled).
    Str255 HeldDriverRecord;
    uint8_t HeldDriverFlag = 0;     // 1 while a record is held

    // A driver record that arrived while a dialog, sheet or question stood:
    // it waits for them to close and is then taken as if it arrived then.
    // A later record takes its place.
    Str255 WaitingDriverRecord;
    uint8_t DriverRecordWaitsFlag = 0;  // 1 while a record waits
    int32_t WaitingRecordTimer = 0;     // the timer that looks whether the dialogs closed (0: none)

    // 1 once Orvanel withdrew the opening of a document (the open timer had
    // not fired yet): the document waits until Orvanel says it is free.
    uint8_t DocumentWithheldFlag = 0;
};

}  // namespace quendal
