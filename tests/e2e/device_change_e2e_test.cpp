// Plugging and unplugging a drive while the monitor runs. Wine's drive manager adds and removes
// drives as winecfg does, and tells every window of the arrival or removal of the volume.
#include <windows.h>
#include <winioctl.h>

#include <dbt.h>

#include <cstring>

#include "drive_fixture.h"

namespace vx::e2e {
namespace {

// Wine's drive manager interface (its ddk/mountmgr.h), as winecfg uses it.
constexpr DWORD kDefineUnixDrive = CTL_CODE(0x6d, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);
struct UnixDrive {
    ULONG size;
    ULONG type;
    ULONG fs_type;
    DWORD serial;
    ULONGLONG unix_dev;
    WCHAR letter;
    USHORT mount_point_offset;
    USHORT device_offset;
    USHORT label_offset;
};

// Defines the drive on a Unix folder, or removes it when `folder` is empty.
bool DefineDrive(wchar_t letter, UINT type, const std::string& folder) {
    HANDLE manager = CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (manager == INVALID_HANDLE_VALUE) return false;
    std::vector<char> buffer(sizeof(UnixDrive) + folder.size() + 1, 0);
    auto* drive = reinterpret_cast<UnixDrive*>(buffer.data());
    drive->size = static_cast<ULONG>(buffer.size());
    drive->type = folder.empty() ? DRIVE_NO_ROOT_DIR : type;
    drive->letter = letter;
    if (!folder.empty()) {
        drive->mount_point_offset = sizeof(UnixDrive);
        memcpy(buffer.data() + sizeof(UnixDrive), folder.c_str(), folder.size());
    }
    DWORD returned = 0;
    const BOOL done = DeviceIoControl(manager, kDefineUnixDrive, buffer.data(), static_cast<DWORD>(buffer.size()),
                                      nullptr, 0, &returned, nullptr);
    CloseHandle(manager);
    return done != FALSE;
}

// What Windows tells every top-level window of a volume's arrival or removal. Wine's drive
// manager broadcasts it from the services' window station, which never reaches the desktop the
// monitor runs on (nor does a broadcast from here carry the volume record), so the test sends
// it to the monitor's window, as the system's broadcast does.
void AnnounceVolume(wchar_t letter, WPARAM event) {
    DEV_BROADCAST_VOLUME volume{};
    volume.dbcv_size = sizeof(volume);
    volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
    volume.dbcv_unitmask = 1u << (letter - L'a');
    for (HWND window : MonitorWindows()) {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(window, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(&volume), SMTO_ABORTIFHUNG,
                            5000, &result);
    }
}

std::string PlugFolder() {
    char folder[1024] = {};
    GetEnvironmentVariableA("VX_PLUG_FOLDER", folder, sizeof(folder));
    return folder;
}

using DeviceChangeTest = DrivesTest;

TEST_F(DeviceChangeTest, PluggingAndUnpluggingAStickRebuildsTheList) {
    ASSERT_FALSE(PlugFolder().empty()) << "the test prefix has no folder to plug in";
    DefineDrive(L'g', 0, "");
    // A long interval: no refresh can bring the drive in, only the device messages.
    settings.WriteInteger(kSettingsKey, "UpdateInterval", 600);
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    RemoteListView list(ListViewIn(window));
    ASSERT_EQ(RowOf(list, L"G:"), -1);

    ASSERT_TRUE(DefineDrive(L'g', DRIVE_REMOVABLE, PlugFolder()));
    ASSERT_TRUE(GetLogicalDrives() & (1u << 6)) << "the drive manager did not add G:";
    ASSERT_EQ(GetDriveTypeW(L"G:\\"), static_cast<UINT>(DRIVE_REMOVABLE));
    AnnounceVolume(L'g', DBT_DEVICEARRIVAL);
    EXPECT_TRUE(WaitUntil([&] { return RowOf(list, L"G:") >= 0; }, 10000)) << "the new stick has no row";

    ASSERT_TRUE(DefineDrive(L'g', 0, ""));
    AnnounceVolume(L'g', DBT_DEVICEREMOVECOMPLETE);
    EXPECT_TRUE(WaitUntil([&] { return RowOf(list, L"G:") == -1; }, 10000)) << "the row of the stick stayed";
    EXPECT_GE(RowOf(list, L"C:"), 0);
}

}  // namespace
}  // namespace vx::e2e
