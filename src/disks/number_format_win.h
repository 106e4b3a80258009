#pragma once
// The user's decimal and thousands separators, as sizes are shown with them.
#include "disks/sizes.h"

namespace vx {

NumberFormat UserNumberFormat();

}  // namespace vx
