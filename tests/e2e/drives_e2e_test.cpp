// The drives of the prefix as the monitor finds, measures and shows them.
#include <algorithm>

#include "core/text.h"
#include "core/utf.h"
#include "disks/drive_list.h"
#include "disks/number_format_win.h"
#include "disks/sizes.h"
#include "drive_fixture.h"
#include "platform/win/volumes_win.h"

namespace vx::e2e {
namespace {

constexpr int kBytes = 0;

std::wstring Size(int64_t bytes) {
    return Widen(FormatSize(bytes, kBytes, UserNumberFormat()));
}

// The texts a row must show: label, Capacity, Used, Free, Available, and nothing under the bar.
std::vector<std::wstring> ExpectedTexts(const std::string& name, DriveKind kind) {
    WinVolumes volumes;
    const Figures figures = SystemFigures(name + "\\");
    const bool known = figures.capacity >= 0;
    return {L"",  // the caption is compared on its own
            Widen(GetDriveLabel(volumes, name, kind)),
            Size(known ? figures.capacity : -1),
            Size(known ? figures.capacity - figures.free : 0),
            Size(known ? figures.free : -1),
            Size(known ? figures.available : -1),
            L""};
}

std::string Describe(const std::vector<std::wstring>& texts) {
    std::string joined;
    for (const auto& text : texts) joined += Narrow(text) + " | ";
    return joined;
}

void ShowEveryColumnInBytes(WinRegistry& settings) {
    for (const char* value : {"ShowLabels", "ShowTotal", "ShowOccuped", "ShowFree", "ShowAvail", "ShowPercents"})
        settings.WriteInteger(kSettingsKey, value, 1);
    settings.WriteInteger(kSettingsKey, "ShowIn", kBytes);
}

using DriveListTest = DrivesTest;

TEST_F(DriveListTest, NewDrivesFollowTheRulesOfTheirKindAndRowsFollowTheDriveList) {
    settings.WriteString(kSettingsKey, "FoldersList", "C:\\users\r\n\\\\fileserver\\share");
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    RemoteListView list(ListViewIn(window));
    ASSERT_TRUE(list.Valid());

    // Optical drives and floppies start unmonitored; the USB stick, fixed and network drives do not.
    WinVolumes volumes;
    const std::vector<std::wstring> expected = {
        L"C:", L"E:", L"F:", L"N:", L"Z:", Widen(GetDisplayName(volumes, "C:\\users", 9)),
        Widen(GetDisplayName(volumes, "\\\\fileserver\\share", 9))};
    EXPECT_EQ(RowNames(list), expected);

    ASSERT_TRUE(Close(window, monitor));
    const auto enabled = SplitLines(ReadString(settings, kSettingsKey, "EnabledDisks"));
    const auto disabled = SplitLines(ReadString(settings, kSettingsKey, "DisabledDisks"));
    for (const char* name : {"C:", "E:", "F:", "N:", "Z:"})
        EXPECT_NE(std::find(enabled.begin(), enabled.end(), name), enabled.end()) << name;
    for (const char* name : {"A:", "D:"})
        EXPECT_NE(std::find(disabled.begin(), disabled.end(), name), disabled.end()) << name;
}

TEST_F(DriveListTest, EveryRowShowsWhatTheSystemReportsForItsDrive) {
    settings.WriteString(kSettingsKey, "FoldersList", "C:\\users\r\n\\\\fileserver\\share");
    settings.WriteInteger(kSettingsKey, "UpdateInterval", 2);
    ShowEveryColumnInBytes(settings);
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    RemoteListView list(ListViewIn(window));
    ASSERT_TRUE(list.Valid());
    ASSERT_EQ(list.ColumnCount(), 7);

    struct Row {
        std::string name;
        DriveKind kind;
    };
    const Row rows[] = {{"C:", DriveKind::Fixed},     {"E:", DriveKind::Removable},
                        {"F:", DriveKind::Fixed},     {"N:", DriveKind::Network},
                        {"Z:", DriveKind::Fixed},     {"C:\\users", DriveKind::LocalFolder},
                        {"\\\\fileserver\\share", DriveKind::NetworkFolder}};
    ASSERT_EQ(list.RowCount(), 7);
    for (size_t i = 0; i < std::size(rows); ++i) {
        // The host's disk changes under C: and Z: while we look: a refresh a second brings the rows
        // level with the figures of the moment.
        std::vector<std::wstring> shown, wanted;
        const bool same = WaitUntil(
            [&] {
                shown = list.Rows()[i];
                wanted = ExpectedTexts(rows[i].name, rows[i].kind);
                wanted[0] = shown[0];
                return shown == wanted;
            },
            10000);
        EXPECT_TRUE(same) << rows[i].name << ": shows " << Describe(shown) << ", the system says "
                          << Describe(wanted);
    }
}

TEST_F(DriveListTest, AHangingNetworkDriveNeverBlocksTheWindow) {
    VX_REQUIRE_SCRIPTED_VOLUMES();
    settings.WriteString(kSettingsKey, "EnabledDisks", "F:\r\nN:\r\n");
    settings.WriteString(kSettingsKey, "DisabledDisks", "A:\r\nC:\r\nD:\r\nE:\r\nZ:\r\n");
    settings.WriteInteger(kSettingsKey, "UpdateInterval", 2);
    ShowEveryColumnInBytes(settings);
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    RemoteListView list(ListViewIn(window));
    ASSERT_EQ(RowNames(list), (std::vector<std::wstring>{L"F:", L"N:"}));
    ASSERT_TRUE(WaitUntil([&] { return list.Text(1, 2) == Size(107374182400LL); }, 10000))
        << "N: shows " << Describe(list.Rows()[1]);

    SetLever("network", "hang", true);
    // Wine reports the space available to the user as the free space too.
    SetFigures("network", 107374182400LL, 10737418240LL, 10737418240LL);
    ASSERT_TRUE(WaitUntil([] { return GetFileAttributesW(ControlFile("network", "waiting").c_str()) !=
                                      INVALID_FILE_ATTRIBUTES; },
                          10000))
        << "the network thread never asked";

    // While the thread is stuck the window answers at once and local drives go on refreshing.
    SetFigures("fixed", 53687091200LL, 32212254720LL, 32212254720LL);
    ULONGLONG slowest = 0;
    for (int i = 0; i < 30; ++i) {
        const ULONGLONG before = GetTickCount64();
        DWORD_PTR result = 0;
        ASSERT_TRUE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 100, &result));
        slowest = std::max(slowest, GetTickCount64() - before);
        Sleep(100);
    }
    EXPECT_LT(slowest, 100u);
    EXPECT_TRUE(WaitUntil([&] { return list.Text(0, 4) == Size(32212254720LL); }, 5000));
    EXPECT_EQ(list.Text(1, 4), Size(4294967296LL)) << "the network drive keeps its last figures";

    // When the drive answers, its figures arrive.
    SetLever("network", "hang", false);
    EXPECT_TRUE(WaitUntil([&] { return list.Text(1, 4) == Size(10737418240LL); }, 10000));
}

TEST_F(DriveListTest, AFailedNetworkMeasurementShowsNoFigures) {
    VX_REQUIRE_SCRIPTED_VOLUMES();
    settings.WriteString(kSettingsKey, "EnabledDisks", "F:\r\nN:\r\n");
    settings.WriteString(kSettingsKey, "DisabledDisks", "A:\r\nC:\r\nD:\r\nE:\r\nZ:\r\n");
    settings.WriteInteger(kSettingsKey, "UpdateInterval", 2);
    ShowEveryColumnInBytes(settings);
    SetLever("network", "fail", true);
    settings.WriteInteger(kSettingsKey, "Left", 0);
    settings.WriteInteger(kSettingsKey, "Top", 0);
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    RemoteListView list(ListViewIn(window));
    ASSERT_EQ(RowNames(list), (std::vector<std::wstring>{L"F:", L"N:"}));
    ASSERT_TRUE(WaitUntil([] { return AnyQuery("network", "failed"); }, 10000));
    Sleep(500);  // the failed figures are taken over and the row redrawn
    for (int column = 2; column <= 5; ++column) EXPECT_EQ(list.Text(1, column), L"0") << column;

    // An empty grey bar on N:, a coloured one on F: (20 % used).
    for (double share : {0.02, 0.1, 0.3, 0.5, 0.9}) {
        const COLORREF colour = CellPixel(list, 1, 6, share);
        EXPECT_TRUE(IsGrey(colour)) << "N: at " << share << ": " << std::hex << colour;
    }
    EXPECT_FALSE(IsGrey(CellPixel(list, 0, 6, 0.05))) << "F: " << std::hex << CellPixel(list, 0, 6, 0.05);
    SaveWindowScreenshot(L"failed-network-drive", window);
}

TEST_F(DriveListTest, WithUpdateInterval10RefreshesComeAtTicks9And18And27) {
    VX_REQUIRE_SCRIPTED_VOLUMES();
    settings.WriteString(kSettingsKey, "EnabledDisks", "F:\r\n");
    settings.WriteString(kSettingsKey, "DisabledDisks", "A:\r\nC:\r\nD:\r\nE:\r\nN:\r\nZ:\r\n");
    settings.WriteInteger(kSettingsKey, "UpdateInterval", 10);
    Process monitor;
    HWND window = Start(monitor);
    ASSERT_NE(window, nullptr);
    // The queries of one measurement come together; the first group is the one at creation.
    std::vector<double> groups;
    ASSERT_TRUE(WaitUntil(
        [&] {
            groups.clear();
            for (const auto& query : VolumeQueries("fixed")) {
                if (groups.empty() || query.time - groups.back() > 2.0) groups.push_back(query.time);
            }
            return groups.size() >= 4;
        },
        40000))
        << groups.size() << " measurements";
    for (size_t i = 1; i < 4; ++i) {
        EXPECT_NEAR(groups[i] - groups[0], 9.0 * static_cast<double>(i), 0.7) << "refresh " << i;
    }
}

}  // namespace
}  // namespace vx::e2e
