#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "disks/remote_measurer.h"
#include "platform/memory/memory_volumes.h"

namespace vx {
namespace {

using namespace std::chrono_literals;

// Network volumes of which one can hang inside its measurement until released.
class HangingVolumes : public MemoryVolumes {
public:
    std::optional<SpaceFigures> FreeSpace(const std::string& root) override {
        if (root == hangingRoot) {
            std::unique_lock lock(mutex);
            hanging = true;
            changed.notify_all();
            changed.wait(lock, [&] { return released; });
        }
        return MemoryVolumes::FreeSpace(root);
    }
    void Release() {
        std::lock_guard lock(mutex);
        released = true;
        changed.notify_all();
    }
    bool WaitUntilHanging() {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, 5s, [&] { return hanging; });
    }
    std::string hangingRoot;
    std::mutex mutex;
    std::condition_variable changed;
    bool hanging = false;
    bool released = false;
};

struct Inbox {
    void Deliver(const RemoteResult& result) {
        std::lock_guard lock(mutex);
        results.push_back(result);
        arrived.notify_all();
    }
    bool WaitFor(size_t count) {
        std::unique_lock lock(mutex);
        return arrived.wait_for(lock, 5s, [&] { return results.size() >= count; });
    }
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<RemoteResult> results;
};

std::shared_ptr<HangingVolumes> NetworkDrives() {
    auto volumes = std::make_shared<HangingVolumes>();
    MemoryVolume n;
    n.type = VolumeType::Remote;
    n.space = SpaceFigures{100, 1000, 200};
    volumes->Add("N:\\", n);
    MemoryVolume m = n;
    m.space = SpaceFigures{5, 50, 7};
    volumes->Add("M:\\", m);
    MemoryVolume broken = n;
    broken.space.reset();
    volumes->Add("X:\\", broken);
    return volumes;
}

TEST(RemoteMeasurer, MeasuresAJobAndTakesTheNextOnlyWhenItIsDone) {
    auto volumes = NetworkDrives();
    auto inbox = std::make_shared<Inbox>();
    RemoteMeasurer measurer(volumes, [inbox](const RemoteResult& r) { inbox->Deliver(r); });
    ASSERT_TRUE(measurer.TryHandOver({"N:", "X:", "M:"}));
    ASSERT_TRUE(inbox->WaitFor(3));
    EXPECT_EQ(inbox->results[0].name, "N:");
    EXPECT_EQ(inbox->results[0].capacity, 1000);
    EXPECT_EQ(inbox->results[0].free, 200);
    EXPECT_EQ(inbox->results[0].available, 100);
    EXPECT_EQ(inbox->results[1].capacity, -1);  // failed: -1 figures
    EXPECT_EQ(inbox->results[1].free, -1);
    EXPECT_EQ(inbox->results[2].capacity, 50);
    for (int i = 0; i < 100 && measurer.Pending() != 0; ++i) std::this_thread::sleep_for(10ms);
    EXPECT_EQ(measurer.Pending(), 0);
    EXPECT_TRUE(measurer.TryHandOver({"M:"}));
    EXPECT_TRUE(inbox->WaitFor(4));
}

TEST(RemoteMeasurer, AHungDriveNeverBlocksTheCallerNorQueuesJobs) {
    auto volumes = NetworkDrives();
    volumes->hangingRoot = "N:";
    auto inbox = std::make_shared<Inbox>();
    RemoteMeasurer measurer(volumes, [inbox](const RemoteResult& r) { inbox->Deliver(r); });
    ASSERT_TRUE(measurer.TryHandOver({"N:"}));
    ASSERT_TRUE(volumes->WaitUntilHanging());
    const auto start = std::chrono::steady_clock::now();
    for (int refresh = 0; refresh < 20; ++refresh) EXPECT_FALSE(measurer.TryHandOver({"M:"}));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 100ms);
    EXPECT_EQ(measurer.Pending(), 1);
    volumes->Release();
    ASSERT_TRUE(inbox->WaitFor(1));
    EXPECT_EQ(inbox->results[0].name, "N:");
    EXPECT_EQ(inbox->results[0].capacity, 1000);
}

TEST(RemoteMeasurer, ALateAnswerAfterTheEndFindsNothingFreed) {
    auto volumes = NetworkDrives();
    volumes->hangingRoot = "N:";
    auto inbox = std::make_shared<Inbox>();
    {
        RemoteMeasurer measurer(volumes, [inbox](const RemoteResult& r) { inbox->Deliver(r); });
        ASSERT_TRUE(measurer.TryHandOver({"N:"}));
        ASSERT_TRUE(volumes->WaitUntilHanging());
    }  // the window went away while the drive hung
    volumes->Release();
    std::this_thread::sleep_for(200ms);
    std::lock_guard lock(inbox->mutex);
    EXPECT_TRUE(inbox->results.empty()) << "a thread told to end delivers nothing";
}

}  // namespace
}  // namespace vx
