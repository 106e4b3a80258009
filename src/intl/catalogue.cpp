#include "intl/catalogue.h"

#include <mutex>

namespace vx {

namespace {

struct Published {
    std::mutex mutex;
    std::shared_ptr<const CatalogueEntries> entries = std::make_shared<const CatalogueEntries>();
};

Published& State() {
    static Published state;
    return state;
}

}  // namespace

std::shared_ptr<const CatalogueEntries> CurrentCatalogue() {
    Published& state = State();
    std::lock_guard lock(state.mutex);
    return state.entries;
}

void PublishCatalogue(CatalogueEntries entries) {
    auto published = std::make_shared<const CatalogueEntries>(std::move(entries));
    Published& state = State();
    std::lock_guard lock(state.mutex);
    state.entries = std::move(published);
}

void FillDefaultCatalogueIfEmpty() {
    if (!CurrentCatalogue()->empty()) return;
    CatalogueEntries entries;
    for (int i = 0; i < kCatalogueSize; ++i) entries.emplace_back(DefaultCatalogueEntry(i));
    PublishCatalogue(std::move(entries));
}

std::string CatalogueText(int index) {
    if (index < 0 || index >= kCatalogueSize) return {};
    const auto entries = CurrentCatalogue();
    if (static_cast<size_t>(index) < entries->size()) return (*entries)[index];
    return std::string(DefaultCatalogueEntry(index));
}

}  // namespace vx
