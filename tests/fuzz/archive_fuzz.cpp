// The end of a program file is untrusted: a damaged or crafted download may hold any bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "install/archive_locator.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto found = vx::LocateAppendedArchive(
        size, [&](uint64_t offset, size_t length) -> std::optional<std::vector<uint8_t>> {
            if (offset > size || length > size - offset) return std::nullopt;
            return std::vector<uint8_t>(data + offset, data + offset + length);
        });
    if (found && (found->start >= found->end || found->end > size)) std::abort();
    return 0;
}
