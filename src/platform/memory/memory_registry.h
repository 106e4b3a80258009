#pragma once
// An in-memory registry for tests: same naming rules as the real one, and a switch that makes
// every write fail, as a key without write access does.
#include <map>

#include "platform/registry.h"

namespace vx {

class MemoryRegistry : public Registry {
public:
    std::optional<RegValue> Read(std::string_view key, std::string_view name) override;
    bool KeyExists(std::string_view key) override;
    bool WriteString(std::string_view key, std::string_view name, std::string_view value) override;
    bool WriteInteger(std::string_view key, std::string_view name, int32_t value) override;
    bool WriteBinary(std::string_view key, std::string_view name, const std::vector<uint8_t>& value) override;
    bool DeleteKeyTree(std::string_view key) override;
    std::vector<std::string> ValueNames(std::string_view key) override;
    std::vector<std::string> SubKeyNames(std::string_view key) override;

    // Stores any value as it stands, for hand-made registries with wrong types.
    void Put(std::string_view key, std::string_view name, RegValue value);
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    // Every write in order, for tests of the write order.
    const std::vector<std::string>& WriteLog() const { return writeLog_; }
    void ClearWriteLog() { writeLog_.clear(); }

private:
    struct Key {
        // Folded name -> (name as first written, value); insertion order kept in `order`.
        std::map<std::string, std::pair<std::string, RegValue>> values;
        std::vector<std::string> order;
    };
    bool Write(std::string_view key, std::string_view name, RegValue value);

    std::map<std::string, Key> keys_;  // folded path -> key
    bool readOnly_ = false;
    std::vector<std::string> writeLog_;
};

}  // namespace vx
