#include "platform/registry.h"

namespace vx {

bool ValueExists(Registry& registry, std::string_view key, std::string_view name) {
    return registry.Read(key, name).has_value();
}

std::optional<RegType> ValueType(Registry& registry, std::string_view key, std::string_view name) {
    auto value = registry.Read(key, name);
    if (!value) return std::nullopt;
    return value->type;
}

std::string ReadString(Registry& registry, std::string_view key, std::string_view name) {
    auto value = registry.Read(key, name);
    if (!value || (value->type != RegType::String && value->type != RegType::ExpandString)) return {};
    return value->text;
}

int32_t ReadInteger(Registry& registry, std::string_view key, std::string_view name) {
    auto value = registry.Read(key, name);
    if (!value || value->type != RegType::Integer) return -1;
    return value->integer;
}

std::vector<uint8_t> ReadBinary(Registry& registry, std::string_view key, std::string_view name) {
    auto value = registry.Read(key, name);
    if (!value || value->type != RegType::Binary) return {};
    return value->bytes;
}

}  // namespace vx
