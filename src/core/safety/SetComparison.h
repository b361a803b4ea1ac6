#pragma once

#include "core/catalogue/ParameterCatalogue.h"

#include <string>
#include <vector>

namespace zarvex1 {

// One entry of the catalogue whose value differs between two sets; for a map, the cells that differ
// (index columns x row + column).
struct EntryDifference {
    const CatalogueEntry *entry = nullptr;
    std::vector<int> cells;

    // 1 for a value, the number of differing cells for a map.
    int count() const { return entry->kind == EntryKind::Map ? static_cast<int>(cells.size()) : 1; }
};

// What differs between two parameter sets, grouped by page in page order (values no page shows last),
// in catalogue order within a page.
struct SetComparison {
    std::vector<EntryDifference> differences;

    bool same() const { return differences.empty(); }
    // Values and map cells that differ.
    int changedValues() const;
};

SetComparison CompareSets(const ParameterImage &mine, const ParameterImage &other);

// The comparison as text in the language, for a person: per page its caption, then per value its
// caption with both values in display units ("Retard: 10° → 12°"), per map the number of differing
// cells and each cell by row and column. Empty when the sets are the same.
std::string ComparisonText(const SetComparison &comparison, const ParameterImage &mine,
                           const ParameterImage &other, int language);

} // namespace zarvex1
