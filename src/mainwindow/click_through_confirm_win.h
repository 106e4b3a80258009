#pragma once
// The question before click-through mode goes on (TfrmClickThruConfirm, caption "Warning").
#include <windows.h>

#include <functional>
#include <memory>

#include "platform/registry.h"
#include "ui/form_win.h"

namespace vx {

std::unique_ptr<Form> CreateClickThroughConfirmForm(HWND owner);

// True when click-through may go on: at once when "ClickThroughWarn" is off, otherwise when the
// user presses OK (the box "Always show this dialog" is then stored). `shown` hears when the
// dialog opens and closes.
bool ConfirmClickThrough(Registry& settings, HWND mainWindow, const std::function<void(bool open)>& shown = {});

}  // namespace vx
