#include "platform/memory/memory_registry.h"

#include <algorithm>

#include "core/text.h"

namespace vx {

namespace {

std::string FoldPath(std::string_view key) {
    std::string folded = AsciiLower(key);
    while (!folded.empty() && folded.back() == '\\') folded.pop_back();
    return folded;
}

}  // namespace

std::optional<RegValue> MemoryRegistry::Read(std::string_view key, std::string_view name) {
    auto k = keys_.find(FoldPath(key));
    if (k == keys_.end()) return std::nullopt;
    auto v = k->second.values.find(AsciiLower(name));
    if (v == k->second.values.end()) return std::nullopt;
    return v->second.second;
}

bool MemoryRegistry::KeyExists(std::string_view key) {
    return keys_.count(FoldPath(key)) != 0;
}

void MemoryRegistry::Put(std::string_view key, std::string_view name, RegValue value) {
    // Parent keys exist implicitly, as in the real registry.
    std::string path = FoldPath(key);
    for (size_t pos = path.find('\\'); pos != std::string::npos; pos = path.find('\\', pos + 1)) {
        keys_[path.substr(0, pos)];
    }
    Key& k = keys_[path];
    const std::string folded = AsciiLower(name);
    auto it = k.values.find(folded);
    if (it == k.values.end()) {
        k.values.emplace(folded, std::make_pair(std::string(name), std::move(value)));
        k.order.push_back(folded);
    } else {
        it->second.second = std::move(value);  // the name keeps the case it was created with
    }
}

bool MemoryRegistry::Write(std::string_view key, std::string_view name, RegValue value) {
    if (readOnly_) return false;
    writeLog_.emplace_back(name);
    Put(key, name, std::move(value));
    return true;
}

bool MemoryRegistry::WriteString(std::string_view key, std::string_view name, std::string_view value) {
    RegValue v;
    v.type = RegType::String;
    v.text = std::string(value);
    return Write(key, name, std::move(v));
}

bool MemoryRegistry::WriteInteger(std::string_view key, std::string_view name, int32_t value) {
    RegValue v;
    v.type = RegType::Integer;
    v.integer = value;
    return Write(key, name, std::move(v));
}

bool MemoryRegistry::WriteBinary(std::string_view key, std::string_view name,
                                 const std::vector<uint8_t>& value) {
    RegValue v;
    v.type = RegType::Binary;
    v.bytes = value;
    return Write(key, name, std::move(v));
}

bool MemoryRegistry::DeleteKeyTree(std::string_view key) {
    if (readOnly_) return false;
    const std::string path = FoldPath(key);
    if (!keys_.count(path)) return false;
    const std::string prefix = path + "\\";
    for (auto it = keys_.begin(); it != keys_.end();) {
        if (it->first == path || it->first.compare(0, prefix.size(), prefix) == 0) {
            it = keys_.erase(it);
        } else {
            ++it;
        }
    }
    return true;
}

std::vector<std::string> MemoryRegistry::ValueNames(std::string_view key) {
    std::vector<std::string> names;
    auto k = keys_.find(FoldPath(key));
    if (k == keys_.end()) return names;
    for (const auto& folded : k->second.order) names.push_back(k->second.values.at(folded).first);
    return names;
}

std::vector<std::string> MemoryRegistry::SubKeyNames(std::string_view key) {
    std::vector<std::string> names;
    const std::string prefix = FoldPath(key) + "\\";
    for (const auto& [path, unused] : keys_) {
        if (path.compare(0, prefix.size(), prefix) == 0 &&
            path.find('\\', prefix.size()) == std::string::npos) {
            names.push_back(path.substr(prefix.size()));
        }
    }
    return names;
}

}  // namespace vx
