#pragma once
// The process-wide string catalogue of composed messages, read by entry number from any thread.
// A language change publishes a whole new catalogue; readers keep the one they took.
#include <memory>
#include <string>
#include <vector>

#include "intl/default_catalogue.h"

namespace vx {

using CatalogueEntries = std::vector<std::string>;

// The text of entry `index`. An entry that the loaded catalogue does not supply (a short
// language file, or none loaded yet) is the built-in English one; outside 0 to 181, empty.
std::string CatalogueText(int index);

// The catalogue now in force; empty until a language file supplied one.
std::shared_ptr<const CatalogueEntries> CurrentCatalogue();
// Replaces the catalogue as a whole; readers that took the previous one keep it intact.
void PublishCatalogue(CatalogueEntries entries);
// The built-in English entries, when no language file supplied any.
void FillDefaultCatalogueIfEmpty();

}  // namespace vx
