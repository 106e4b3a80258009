#include "disks/remote_measurer.h"

#include <chrono>
#include <condition_variable>
#include <thread>

namespace vx {

struct RemoteMeasurer::State {
    std::shared_ptr<Volumes> volumes;
    std::function<void(const RemoteResult&)> deliver;
    std::atomic<int> pending{0};
    std::atomic<bool> stop{false};
    std::mutex mutex;  // guards the job and wakes the thread
    std::condition_variable wake;
    std::vector<std::string> job;
};

namespace {

void MeasuringLoop(const std::shared_ptr<RemoteMeasurer::State>& stateRef) {
    // The thread keeps its own reference: the state outlives the measurer while the thread runs.
    auto state = stateRef;
    while (!state->stop) {
        std::vector<std::string> job;
        {
            std::unique_lock lock(state->mutex);
            state->wake.wait_for(lock, std::chrono::milliseconds(50),
                                 [&] { return state->stop || state->pending > 0; });
            if (state->stop) break;
            if (state->pending == 0) continue;
            job = state->job;
        }
        for (const auto& name : job) {
            RemoteResult result;
            result.name = name;
            try {
                if (auto space = state->volumes->FreeSpace(name)) {
                    result.available = space->availableToCaller;
                    result.capacity = space->total;
                    result.free = space->totalFree;
                }
            } catch (...) {
                // A failed measurement: -1 figures.
            }
            if (state->stop) return;  // told to end while the drive hung: nobody waits for this
            try {
                state->deliver(result);
            } catch (...) {
            }
        }
        --state->pending;
    }
}

}  // namespace

RemoteMeasurer::RemoteMeasurer(std::shared_ptr<Volumes> volumes,
                               std::function<void(const RemoteResult&)> deliver)
    : state_(std::make_shared<State>()) {
    state_->volumes = std::move(volumes);
    state_->deliver = std::move(deliver);
    std::thread(MeasuringLoop, state_).detach();
}

RemoteMeasurer::~RemoteMeasurer() {
    Terminate();
}

bool RemoteMeasurer::TryHandOver(const std::vector<std::string>& names) {
    if (state_->pending != 0 || state_->stop) return false;
    {
        std::lock_guard lock(state_->mutex);
        state_->job = names;
        ++state_->pending;
    }
    state_->wake.notify_one();
    return true;
}

int RemoteMeasurer::Pending() const {
    return state_->pending;
}

void RemoteMeasurer::Terminate() {
    state_->stop = true;
    state_->wake.notify_one();
}

}  // namespace vx
