#include "drive_fixture.h"

#include <algorithm>
#include <cstdlib>

#include "core/text.h"
#include "core/utf.h"
#include "platform/win/files_win.h"

namespace vx::e2e {

namespace {
std::wstring Environment(const wchar_t* name) {
    wchar_t value[1024] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, 1024);
    return length > 0 && length < 1024 ? std::wstring(value) : std::wstring();
}
}  // namespace

bool ScriptedVolumes() {
    return Environment(L"VX_SCRIPTED_VOLUMES") == L"1";
}

std::wstring ControlFile(const std::string& volume, const std::string& file) {
    return Environment(L"VX_DRIVES_CONTROL") + L"\\" + Widen(volume) + L"\\" + Widen(file);
}

void SetLever(const std::string& volume, const std::string& lever, bool on) {
    const std::wstring path = ControlFile(volume, lever);
    if (on) {
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    } else {
        DeleteFileW(path.c_str());
    }
}

void SetFigures(const std::string& volume, int64_t total, int64_t free, int64_t available) {
    WriteWholeFile(ControlFile(volume, "figures"),
                   std::to_string(total) + " " + std::to_string(free) + " " + std::to_string(available) + "\n");
}

std::vector<VolumeQuery> VolumeQueries(const std::string& volume) {
    std::vector<VolumeQuery> queries;
    for (const auto& line : SplitLines(ReadWholeFile(ControlFile(volume, "queries")).value_or(""))) {
        const size_t blank = line.find(' ');
        if (blank == std::string::npos) continue;
        queries.push_back({line.substr(0, blank), std::strtod(line.c_str() + blank + 1, nullptr)});
    }
    return queries;
}

bool AnyQuery(const std::string& volume, const std::string& outcome) {
    const auto queries = VolumeQueries(volume);
    return std::any_of(queries.begin(), queries.end(), [&](const VolumeQuery& q) { return q.outcome == outcome; });
}

Figures SystemFigures(const std::string& root) {
    ULARGE_INTEGER available{}, total{}, free{};
    Figures figures;
    const UINT mode = SetErrorMode(SEM_FAILCRITICALERRORS);
    if (GetDiskFreeSpaceExW(Widen(root).c_str(), &available, &total, &free)) {
        figures.capacity = static_cast<int64_t>(total.QuadPart);
        figures.free = static_cast<int64_t>(free.QuadPart);
        figures.available = static_cast<int64_t>(available.QuadPart);
    }
    SetErrorMode(mode);
    return figures;
}

COLORREF CellPixel(const RemoteListView& list, int row, int column, double share) {
    const RECT cell = list.CellRect(row, column);
    // The arrow takes the right end of the cell.
    POINT point{cell.left + 3 + static_cast<LONG>((cell.right - cell.left - 20) * share),
                (cell.top + cell.bottom) / 2 + 2};
    ClientToScreen(list.Handle(), &point);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

bool IsGrey(COLORREF c) {
    return std::abs(GetRValue(c) - GetGValue(c)) < 16 && std::abs(GetGValue(c) - GetBValue(c)) < 16 &&
           GetRValue(c) > 200;
}

void DrivesTest::SetUp() {
    MonitorTest::SetUp();
    for (const char* volume : {"usb", "fixed", "network"}) {
        for (const char* lever : {"hang", "fail", "queries"}) SetLever(volume, lever, false);
    }
    SetFigures("usb", 17179869184LL, 3435973837LL, 3435973837LL);
    SetFigures("fixed", 53687091200LL, 42949672960LL, 42949672960LL);
    SetFigures("network", 107374182400LL, 4294967296LL, 4294967296LL);
}

void DrivesTest::TearDown() {
    // A measuring thread that still waits is let go before its process is closed.
    SetLever("network", "hang", false);
    SetLever("network", "fail", false);
    MonitorTest::TearDown();
}

std::vector<std::wstring> DrivesTest::RowNames(const RemoteListView& list) {
    std::vector<std::wstring> names;
    for (int row = 0; row < list.RowCount(); ++row) {
        std::wstring caption = list.Text(row, 0);
        const size_t first = caption.find_first_not_of(L' ');
        names.push_back(first == std::wstring::npos ? std::wstring() : caption.substr(first));
    }
    return names;
}

int DrivesTest::RowOf(const RemoteListView& list, const std::wstring& name) {
    const auto names = RowNames(list);
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace vx::e2e
