#pragma once
// The refresh cycle: a one-second timer that refreshes every "UpdateInterval" - 1 ticks, and what
// one refresh does to the drive list.
#include <optional>
#include <string>
#include <vector>

#include "app/options.h"
#include "disks/drive_record.h"
#include "disks/remote_measurer.h"
#include "platform/volumes.h"

namespace vx {

class UpdateTicker {
public:
    // One timer tick; true when a refresh is due. An interval of 2 or less refreshes every tick
    // (so do values that make no sense, such as 0 or a negative one).
    bool Tick(int updateInterval);

private:
    int counter_ = 1;
};

// The splash window goes at the third tick after creation.
class SplashTicker {
public:
    bool Tick() { return ++ticks_ == 3; }

private:
    int ticks_ = 0;
};

struct RefreshOutcome {
    bool measuredAny = false;
    std::vector<std::string> networkJob;  // network drives to hand to the measuring thread
};

// Measures every monitored drive and every drive a notification condition names; network drives
// go into the job, optical drives without a disc are set to 0 without being touched.
RefreshOutcome RefreshDrives(Volumes& volumes, std::vector<DriveRecord>& drives,
                             std::vector<std::string>& labels, const Options& options,
                             const std::vector<std::string>& conditionDrives);

// Takes over one network drive's figures; the index of the drive, or none when no drive has the name.
std::optional<size_t> ApplyRemoteResult(std::vector<DriveRecord>& drives, const RemoteResult& result);

}  // namespace vx
