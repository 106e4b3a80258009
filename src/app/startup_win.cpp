#include "app/startup_win.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "app/log.h"
#include "app/log_win.h"
#include "core/utf.h"
#include "install/archive_locator.h"
#include "intl/catalogue.h"
#include "intl/language_win.h"
#include "mainwindow/main_form_win.h"
#include "mainwindow/main_messages.h"
#include "platform/win/handles_win.h"
#include "platform/win/paths_win.h"
#include "platform/win/registry_win.h"

namespace vx {

namespace {

// Set when another process (possibly of another user's logon) holds the instance mutex.
bool g_anotherInstanceRunning = false;

UniqueHandle CreateInstanceMutex() {
    UniqueHandle mutex(CreateMutexW(nullptr, FALSE, Widen(kInstanceMutexName).c_str()));
    const DWORD error = GetLastError();
    if ((mutex && error == ERROR_ALREADY_EXISTS) || (!mutex && error == ERROR_ACCESS_DENIED)) {
        g_anotherInstanceRunning = true;
    }
    return mutex;
}

HWND FindRunningMonitor() {
    return FindWindowW(Widen(kMainWindowClass).c_str(), Widen(kMainWindowCaption).c_str());
}

// The running monitor saves its settings while handling the message; waiting for its process
// to end as well makes sure nothing it does afterwards can undo a reset.
void CloseRunningMonitor(HWND monitor) {
    DWORD processId = 0;
    GetWindowThreadProcessId(monitor, &processId);
    UniqueHandle process(processId ? OpenProcess(SYNCHRONIZE, FALSE, processId) : nullptr);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(monitor, UM_CLOSE_INSTANCE, 0, 0, SMTO_NORMAL, 30000, &result);
    if (process) WaitForSingleObject(process.get(), 15000);
}

int ShowRoleUnavailable(const wchar_t* text) {
    MessageBoxW(nullptr, text, L"Vantorix", MB_ICONERROR | MB_OK);
    return 2;
}

int RunMonitor(bool writeLanguageFile) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    bool restart = false;
    {
        WinRegistry settings(Hive::CurrentUser);
        TMainForm form(settings, writeLanguageFile);
        if (!form.FormCreate()) {
            MessageBoxW(nullptr, L"The main window could not be created.", L"Vantorix", MB_ICONERROR | MB_OK);
            return 1;
        }
        form.ShowAtStart();

        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            if (form.TranslateShortcut(message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        restart = form.RestartRequested();
    }  // the main window is destroyed here

    // Started only now: a new process started while this window still existed would find it,
    // hand over to it and end, leaving no monitor at all.
    if (restart) {
        const std::wstring program = ExeDirectoryWithSlash() + L"VX.exe";
        ShellExecuteW(nullptr, L"open", program.c_str(), nullptr, ExeDirectory().c_str(), SW_SHOWNORMAL);
    }
    return 0;
}

}  // namespace

Arguments ProcessArguments() {
    Arguments arguments;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv) return arguments;
    for (int i = 1; i < count; ++i) arguments.items.push_back(Narrow(argv[i]));
    LocalFree(argv);
    return arguments;
}

bool ProgramCarriesArchive(const std::wstring& programPath) {
    UniqueFile file(CreateFileW(programPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return false;
    const auto read = [&file](uint64_t offset, size_t length) -> std::optional<std::vector<uint8_t>> {
        LARGE_INTEGER position{};
        position.QuadPart = static_cast<LONGLONG>(offset);
        if (!SetFilePointerEx(file.get(), position, nullptr, FILE_BEGIN)) return std::nullopt;
        std::vector<uint8_t> bytes(length);
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(length), &got, nullptr) || got != length) {
            return std::nullopt;
        }
        return bytes;
    };
    return LocateAppendedArchive(static_cast<uint64_t>(size.QuadPart), read).has_value();
}

int RunProgram() {
    const Arguments arguments = ProcessArguments();
    const std::string first = arguments.First();
    if (IsLogSwitch(first)) InstallFileLog(kLogPath, FallbackLogPath());

    const UniqueHandle instanceMutex = CreateInstanceMutex();
    InitLanguageFonts();
    const bool archiveAppended = ProgramCarriesArchive(ExePath());
    const bool reset = IsResetSwitch(first);

    if (HWND running = FindRunningMonitor()) {
        if (reset) {
            CloseRunningMonitor(running);
        } else if (!archiveAppended) {
            DWORD_PTR result = 0;
            SendMessageTimeoutW(running, UM_ACTIVATE_INSTANCE, 0, 0, SMTO_NORMAL, 30000, &result);
            SetForegroundWindow(running);
            return 0;
        }
    }

    if (reset) {
        // No language file is loaded yet, so the question is the built-in English text.
        const std::wstring question = Widen(CatalogueText(137));
        if (MessageBoxW(nullptr, question.c_str(), L"Vantorix", MB_ICONQUESTION | MB_YESNO) != IDYES)
            return 0;
        WinRegistry user(Hive::CurrentUser);
        user.DeleteKeyTree(kSettingsKey);
    }

    SetCurrentDirectoryW(ExeDirectory().c_str());

    WinRegistry user(Hive::CurrentUser);
    LoadLanguageFile(Widen(LanguageFileFor(ReadString(user, kSettingsKey, "CurrentLanguage"))));

    switch (ChooseRole(archiveAppended, arguments)) {
        case Role::Installer:
            return ShowRoleUnavailable(
                L"This program file carries an install archive, but this build of "
                L"Vantorix cannot install it yet.");
        case Role::Uninstaller:
            return ShowRoleUnavailable(L"This build of Vantorix cannot uninstall itself yet.");
        case Role::Monitor:
            break;
    }
    return RunMonitor(IsIntlSwitch(first));
}

}  // namespace vx
