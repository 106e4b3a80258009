// WinMain of VX.exe: the disk monitor, its installer and its uninstaller.
#include <windows.h>

#include "app/startup_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        return vx::RunProgram();
    } catch (...) {
        return 1;
    }
}
