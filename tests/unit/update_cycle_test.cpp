#include <gtest/gtest.h>

#include "disks/drive_list.h"
#include "disks/update_cycle.h"
#include "platform/memory/memory_volumes.h"

namespace vx {
namespace {

std::vector<int> RefreshTicks(int interval, int ticks) {
    UpdateTicker ticker;
    std::vector<int> refreshes;
    for (int tick = 1; tick <= ticks; ++tick) {
        if (ticker.Tick(interval)) refreshes.push_back(tick);
    }
    return refreshes;
}

TEST(UpdateTicker, RefreshesEveryIntervalMinusOneTicks) {
    EXPECT_EQ(RefreshTicks(10, 30), (std::vector<int>{9, 18, 27}));
    EXPECT_EQ(RefreshTicks(1, 4), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(RefreshTicks(2, 4), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(RefreshTicks(3, 6), (std::vector<int>{2, 4, 6}));
    // Stored nonsense neither stops the cycle nor hangs it.
    EXPECT_EQ(RefreshTicks(0, 3), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(RefreshTicks(-32768, 3), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(RefreshTicks(32767, 100).size(), 0u);
}

TEST(SplashTicker, GoesAtTheThirdTick) {
    SplashTicker splash;
    EXPECT_FALSE(splash.Tick());
    EXPECT_FALSE(splash.Tick());
    EXPECT_TRUE(splash.Tick());
    EXPECT_FALSE(splash.Tick());
}

class RefreshTest : public ::testing::Test {
protected:
    void SetUp() override {
        MemoryVolume c;
        c.type = VolumeType::Fixed;
        c.label = "SYSTEM";
        c.space = SpaceFigures{400, 1000, 500};
        volumes.Add("C:\\", c);
        MemoryVolume d;
        d.type = VolumeType::CdRom;
        d.displayName = "CD Drive (D:)";
        d.space = SpaceFigures{1, 700, 1};
        volumes.Add("D:\\", d);
        MemoryVolume n;
        n.type = VolumeType::Remote;
        n.displayName = "share (N:)";
        volumes.Add("N:\\", n);
        MemoryVolume e = c;
        e.type = VolumeType::Removable;
        volumes.Add("E:\\", e);
        options.EnabledDisks = {"C:", "D:", "N:"};
        options.DisabledDisks = {"E:"};
        drives = GetDisksList(volumes, options);
    }
    MemoryVolumes volumes;
    Options options;
    std::vector<DriveRecord> drives;
    std::vector<std::string> labels;
};

TEST_F(RefreshTest, MeasuresMonitoredAndConditionDrivesAndHandsOverNetworkOnes) {
    const RefreshOutcome outcome = RefreshDrives(volumes, drives, labels, options, {"E:"});
    EXPECT_TRUE(outcome.measuredAny);
    EXPECT_EQ(outcome.networkJob, std::vector<std::string>{"N:"});
    EXPECT_EQ(drives[0].Capacity, 1000);  // C:
    EXPECT_EQ(drives[1].Capacity, 0);     // D: without a disc is not touched
    EXPECT_EQ(drives[2].Capacity, 1000);  // E: unmonitored, but a condition names it
    EXPECT_EQ(labels[0], "SYSTEM");
    EXPECT_EQ(labels[1], "CD Drive (D:)");
    // The next refresh compares with this one.
    volumes.At("C:\\").space = SpaceFigures{400, 1000, 520};
    RefreshDrives(volumes, drives, labels, options, {});
    EXPECT_EQ(drives[0].FreeDelta, 20);
    EXPECT_EQ(drives[2].Capacity, 1000) << "no longer measured, keeps its figures";
}

TEST_F(RefreshTest, NothingMonitoredMeasuresNothing) {
    options.EnabledDisks.clear();
    const RefreshOutcome outcome = RefreshDrives(volumes, drives, labels, options, {});
    EXPECT_FALSE(outcome.measuredAny);
    EXPECT_TRUE(outcome.networkJob.empty());
}

TEST_F(RefreshTest, RemoteResultsTakeOverByName) {
    ASSERT_EQ(drives[3].Name, "N:");  // drives come in letter order
    EXPECT_EQ(ApplyRemoteResult(drives, {"N:", 10, 100, 30}), 3u);
    EXPECT_EQ(drives[3].Used, 70);
    EXPECT_EQ(drives[3].Available, 10);
    EXPECT_EQ(ApplyRemoteResult(drives, {"n:", -1, -1, -1}), 3u);  // failed: no data, Used 0
    EXPECT_EQ(drives[3].Capacity, -1);
    EXPECT_EQ(drives[3].Used, 0);
    EXPECT_FALSE(ApplyRemoteResult(drives, {"Q:", 1, 2, 3}).has_value());
}

}  // namespace
}  // namespace vx
