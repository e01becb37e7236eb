// The transitions that end a design, and the questions that guard them.
//
// A design lives in the response window and its two palettes. It ends when
// the user starts over with System Select, hands the choice of a driver to
// the driver database (speaker select), closes it or quits. While it has
// unsaved changes (DirtyFlag 1) the user is asked first: the save-changes
// question on the response window for the user's own commands, and the
// program's own Save / Don't Save sheet (window 14) for requests of a
// sibling application. A Save that does not end with the design on disk
// (a failed write, a cancelled save dialog) stops the transition it was
// asked for: nothing is lost without the user saying so. A Don't Save is
// not asked for again while the design it was given for waits unchanged.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quendal {

// What the save question is asked for; the purpose's action follows Save
// or Don't Save.
inline constexpr int32_t kAskForSystemSelect = 1;   // ChangeToSystemSelect
inline constexpr int32_t kAskForSpeakerSelect = 2;  // ChangeToSpeakerSelect
inline constexpr int32_t kAskForClose = 3;          // ResposeWindowClose
inline constexpr int32_t kAskForQuit = 4;           // QuitMenuSelect(0)
inline constexpr int32_t kAskForOpening = 5;        // the file-open timer after 0.01 s
inline constexpr int32_t kAskForInstalling = 6;     // the Downloads folder shown, then QuitMenuSelect(0)

// The user's answers to the save question, as NavAskHandler gets them.
inline constexpr int32_t kNavUserActionCancel = 1;
inline constexpr int32_t kNavUserActionSaveChanges = 6;
inline constexpr int32_t kNavUserActionDontSaveChanges = 7;

// The choices of the Save / Don't Save sheet (14).
inline constexpr int16_t kSaveThenOrvanel = 1;
inline constexpr int16_t kDiscardThenOrvanel = 2;
inline constexpr int16_t kSaveThenQuit = 3;
inline constexpr int16_t kQuitWithoutSaving = 4;

// The places of the design's windows, kept for the next design and the
// next start; the response window's at the size of its plain page.
void keepWindowBounds();

// Ends the design and opens the System Select window (with a driver record
// that waited for the design to end). Returns 0.
int32_t ChangeToSystemSelect();
// System Select asked for over a design (its unsaved changes asked about
// first), or a driver record arrived for the next design: the design stays
// behind the System Select window (its values kept, its custom palette
// dimmed) until the design chosen there replaces it; Cancel gives it back
// exactly as it was. A design kept behind the Default Parameters window
// stays kept, System Select taking that window's place. Without a design on
// the screen, ChangeToSystemSelect. Returns 0.
int32_t SystemSelectKeepingDesign();
// Ends the design kept behind the System Select window, as
// ChangeToSystemSelect ends a design, once the new one replaces it.
// Returns 0.
int32_t EndKeptDesign();
// Cancel, Escape or the close box of the System Select window: a design
// kept behind it comes back exactly as it was, with its driver, values,
// connection, file, changed mark and menus; otherwise the program is left
// without a design. Returns 0.
int32_t CancelSystemSelect();
// New Box Design and System Select: the save question first while there
// are changes to ask about, else SystemSelectKeepingDesign. Returns 0.
int32_t AskThenSystemSelect();
// Ends the design, saves the preferences and hands over to the driver
// database. Without one answering, the design stays behind the Default
// Parameters window, which opens with the driver in use (its custom palette
// dimmed): Cancel there gives the design back, OK with another driver opens
// System Select with the design's system chosen, the design still kept
// until the design chosen there replaces it. Without a design either, only
// the window opens. While that window is open it is brought forward.
// Returns 0.
int32_t ChangeToSpeakerSelect();
// OK or Return in the Default Parameters window: over a kept design whose
// own driver the window still shows, the design comes back as Cancel gives
// it back; otherwise the driver is checked and taken (DefaultParamWndOKReturn).
// Returns 0.
int32_t SpeakerSelectOK();
// A design is kept on the screen behind System Select or the Default
// Parameters window.
bool designKept();
// Cancel, Escape or the close box of the Default Parameters window standing
// over a kept design: the design comes back as it was, with its system,
// connection, menus, palettes and unsaved changes. Without a kept design it
// does nothing. Returns 0.
int32_t CancelSpeakerSelect();
// Speaker Select from the Misc. menu or the custom palette: the Default
// Parameters window forward while it is open; else the save question first
// while there are changes to ask about, else ChangeToSpeakerSelect.
// Returns 0.
int32_t SpeakerSelectAskingFirst();
// Ends the design and leaves the program without one. Returns 0.
int32_t ResposeWindowClose();
// Whether ending the design asks first: it has unsaved changes, unless it
// waits behind the window that the user's Don't Save about these very
// changes led to. That answer stands until the design changes or comes back.
bool changesToAskAbout();
// Close: the save question first while there are changes to ask about,
// else ResposeWindowClose. Returns 0.
int32_t CloseAskingFirst();
// Tells the siblings (with `notify` 1 the driver database is asked to quit
// too, unless the quit came from its own save sheet), keeps the window
// bounds, saves the preferences and ends the program with status 0 once
// the current handler returns. Returns 0.
int32_t QuitMenuSelect(uint8_t notify);
// The quit the user asks for: the save question first while there are
// changes to ask about, else QuitMenuSelect(1). Returns 0.
int32_t QuitAskingFirst();

// How the save question names the design: the response window's title, or
// "untitled" for a new design that no document stands for.
inline constexpr std::string_view kUntitledDesignName = "untitled";
std::string SaveQuestionName();

// Dims the menus and asks on the response window whether the changes of
// the document (named by SaveQuestionName) are to be saved; the answer
// goes to NavAskHandler with `purpose`. Returns 0.
int32_t NavAskWind(int32_t purpose);
// Save: saves the design (a new one through the save dialog), and only once
// it is saved runs the purpose's action. Don't Save: the action alone. Both
// end the sheets standing on the design first, as their Cancel ends them.
// Cancel: everything stays as it was, a sheet with what was typed in it
// included, with the menus of the window the question was asked over (the
// sheet's, System Select's, Speaker Select's or the design's). Unknown
// purposes do nothing. Returns 0.
int32_t NavAskHandler(int32_t userAction, int32_t purpose);
// The answer of the Save / Don't Save sheet (14): closes it, then 1 saves
// and hands over to the driver database, 2 discards and hands over, 3
// saves and quits, 4 quits; a save that does not succeed stops there.
// NavAskSDFlag is back at 0. Returns 0.
int32_t NavAskSaveDontWndHandler(int16_t choice);

// Shows the pane of the selected tab of tab control `tabControlID` in the
// current window and hides the others (the panes are the controls embedded
// in it, by increasing number). Returns 0.
int32_t HandleTabs(int32_t tabControlID);

// The custom palette's "Snap" (11): the response window saved as a PNG file.
int32_t CustomPaletSnapButton();
// The palette's arrows back to system selection (12) and on to speaker
// selection (13): with unsaved changes the save question comes first.
int32_t CustomPaletSysSelArrow();
int32_t CustomPaletSpSelArrow();

}  // namespace quendal
