#include "intl/application_components.h"

#include <algorithm>

namespace vx {

namespace {
ApplicationComponents& Components() {
    static ApplicationComponents components;
    return components;
}
}  // namespace

void RegisterApplicationComponent(Component* component) {
    auto& components = Components();
    if (std::find(components.begin(), components.end(), component) == components.end()) {
        components.push_back(component);
    }
}

void UnregisterApplicationComponent(Component* component) {
    auto& components = Components();
    components.erase(std::remove(components.begin(), components.end(), component), components.end());
}

const ApplicationComponents& AllApplicationComponents() {
    return Components();
}

}  // namespace vx
