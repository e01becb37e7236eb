// The Qt widgets standing for each kind of control, and how a control's
// value, range and text are read from and written to them.
#pragma once

#include <string>

#include <QWidget>

#include "platform/Platform.h"
#include "platform/qt/Registry.h"

class QKeyEvent;

namespace quendal::platform::qt {

// The part of a control's widget of type T: the widget itself or a child.
template <typename T>
T* part(const ControlRecord& record) {
    if (!record.widget) return nullptr;
    if (auto* self = qobject_cast<T*>(record.widget.data())) return self;
    return record.widget->findChild<T*>();
}

// A button's title as its widget shows it: "&" standing for itself, and
// the first `mnemonic` letter (either case; 0 for none) underlined as the
// one Alt presses it with.
QString buttonText(std::string_view title, char mnemonic);

// Makes the widget of a new control under `parent`, wired so that the
// user's actions reach the control handler. The record is filled with what
// the widget does not hold itself.
QWidget* makeControlWidget(WindowNumber window, ControlNumber control, const ControlSpec& desc, QWidget* parent,
                           ControlRecord& record);

int32_t readValue(const ControlRecord& record);
void writeValue(ControlRecord& record, int32_t value);
int32_t readMinimum(const ControlRecord& record);
int32_t readMaximum(const ControlRecord& record);
void writeRange(ControlRecord& record, int32_t minimum, int32_t maximum);
std::string readText(const ControlRecord& record);
void writeText(ControlRecord& record, std::string_view text);
bool writeImage(ControlRecord& record, std::string_view file, std::string_view folder);

// Who takes a key pressed or released while `focus` has the keyboard in a
// window of ours, as everywhere on this desktop: Space types a blank in a
// text field, presses a button, radio button or check box and opens a
// popup's list (Control: the widget has the key, the window handler never
// sees it); Return and Enter press a focused push button, which is done here
// on the press (Pressed: the key is spent). Every other key, these keys with
// Ctrl, Alt or Meta, and these keys on any other control (the tab bar) or
// with no control focused go to the window's handler (Window), which runs
// the default button on Return.
enum class KeyTaker { Window, Control, Pressed };
KeyTaker takerOfKey(QWidget* focus, const QKeyEvent& key);

// The window's default push button when the first control of its Tab order
// is a push button, as the desktop's dialogs give the keyboard to a window
// that has no focused control yet: Return then presses the default, not
// the Cancel that comes first. Otherwise none (the first control takes it).
QWidget* defaultButtonFirst(QWidget* window);

// Gives the keyboard to the control Tab (forward) or Shift+Tab reaches
// from the focused one, an entry field with its text selected; false when
// the focused control is none that Tab stops at. Tab walks the window's
// focus chain, except that the default button comes right after the last
// entry field, so that Tab from the fields reaches it before a Cancel or
// Quit that would throw away what was typed; the other controls keep their
// order, and Shift+Tab walks it backwards.
bool focusNextInTabOrder(QWidget* window, bool forward);

// Puts the control's widget into the Tab order of the control it is
// embedded in, after the other controls there, when it takes the keyboard:
// a control made again later (a field rebuilt as its window is refilled)
// keeps its place rather than going after everything the window holds.
void placeInParentTabOrder(QWidget* widget, QWidget* parent);

}  // namespace quendal::platform::qt
