#pragma once
// The main window: owner of the in-memory settings; found by other processes by its class
// "TMainForm" and caption "Vantorix". Built with the forms toolkit as the form "MainForm".
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <optional>

#include "app/options.h"
#include "disks/update_cycle.h"
#include "mainwindow/control_square_win.h"
#include "disks/number_format_win.h"
#include "mainwindow/drive_list_view_win.h"
#include "mainwindow/drive_tray_icons_win.h"
#include "mainwindow/tools_menu_win.h"
#include "mainwindow/window_motion.h"
#include "platform/registry.h"
#include "ui/form_win.h"
#include "ui/tray_icon_win.h"

namespace vx {

class TMainForm {
public:
    // `writeLanguageFile`: "/INTL" was given, the reference language file is written at the first show.
    TMainForm(Registry& settings, bool writeLanguageFile);
    ~TMainForm();
    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    // Creates the window and runs the creation steps; false when no window could be created.
    bool FormCreate();
    // Shows the window unless the settings say the program starts hidden.
    void ShowAtStart();
    HWND Handle() const { return form_ ? form_->Handle() : nullptr; }
    // Set by UM_RESTART: the caller starts a new VX.exe once this window is gone.
    bool RestartRequested() const { return restartRequested_; }
    const Options& CurrentOptions() const { return options_; }
    // The menus' shortcuts (Alt+X and the like) for the message loop.
    bool TranslateShortcut(const MSG& message) { return form_ && form_->TranslateShortcut(message); }

private:
    std::unique_ptr<Form> CreateForm();
    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void ShowMainWindow();
    void FormShow();
    void FormClose();
    void SaveSettings();
    void RememberPosition();
    void ApplyOpacity(int percent);
    void Paint();
    void ActivateInstance();
    void BringToFrontNotTopmost();
    void RecreateHandle();
    void ApplyTopmost();
    void WriteReferenceLanguageFile();
    void Command(const std::string& name);
    // Column changes keep the window on its monitor and the menus' check marks right.
    void ChangeColumns(const std::function<void()>& change);
    void RefreshColumnChecks();
    void RefreshMenuStates();
    std::wstring HelpFilePath() const;
    std::wstring TutorialPath() const;
    void OpenHelp();
    void HideToTray();
    void ShowMainTrayIcon();
    void CreateTrayIcons();
    void UpdateDriveIcon(const DriveRecord& drive);
    void SwitchDriveIcon(UINT id);
    void ShowTrayMenu();
    // `report`: a shortcut another program holds is reported to the user; it is switched off.
    void RegisterHotKeys(bool report);
    void UnregisterHotKeys();
    void FadeTimerTick();
    void ClickThroughCommand();
    void ApplyClickThrough();
    int ClickThroughMargin() const;
    void SnapMovingWindow(RECT& proposed);
    RECT SnappedToWorkArea(const RECT& proposed) const;
    int MenuBarWidth() const;
    void HeaderClicked(int subItem);
    void DriveDoubleClicked();
    void OpenDriveInformation(const std::string& name, const DriveRecord* record);
    std::optional<size_t> DriveUnderCursor() const;
    // At the cursor, or for the keyboard (-1) at the list's corner.
    void ShowPopupMenu(LPARAM position);

    Registry& settings_;
    bool writeLanguageFile_;
    Options options_;
    std::shared_ptr<Volumes> volumes_;
    std::unique_ptr<DriveListView> driveList_;
    UpdateTicker ticker_;
    std::unique_ptr<Form> form_;
    std::unique_ptr<Form> retired_;  // the form a recreation replaced, freed once its message returned
    bool noSaveOnClose_ = false;
    bool restartRequested_ = false;
    bool closing_ = false;
    bool firstShowDone_ = false;
    bool driveInfoOpen_ = false;
    int opacity_ = 100;
    std::string currentDrive_;  // the drive under the cursor when the pop-up menu opened
    ToolsMenu tools_;
    std::unique_ptr<TrayIcon> trayIcon_;
    DriveTrayIcons driveIcons_;
    NumberFormat numberFormat_ = UserNumberFormat();
    Fade fade_;
    std::unique_ptr<ControlSquare> square_;  // only while click-through is on
    POINT dragOffset_{};  // the cursor's place in the window when a move began
};

}  // namespace vx
