// The Default Parameters window (window 11), "Quendal Default Parameters":
// the road into a design when no driver comes from elsewhere. The user
// enters the driver's model and range texts and its thirteen Thiele/Small
// values; OK checks every field before anything is taken.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/DriverCheck.h"

namespace quendal {

// Opens window 11 with the driver as entered (the suffix-2 set), or with a
// driver record held for the next design, which the window then carries. At the
// start its buttons are OK and Quit; over a design kept on the screen
// (KeptDesignFlag) OK and Cancel (control 2), whose row the shell fills.
int32_t DefaultParamWnd();

// OK (also Enter and Return): reads and checks every field; a refused field
// raises an alert on the window naming it, gets the keyboard focus and
// nothing is taken. Otherwise the driver becomes the entered set and the
// effective one of the design to come, window 11 closes and the System
// Select window opens with the system last chosen; a design kept on the
// screen stays kept until the design chosen there replaces it.
int32_t DefaultParamWndOKReturn();

// Whether every field of window 11 shows the driver's value as the window
// shows it when it opens: nothing typed over it.
bool DefaultParamWndShows(const DriverValues& driver);
// Fills the fields of window 11 with a driver, as if typed: a driver that
// arrives while the window is open is the one OK takes.
void DefaultParamWndShowDriver(const DriverValues& driver);

// Quit: ends the program with status 0, saving nothing.
int32_t DefaultParamWndQuit();

// A driver refused by the check of its texts (checkDriverTexts), worded as
// this window words a refused field: the alert's title, and its message
// naming the field, with the note on decimals where its text has a comma.
// A driver record refused by the same check is told the same way.
std::string_view driverRefusalTitle(const DriverCheckResult& result);
std::string driverRefusalMessage(const std::array<std::string_view, kDriverFieldCount>& texts,
                                 const DriverCheckResult& result);

// The entry field of a driver field (controls 21-35, in the order of
// DriverField).
int32_t defaultParamField(DriverField field);

}  // namespace quendal
