// Messages between this program and its sibling applications: sending,
// launching a sibling, and the handlers of the texts that arrive.
//
// Orvanel (a driver database) sends driver records and steers the program
// (hide, open a document, quit); Ostrevane (a passive-radiator database)
// sends radiator records and asks whether the program runs; Tessmir asks it
// to save and quit. The texts are those of app/MessageVocabulary.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/ParameterRecords.h"
#include "platform/AppMessageSend.h"
#include "platform/Platform.h"

namespace quendal {


// Starts the sibling by its desktop entry or executable name ("Orvanel.app"
// is looked for as Orvanel); nothing happens when it is absent. Returns 0
// when started, else platform::kApplicationNotFound.
int32_t LaunchAppX(std::string_view creator, std::string_view bundleName);

// The texts to each sibling, and the start of the driver database.
void toOrvanel(std::string_view text);
void toTessmir(std::string_view text);
void toOstrevane(std::string_view text);
void launchOrvanel();

// A text handler for messages of one event class and id.
using AppMessageHandler = int32_t (*)(const platform::AppMessage& event);

// Opens this program's endpoint, so that the siblings reach it; the texts
// then go to the handlers installed for their class and id.
int32_t InstallAEHandlers();
// Installs (or, with nullptr, removes) the handler of (eventClass, eventId).
void InstallAppMessageHandler(std::string_view eventClass, std::string_view eventId, AppMessageHandler handler);
// The three text handlers of the program: "QnDL" DoAppleEventFromQndl,
// "Tqmz" DoAppleEventFromTsmr, "Wlok" DoAppleEventFromJevr, each for "TEXT".
void InstallTextMessageHandlers();
// Hands one message to the handler of its class and id; others are ignored.
void ReceiveAppMessage(const platform::AppMessage& event);

// Documents handed to the program to open: the program keeps one design,
// so only the last one opens (ClikOpenDocm). Returns 0.
int32_t HandleOpenDoc(const std::vector<std::string>& documents);

// The text handlers; each returns 0 whatever the text.
int32_t DoAppleEventFromQndl(const platform::AppMessage& event);
int32_t DoAppleEventFromTsmr(const platform::AppMessage& event);
int32_t DoAppleEventFromJevr(const platform::AppMessage& event);
// The dispatch of a text from Orvanel, kept in s_Masg.
int32_t DoAppleEventFromQndlCommon();


// What the handlers test: a design is on the screen, a sheet stands over
// the design or the chooser, a save question waits for its answer.
bool designOnScreen();
// The user kept the design that a driver record asked to wait (the save
// question or its save dialog cancelled): the record held for System Select
// goes.
void DropHeldDriverRecord();
// A driver database works with the program (s_MasgMenu "BootQnDL"): Speaker
// Select hands the choice of a driver over to it.
bool driverDatabaseAnswers();
bool sheetOpen();
bool saveQuestionUp();
// A dialog, a sheet, an alert or a question stands (Preferences, Page
// Setup, Vent Design, every other sheet, a file dialog, a question): what
// arrives from outside now, a driver record or a document handed over,
// waits until it has closed, so that nothing the user is typing there goes.
bool dialogStands();

}  // namespace quendal
