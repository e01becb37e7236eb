// The snapshot of the response window: a PNG picture of what the window
// shows (its drawing and its controls), taken at once, then saved where the
// user says in a save dialog on the window. A camera shutter sounds first
// when the preferences ask for it; the sound is made here, not read from a
// file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quendal {

// "Snapshot Response..." (and the custom palette's snapshot button): the
// shutter when SoundCheck is 1, the picture of window 7, the save dialog.
// Beeps and does nothing more while the window is missing or a snapshot's
// save dialog is up already.
int32_t SnapShot();


// Opens the save dialog for the picture (PNG bytes): menus off, the next
// snapshot number, the proposed name.
int32_t NavSaveAsPngFileWnd(std::string png);

// The save dialog's answer: a path saves the picture there, nothing is a
// cancel, which gives the number back. A picture that cannot be written
// gives the number back as well and asks whether to stop the program
// ("The snapshot could not be saved."); Stop goes the way the Quit command
// goes. In every case the menus come back.
int32_t PutPngFileHandler(const std::optional<std::string>& path, const std::string& png);

// The proposed file name (UTF-8): the model name, "_", the response title,
// "_", the number and ".png", with every "/" made "-" so that the name
// stays one file name.
std::string SnapshotFileName(std::string_view modelName, std::string_view responseTitle, int32_t number);

// The shutter: a short click and its echo as 16-bit samples at `sampleRate`
// per second, made afresh (the same samples every time).
inline constexpr int32_t kShutterSampleRate = 44100;  // per second
inline constexpr double kShutterLength = 0.15;        // s
std::vector<int16_t> ShutterSamples(int32_t sampleRate);

// Starts the shutter sound without waiting for it.
int32_t PlayShutterSound();

}  // namespace quendal
