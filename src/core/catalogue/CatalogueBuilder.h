#pragma once

#include "core/catalogue/ParameterCatalogue.h"

#include <vector>

namespace zarvex1 {

// The catalogue's entries: every value of the parameter file in writing order (its key word and
// place), joined with the control of a page that edits it (the caption, range and items come from the
// page's tables), the catalogue's own notes (description, unit, and a caption where no control has
// one), and last every byte that no value names.
std::vector<CatalogueEntry> BuildCatalogueEntries();

} // namespace zarvex1
