#pragma once
// Volumes held in memory for tests: drives by letter, folders by path.
#include <map>
#include <stdexcept>

#include "platform/volumes.h"

namespace vx {

struct MemoryVolume {
    VolumeType type = VolumeType::Fixed;
    std::optional<SpaceFigures> space;
    std::optional<std::string> label;
    std::optional<uint32_t> serial;
    std::string displayName;
    bool throwsOnMeasure = false;  // an error inside the measurement
};

class MemoryVolumes : public Volumes {
public:
    // `root` as "C:\" for drives, or a folder path.
    void Add(const std::string& root, MemoryVolume volume) { volumes_[root] = std::move(volume); }
    void Remove(const std::string& root) { volumes_.erase(root); }
    MemoryVolume& At(const std::string& root) { return volumes_.at(root); }

    uint32_t LogicalDrives() override {
        uint32_t mask = 0;
        for (const auto& [root, volume] : volumes_) {
            if (root.size() == 3 && root[1] == ':' && root[0] >= 'A' && root[0] <= 'Z')
                mask |= 1u << (root[0] - 'A');
        }
        return mask;
    }
    VolumeType DriveType(const std::string& root) override {
        auto it = volumes_.find(root);
        return it == volumes_.end() ? VolumeType::NoRoot : it->second.type;
    }
    std::optional<SpaceFigures> FreeSpace(const std::string& root) override {
        auto it = Find(root);
        if (it == volumes_.end()) return std::nullopt;
        if (it->second.throwsOnMeasure) throw std::runtime_error("device error");
        return it->second.space;
    }
    std::optional<std::string> VolumeLabel(const std::string& root) override {
        auto it = Find(root);
        return it == volumes_.end() ? std::nullopt : it->second.label;
    }
    std::optional<uint32_t> VolumeSerial(const std::string& root) override {
        auto it = Find(root);
        return it == volumes_.end() ? std::nullopt : it->second.serial;
    }
    std::string ShellDisplayName(const std::string& path) override {
        auto it = Find(path);
        return it == volumes_.end() ? std::string() : it->second.displayName;
    }

private:
    std::map<std::string, MemoryVolume>::iterator Find(std::string root) {
        auto it = volumes_.find(root);
        if (it == volumes_.end() && !root.empty() && root.back() != '\\') it = volumes_.find(root + "\\");
        if (it == volumes_.end() && !root.empty() && root.back() == '\\')
            it = volumes_.find(root.substr(0, root.size() - 1));
        return it;
    }
    std::map<std::string, MemoryVolume> volumes_;
};

}  // namespace vx
