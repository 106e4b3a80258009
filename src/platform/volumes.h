#pragma once
// The volumes of the machine as drive enumeration and measurement see them.
#include <cstdint>
#include <optional>
#include <string>

namespace vx {

// GetDriveType codes.
enum class VolumeType : int {
    Unknown = 0,
    NoRoot = 1,
    Removable = 2,
    Fixed = 3,
    Remote = 4,
    CdRom = 5,
    RamDisk = 6
};

struct SpaceFigures {
    int64_t availableToCaller = 0;
    int64_t total = 0;
    int64_t totalFree = 0;
};

class Volumes {
public:
    virtual ~Volumes() = default;
    // Bit 0 is A:, bit 25 is Z:.
    virtual uint32_t LogicalDrives() = 0;
    virtual VolumeType DriveType(const std::string& root) = 0;  // root "C:\"
    // Empty when the system call fails. May block for a network drive that does not answer.
    virtual std::optional<SpaceFigures> FreeSpace(const std::string& root) = 0;
    virtual std::optional<std::string> VolumeLabel(const std::string& root) = 0;
    virtual std::optional<uint32_t> VolumeSerial(const std::string& root) = 0;
    // As Explorer names the path ("Local Disk (C:)"); empty when the shell has no name.
    virtual std::string ShellDisplayName(const std::string& path) = 0;
};

}  // namespace vx
