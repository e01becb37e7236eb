// Painting a chooser (selection/SystemChooser) on its window's own drawing
// surface: the frames with the selected one over its place, the pictures
// in front of them, and the whole chooser afresh after a pick.
#pragma once

#include <cstdint>
#include <span>

#include "selection/SystemChooser.h"

namespace quendal {

// Paints the pictures into the window, in order.
void paintChooserPictures(int32_t window, std::span<const ChooserPicture> pictures);
// Paints the frames of the choices: the unselected ones first, then the
// one of choice `selected` (1-based; none outside the frames) over its place.
void paintChooserFrames(int32_t window, std::span<const ChooserPicture> frames, int32_t selected);
// Paints the chooser afresh: clears the window's drawing, runs `paint` and
// shows what it painted. Nothing while the window does not exist.
void repaintChooser(int32_t window, void (*paint)());

}  // namespace quendal
