#pragma once
// The drive information dialog (TdlgInfo): the facts of one drive, modal over the main window.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "disks/drive_record.h"
#include "ui/form_win.h"

namespace vx {

// The dialog's window, hidden and translated; also made for the reference language file.
std::unique_ptr<Form> CreateDriveInfoForm(HWND owner);

// Shows the dialog for a drive of the drive list (its record) or another name (no record) and
// returns when it is closed.
void ShowDriveInformation(HWND owner, const std::string& name, const std::optional<DriveRecord>& record,
                          int showIn);

}  // namespace vx
