#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace zarvex1::manual {

// A bookmark: a heading of the guide, where it stands.
struct OutlineItem {
    QString title;
    int level = 1;  // 1 a chapter, 2 a section inside the chapter before it
    int page = 0;   // from 0
    double top = 0; // the heading's top in points, from the page's bottom (PDF space)
};

// The PDF that Qt's writer made, finished: its creation date set to `epoch` (seconds since 1970,
// UTC) where one is given, so that two builds of the same text give the same bytes, and the bookmarks
// added as an update appended to the file (Qt's writer makes none). False with the reason when the
// PDF is not laid out as that writer lays it out.
bool FinishPdf(QByteArray &pdf, const std::vector<OutlineItem> &outline, std::optional<qint64> epoch,
               QString *error);

} // namespace zarvex1::manual
