#pragma once
// Click-through mode: the control square's colours and where its confirmation appears.
#include <cstdint>

#include "mainwindow/window_motion.h"

namespace vx {

// Each of red, green and blue becomes 255 - v above 224, otherwise v + 30; three times over.
uint32_t ContrastColour(uint32_t rgb);

// The confirmation sits in the work area's bottom-right corner; when that covers a corner of
// the main window it goes above the window (or, with no room there, 20 pixels below it).
Box ConfirmationPlace(const Box& workArea, int width, int height, const Box& mainWindow);

inline constexpr int kControlSquareSize = 13;

}  // namespace vx
