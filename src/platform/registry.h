#pragma once
// The registry as the settings store and the other parts of the program see it.
// Keys are paths below one hive ("SOFTWARE\\Brelling\\Vantorix"); key and value names compare
// without regard to case, as in the Windows registry.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

enum class RegType { String, ExpandString, Integer, Binary, Other };

struct RegValue {
    RegType type = RegType::Other;
    std::string text;            // String, ExpandString (UTF-8)
    int32_t integer = 0;         // Integer (REG_DWORD)
    std::vector<uint8_t> bytes;  // Binary, and the raw data of Other
};

class Registry {
public:
    virtual ~Registry() = default;

    // Empty when the key or value is missing or cannot be read.
    virtual std::optional<RegValue> Read(std::string_view key, std::string_view name) = 0;
    virtual bool KeyExists(std::string_view key) = 0;
    // The writes create the key when it is missing and report success.
    virtual bool WriteString(std::string_view key, std::string_view name, std::string_view value) = 0;
    virtual bool WriteInteger(std::string_view key, std::string_view name, int32_t value) = 0;
    virtual bool WriteBinary(std::string_view key, std::string_view name,
                             const std::vector<uint8_t>& value) = 0;
    // Deletes the key with all its subkeys, depth-first, then the key itself.
    virtual bool DeleteKeyTree(std::string_view key) = 0;
    virtual std::vector<std::string> ValueNames(std::string_view key) = 0;
    virtual std::vector<std::string> SubKeyNames(std::string_view key) = 0;
};

// The direct routines shared by the whole program.
bool ValueExists(Registry& registry, std::string_view key, std::string_view name);
std::optional<RegType> ValueType(Registry& registry, std::string_view key, std::string_view name);
// Empty when missing or not a string.
std::string ReadString(Registry& registry, std::string_view key, std::string_view name);
// -1 when missing or not an integer.
int32_t ReadInteger(Registry& registry, std::string_view key, std::string_view name);
// Empty when missing or not binary.
std::vector<uint8_t> ReadBinary(Registry& registry, std::string_view key, std::string_view name);

inline constexpr std::string_view kSettingsKey = "SOFTWARE\\Brelling\\Vantorix";

}  // namespace vx
