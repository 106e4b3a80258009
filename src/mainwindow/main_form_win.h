#pragma once
// The main window: owner of the in-memory settings; found by other processes by its class
// "TMainForm" and caption "Vantorix".
#include <windows.h>

#include "app/options.h"
#include "mainwindow/main_form_component_win.h"
#include "platform/registry.h"

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
    HWND Handle() const { return hwnd_; }
    // Set by UM_RESTART: the caller starts a new VX.exe once this window is gone.
    bool RestartRequested() const { return restartRequested_; }
    const Options& CurrentOptions() const { return options_; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND CreateHandle();
    void ShowMainWindow();
    void FormShow();
    void FormClose();
    void SaveSettings();
    void RememberPosition();
    void ApplyOpacity(int percent);
    void Paint(HWND hwnd);
    void ActivateInstance();
    void RecreateHandle();
    void ApplyTopmost();
    void WriteReferenceLanguageFile();

    Registry& settings_;
    bool writeLanguageFile_;
    Options options_;
    MainFormComponent component_;
    HWND hwnd_ = nullptr;
    bool noSaveOnClose_ = false;
    bool restartRequested_ = false;
    bool closing_ = false;
    bool firstShowDone_ = false;
    int opacity_ = 100;
};

}  // namespace vx
