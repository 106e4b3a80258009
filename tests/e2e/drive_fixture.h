#pragma once
// The drives of the test prefix (scripts/wine-drives.sh): the levers of its scripted volumes,
// the figures the system reports, and the drive list of a running monitor.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "e2e_fixture.h"
#include "remote_list_view.h"

namespace vx::e2e {

// True when the scripted volumes (E:, F:, N:) are mounted; otherwise they are plain folders.
bool ScriptedVolumes();
// A file of a scripted volume's control folder ("usb", "fixed", "network").
std::wstring ControlFile(const std::string& volume, const std::string& file);
void SetLever(const std::string& volume, const std::string& lever, bool on);
void SetFigures(const std::string& volume, int64_t total, int64_t free, int64_t available);
// The size queries of Windows programs that the volume noted, in order.
struct VolumeQuery {
    std::string outcome;  // "answered", "failed", or "released" after a hang
    double time = 0;      // seconds
};
std::vector<VolumeQuery> VolumeQueries(const std::string& volume);
bool AnyQuery(const std::string& volume, const std::string& outcome);

// What GetDiskFreeSpaceEx reports to this process; Capacity -1 when it fails.
struct Figures {
    int64_t capacity = -1;
    int64_t free = -1;
    int64_t available = -1;
};
Figures SystemFigures(const std::string& root);

// The colour on screen at a share of a percent cell's width, just below its middle: in the bar's
// lower part when the bar reaches that far.
COLORREF CellPixel(const RemoteListView& list, int row, int column, double share);
bool IsGrey(COLORREF colour);

class DrivesTest : public MonitorTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // The captions of the rows, trimmed.
    static std::vector<std::wstring> RowNames(const RemoteListView& list);
    static int RowOf(const RemoteListView& list, const std::wstring& name);
};

#define VX_REQUIRE_SCRIPTED_VOLUMES()                                                      \
    if (!ScriptedVolumes()) GTEST_SKIP() << "FUSE is not available: no scripted volumes"; \
    static_assert(true)

}  // namespace vx::e2e
