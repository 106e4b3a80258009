#pragma once
// The Windows registry behind the Registry interface, on one hive, in the view of the
// program's own bitness.
#include "platform/registry.h"

namespace vx {

enum class Hive { CurrentUser, LocalMachine };

class WinRegistry : public Registry {
public:
    explicit WinRegistry(Hive hive = Hive::CurrentUser) : hive_(hive) {}

    std::optional<RegValue> Read(std::string_view key, std::string_view name) override;
    bool KeyExists(std::string_view key) override;
    bool WriteString(std::string_view key, std::string_view name, std::string_view value) override;
    bool WriteInteger(std::string_view key, std::string_view name, int32_t value) override;
    bool WriteBinary(std::string_view key, std::string_view name, const std::vector<uint8_t>& value) override;
    bool DeleteKeyTree(std::string_view key) override;
    std::vector<std::string> ValueNames(std::string_view key) override;
    std::vector<std::string> SubKeyNames(std::string_view key) override;

private:
    bool WriteRaw(std::string_view key, std::string_view name, unsigned long type, const void* data,
                  unsigned long size);
    Hive hive_;
};

}  // namespace vx
