#pragma once
// Network drives are measured on a thread of their own: their answer can take long or never
// come, and the window must never wait for it. One job at a time; while one is pending no other is
// taken, so a hung drive delays the next figures but never queues jobs.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/volumes.h"

namespace vx {

// The figures of one network drive; -1 each when the measurement failed. They travel by value,
// so a late answer of a thread that was told to end can never be read through another's fields.
struct RemoteResult {
    std::string name;
    int64_t available = -1;
    int64_t capacity = -1;
    int64_t free = -1;
};

class RemoteMeasurer {
public:
    // `deliver` runs on the measuring thread and returns once the window has taken the figures
    // (a synchronous message in the program).
    RemoteMeasurer(std::shared_ptr<Volumes> volumes, std::function<void(const RemoteResult&)> deliver);
    // Tells the thread to end and leaves it: it may be stuck inside the system call.
    ~RemoteMeasurer();
    RemoteMeasurer(const RemoteMeasurer&) = delete;
    RemoteMeasurer& operator=(const RemoteMeasurer&) = delete;

    // Hands the drives ("N:") over when no job is pending; false when one is.
    bool TryHandOver(const std::vector<std::string>& names);
    int Pending() const;
    void Terminate();

    // Shared by the measurer and its thread; public only so that the thread's loop can name it.
    struct State;

private:
    std::shared_ptr<State> state_;
};

}  // namespace vx
