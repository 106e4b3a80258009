#pragma once
// Writes the reference language file from the texts of every window that exists.
#include <string>
#include <vector>

#include "intl/catalogue.h"
#include "intl/component.h"

namespace vx {

// True when the text is worth translating: not "http://", and holding at least one character
// from 'A' to 'z'.
bool IsTranslatable(const std::string& text);

// The exclusion list of the main window: component paths whose texts are not written.
const std::vector<std::string>& MainWindowExclusions();

// The whole file as UTF-8 lines joined by CR LF. A file with only ASCII text is plain; any
// other starts with a UTF-8 byte-order mark, so that it reads back as written.
std::string WriteLanguageFile(const ApplicationComponents& application,
                              const std::vector<std::string>& exclusions, const CatalogueEntries& catalogue);

// The form a catalogue entry needs in the file to read back as itself.
std::string EscapeCatalogueLine(const std::string& entry);

}  // namespace vx
