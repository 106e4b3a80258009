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
// The lines the volume noted, one per size query of a Windows program.
std::vector<std::string> VolumeQueries(const std::string& volume);

// What GetDiskFreeSpaceEx reports to this process; Capacity -1 when it fails.
struct Figures {
    int64_t capacity = -1;
    int64_t free = -1;
    int64_t available = -1;
};
Figures SystemFigures(const std::string& root);

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
