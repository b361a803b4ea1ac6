#include "core/safety/TakeSelected.h"

#include "core/session/ParameterSession.h"

namespace zarvex1 {

namespace {

// Copies one value, or one cell of a map; true when it changed.
bool CopyOne(ParameterImage &image, const ParameterImage &other, const CatalogueEntry &e, int cell) {
    if (ParameterCatalogue::RawValue(e, image, cell) == ParameterCatalogue::RawValue(e, other, cell))
        return false;
    switch (e.width) {
    case ValueWidth::Word:
        image.setWord(e.address + cell, other.word(e.address + cell));
        break;
    case ValueWidth::Byte:
        image.setByte(e.address + cell, other.byte(e.address + cell));
        break;
    case ValueWidth::Bit: {
        const unsigned mask = 1u << e.bit;
        image.setByte(e.address, (image.byte(e.address) & ~mask) | (other.byte(e.address) & mask));
        break;
    }
    }
    return true;
}

} // namespace

int CopyChosen(ParameterImage &image, const ParameterImage &other,
               const std::vector<EntryDifference> &chosen) {
    int changed = 0;
    for (const EntryDifference &d : chosen) {
        if (d.entry == nullptr)
            continue;
        if (d.entry->kind != EntryKind::Map) {
            changed += CopyOne(image, other, *d.entry, 0) ? 1 : 0;
            continue;
        }
        for (int cell : d.cells)
            if (cell >= 0 && cell < d.entry->cellCount())
                changed += CopyOne(image, other, *d.entry, cell) ? 1 : 0;
    }
    return changed;
}

bool TakeSelected(ParameterSession &session, const ParameterImage &other,
                  const std::vector<EntryDifference> &chosen) {
    // The active page's typing first, so that the commit below does not bring back what it showed.
    session.PagesToImage();
    if (CopyChosen(session.image(), other, chosen) == 0)
        return false;
    session.ImageToPages();
    session.Commit();
    return true;
}

} // namespace zarvex1
