#pragma once
// One monitored drive or folder and its last measured figures.
#include <cstdint>
#include <string>

namespace vx {

enum class DriveKind : uint8_t {
    Removable = 2,
    Fixed = 3,
    Network = 4,
    Optical = 5,
    RamDisk = 6,
    LocalFolder = 7,    // a folder the user added
    NetworkFolder = 8,  // a UNC folder the user added
};

// Byte counts; Capacity not above 0 means no data (a failed measurement gives -1 everywhere).
struct DriveRecord {
    DriveKind kind = DriveKind::Fixed;
    int64_t Used = 0;
    int64_t Available = 0;
    int64_t Capacity = 0;
    int64_t Free = 0;
    int64_t FreeDelta = 0;
    std::string Name;  // "C:" or a folder path, at most 255 characters
};

}  // namespace vx
