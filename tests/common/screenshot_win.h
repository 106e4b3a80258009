#pragma once
// Screenshots of the test display, for people to look at.
#include <string>

namespace vx::e2e {

// Saves the screen as <name>.bmp in the folder of VX_SCREENSHOT_DIR, when that is set; the test
// run turns them into PNG files under build/screenshots/.
void SaveScreenshot(const std::wstring& name);
// The same for one window and a margin around it.
void SaveWindowScreenshot(const std::wstring& name, void* window);

}  // namespace vx::e2e
