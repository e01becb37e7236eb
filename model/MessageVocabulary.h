// Every text this program exchanges with its sibling applications, in one
// place. The siblings compare texts exactly and case-sensitively, so
// several of them differ from each other only in the case of one letter
// ("QnDL" and "Qndl"); the spelling of each is fixed by the siblings, "Now I
// Opend" included.
#pragma once

#include <string_view>

namespace quendal::vocabulary {

// Event classes: the receiving side's four-character code. Messages to us
// arrive with the sender's class; messages we send carry the target's.
inline constexpr std::string_view kFromOrvanel = "QnDL";
inline constexpr std::string_view kFromTessmir = "Tqmz";
inline constexpr std::string_view kFromOstrevane = "Wlok";
inline constexpr std::string_view kToOrvanel = "Qndl";
inline constexpr std::string_view kToTessmir = "Tsmr";
inline constexpr std::string_view kToPallique = "Plqe";
inline constexpr std::string_view kToOstrevane = "Jevr";
inline constexpr std::string_view kTextEventId = "TEXT";

// The programs, as they run (their endpoints) and as they are launched.
inline constexpr std::string_view kThisApplication = "Quendal";
inline constexpr std::string_view kOrvanel = "Orvanel";
inline constexpr std::string_view kTessmir = "Tessmir";
inline constexpr std::string_view kPallique = "Pallique";
inline constexpr std::string_view kOstrevane = "Ostrevane";
inline constexpr std::string_view kOrvanelBundle = "Orvanel.app";
inline constexpr std::string_view kTessmirBundle = "Tessmir.app";

// Record markers: the first field of a parameter record text.
inline constexpr std::string_view kDriverMarker = "DUMMY#";
inline constexpr std::string_view kRadiatorMarker = "DUMMY&";
inline constexpr std::string_view kNoRecordWaiting = "NULL";

// Received from Orvanel (class "QnDL").
inline constexpr std::string_view kStopActivateFromOrvanel = "StopActivateQnDLFromQndl";
inline constexpr std::string_view kActivateMeFromOrvanel = "ActivateMeQnDLFromQndl";
inline constexpr std::string_view kStopOpenFileFromOrvanel = "StopOpenFileQnDLFromQndl";
inline constexpr std::string_view kBootedByFileFromOrvanel = "BootedQnDLFromQndlByFile";
inline constexpr std::string_view kHideFromOrvanel = "HideQnDL";
inline constexpr std::string_view kYesBootedFromOrvanel = "YesBootedQndl";
inline constexpr std::string_view kIamFreeFromOrvanel = "IamFreeFromQndl";
inline constexpr std::string_view kQuitFromOrvanel = "QuitQnDL";

// Received from Tessmir (class "Tqmz").
inline constexpr std::string_view kShowSaveFileMeFromTessmir = "ShowSaveFileMeQnDLFromTsmr";
inline constexpr std::string_view kBootedByFileFromTessmir = "BootedQnDLFromTsmrByFile";
inline constexpr std::string_view kShowSaveFileFromTessmir = "ShowSaveFileQnDLFromTsmr";

// Received from Ostrevane (class "Wlok"); any other text may be a record.
inline constexpr std::string_view kAreYouLaunchedFromOstrevane = "Are you Launched Quendal";

// Sent to Orvanel (class "Qndl").
inline constexpr std::string_view kBooted = "BootedQndlFromQnDL";
inline constexpr std::string_view kBootedByFile = "BootedQndlFromQnDLByFile";
inline constexpr std::string_view kHide = "HideQndl";
inline constexpr std::string_view kShow = "ShowQndl";
inline constexpr std::string_view kQuit = "QuitQndl";
inline constexpr std::string_view kOpenFile = "OpenFileQndlFromQnDL";
inline constexpr std::string_view kActivateMe = "ActivateMeQndlFromQndl";
inline constexpr std::string_view kStopOpenFile = "StopOpenFileQndlFromQnDL";
inline constexpr std::string_view kSetMeDefault = "SetMeDefaultQndlFromQnDL";

// Sent to Tessmir (class "Tsmr").
inline constexpr std::string_view kTessmirBootedByFile = "BootedTsmrFromVrknByFile";
inline constexpr std::string_view kShowSaveFileToTessmir = "ShowSaveFileTsmrFromVrkn";
inline constexpr std::string_view kShowSaveFileMeToTessmir = "ShowSaveFileMeTsmrFromVrkn";

// Sent to Pallique (class "Plqe").
inline constexpr std::string_view kQuitPallique = "QuitPlqe";

// Sent to Ostrevane (class "Jevr").
inline constexpr std::string_view kNowOpened = "Now I Opend";
inline constexpr std::string_view kNowClosed = "Now I Closed";
inline constexpr std::string_view kNowBusy = "Now I am busy";
inline constexpr std::string_view kNowFree = "Now I am free";

}  // namespace quendal::vocabulary
