#include "platform/win/registry_win.h"

#include "core/utf.h"
#include "platform/win/handles_win.h"

namespace vx {

namespace {

HKEY RootOf(Hive hive) {
    return hive == Hive::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

UniqueHKey OpenKey(Hive hive, std::string_view key, REGSAM access) {
    UniqueHKey handle;
    if (RegOpenKeyExW(RootOf(hive), Widen(key).c_str(), 0, access, handle.put()) != ERROR_SUCCESS) {
        return UniqueHKey();
    }
    return handle;
}

// Deletes every subkey of an open key, depth-first, then the subkey itself.
bool DeleteSubKeys(HKEY parent) {
    bool ok = true;
    for (;;) {
        wchar_t name[256];
        DWORD length = 256;
        // Always take index 0: each pass removes the subkey found.
        if (RegEnumKeyExW(parent, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        UniqueHKey child;
        if (RegOpenKeyExW(parent, name, 0, KEY_READ | KEY_WRITE, child.put()) == ERROR_SUCCESS) {
            ok = DeleteSubKeys(child.get()) && ok;
            child.reset();
        }
        if (RegDeleteKeyW(parent, name) != ERROR_SUCCESS) return false;
    }
    return ok;
}

}  // namespace

std::optional<RegValue> WinRegistry::Read(std::string_view key, std::string_view name) {
    UniqueHKey handle = OpenKey(hive_, key, KEY_READ);
    if (!handle) return std::nullopt;
    const std::wstring wideName = Widen(name);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(handle.get(), wideName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::vector<uint8_t> data;
    // The value may grow between the two calls; try again a few times.
    for (int attempt = 0; attempt < 4; ++attempt) {
        data.resize(size + 2);
        DWORD got = size;
        LONG result = RegQueryValueExW(handle.get(), wideName.c_str(), nullptr, &type, data.data(), &got);
        if (result == ERROR_MORE_DATA) {
            size = got;
            continue;
        }
        if (result != ERROR_SUCCESS) return std::nullopt;
        data.resize(got);
        break;
    }
    RegValue value;
    value.bytes = data;
    switch (type) {
        case REG_SZ:
        case REG_EXPAND_SZ: {
            value.type = type == REG_SZ ? RegType::String : RegType::ExpandString;
            std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
            // Stored strings may or may not carry their terminator.
            const size_t nul = text.find(L'\0');
            if (nul != std::wstring::npos) text.resize(nul);
            value.text = Narrow(text);
            value.bytes.clear();
            break;
        }
        case REG_DWORD:
            if (data.size() != sizeof(DWORD)) {
                value.type = RegType::Other;
                break;
            }
            value.type = RegType::Integer;
            value.integer = static_cast<int32_t>(data[0] | (data[1] << 8) | (data[2] << 16) |
                                                 (static_cast<uint32_t>(data[3]) << 24));
            value.bytes.clear();
            break;
        case REG_BINARY:
            value.type = RegType::Binary;
            break;
        default:
            value.type = RegType::Other;
            break;
    }
    return value;
}

bool WinRegistry::KeyExists(std::string_view key) {
    return static_cast<bool>(OpenKey(hive_, key, KEY_READ));
}

bool WinRegistry::WriteRaw(std::string_view key, std::string_view name, unsigned long type, const void* data,
                           unsigned long size) {
    UniqueHKey handle;
    if (RegCreateKeyExW(RootOf(hive_), Widen(key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                        nullptr, handle.put(), nullptr) != ERROR_SUCCESS) {
        return false;
    }
    return RegSetValueExW(handle.get(), Widen(name).c_str(), 0, type, static_cast<const BYTE*>(data), size) ==
           ERROR_SUCCESS;
}

bool WinRegistry::WriteString(std::string_view key, std::string_view name, std::string_view value) {
    const std::wstring wide = Widen(value);
    return WriteRaw(key, name, REG_SZ, wide.c_str(), static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

bool WinRegistry::WriteInteger(std::string_view key, std::string_view name, int32_t value) {
    const DWORD data = static_cast<DWORD>(value);
    return WriteRaw(key, name, REG_DWORD, &data, sizeof(data));
}

bool WinRegistry::WriteBinary(std::string_view key, std::string_view name,
                              const std::vector<uint8_t>& value) {
    return WriteRaw(key, name, REG_BINARY, value.data(), static_cast<DWORD>(value.size()));
}

bool WinRegistry::DeleteKeyTree(std::string_view key) {
    {
        UniqueHKey handle = OpenKey(hive_, key, KEY_READ | KEY_WRITE);
        if (!handle) return false;
        if (!DeleteSubKeys(handle.get())) return false;
    }
    return RegDeleteKeyW(RootOf(hive_), Widen(key).c_str()) == ERROR_SUCCESS;
}

std::vector<std::string> WinRegistry::ValueNames(std::string_view key) {
    std::vector<std::string> names;
    UniqueHKey handle = OpenKey(hive_, key, KEY_READ);
    if (!handle) return names;
    for (DWORD index = 0;; ++index) {
        wchar_t name[16384];
        DWORD length = 16384;
        if (RegEnumValueW(handle.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        names.push_back(Narrow(std::wstring_view(name, length)));
    }
    return names;
}

std::vector<std::string> WinRegistry::SubKeyNames(std::string_view key) {
    std::vector<std::string> names;
    UniqueHKey handle = OpenKey(hive_, key, KEY_READ);
    if (!handle) return names;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD length = 256;
        if (RegEnumKeyExW(handle.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        names.push_back(Narrow(std::wstring_view(name, length)));
    }
    return names;
}

}  // namespace vx
