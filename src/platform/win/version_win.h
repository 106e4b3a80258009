#pragma once
// The real version of Windows: GetVersionEx reports what the program's manifest declares it
// supports, not what is running.
#include <cstdint>

namespace vx {

struct WindowsVersion {
    uint32_t major = 0;
    uint32_t minor = 0;
    uint32_t build = 0;
    bool ntFamily = true;
};

WindowsVersion RealWindowsVersion();

}  // namespace vx
