#pragma once
// The machine's volumes over Win32 and the shell.
#include "platform/volumes.h"

namespace vx {

class WinVolumes : public Volumes {
public:
    uint32_t LogicalDrives() override;
    VolumeType DriveType(const std::string& root) override;
    // With critical-error boxes suppressed, so a drive without medium answers at once.
    std::optional<SpaceFigures> FreeSpace(const std::string& root) override;
    std::optional<std::string> VolumeLabel(const std::string& root) override;
    std::optional<uint32_t> VolumeSerial(const std::string& root) override;
    std::string ShellDisplayName(const std::string& path) override;
};

}  // namespace vx
