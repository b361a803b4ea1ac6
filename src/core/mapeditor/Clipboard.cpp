#include "core/mapeditor/Clipboard.h"

#include <algorithm>

#include "core/mapeditor/views/NumberFormat.h"

namespace zarvex1 {
namespace {

// Values are written as shown, without unit; only the numbers take the Czech decimal comma, so that
// titles and keys stay as stored.
class NumberWriter {
public:
    explicit NumberWriter(int languageIndex) : comma_(languageIndex == LanguageWithDecimalComma) {}

    std::string operator()(int raw, double scale) const {
        std::string text = FormatValue(raw, scale);
        return comma_ ? WithDecimalComma(std::move(text)) : text;
    }

private:
    bool comma_;
};

int AxisValue(const CAxe &axis, int index) {
    return axis.values[static_cast<std::size_t>(index)];
}

int UsedIndex(const CAxe &axis) {
    return std::clamp(axis.collapsedIndex, 0, std::max(0, axis.count - 1));
}

// The X row (with a leading tab when the Y values stand before the cells) and one line per Y point.
std::string Table(const CSheet &sheet, const NumberWriter &number, bool omitCollapsed) {
    const CAxe &x = sheet.axisX;
    const CAxe &y = sheet.axisY;
    const bool leaveOutX = omitCollapsed && x.collapsed();
    const bool leaveOutY = omitCollapsed && y.collapsed() && !leaveOutX;
    const int columnFirst = leaveOutX ? UsedIndex(x) : 0;
    const int columnLast = leaveOutX ? columnFirst : x.count - 1;
    const int rowFirst = leaveOutY ? UsedIndex(y) : 0;
    const int rowLast = leaveOutY ? rowFirst : y.count - 1;

    std::string text;
    if (!leaveOutX) {
        if (!leaveOutY)
            text += '\t';
        for (int i = 0; i < x.count; ++i) {
            if (i > 0)
                text += '\t';
            text += number(AxisValue(x, i), x.scale);
        }
    }
    for (int row = rowFirst; row <= rowLast; ++row) {
        if (!text.empty() || row > rowFirst)
            text += '\n';
        bool first = true;
        if (!leaveOutY) {
            text += number(AxisValue(y, row), y.scale);
            first = false;
        }
        for (int column = columnFirst; column <= columnLast; ++column) {
            if (!first)
                text += '\t';
            first = false;
            text += number(sheet.Cell(column, row), sheet.axisData.scale);
        }
    }
    return text;
}

// Selected headers from the first to the last, unselected ones empty.
template <std::size_t N>
std::string HeaderRun(const std::array<std::uint8_t, N> &marks, const CAxe &axis, const NumberWriter &number,
                      char separator) {
    int first = -1;
    int last = -1;
    for (int i = 0; i < std::min(axis.count, static_cast<int>(N)); ++i) {
        if (marks[static_cast<std::size_t>(i)] & MarkSelected) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    std::string text;
    for (int i = first; first >= 0 && i <= last; ++i) {
        if (i > first)
            text += separator;
        if (marks[static_cast<std::size_t>(i)] & MarkSelected)
            text += number(AxisValue(axis, i), axis.scale);
    }
    return text;
}

} // namespace

bool SomethingToCopy(const CSheet &sheet) {
    const TSel &sel = sheet.sel;
    if (sel.Empty())
        return false;
    const CAxe &ax = sheet.axisX;
    const CAxe &ay = sheet.axisY;
    const int nx = std::min(ax.count, MaxX), ny = std::min(ay.count, MaxY);
    if (sel.kind == SelXHeaders) {
        for (int i = 0; i < nx && !ax.collapsed(); ++i)
            if ((sel.xMarks[static_cast<std::size_t>(i)] & MarkSelected) != 0)
                return true;
        return false;
    }
    if (sel.kind == SelYHeaders) {
        for (int j = 0; j < ny && !ay.collapsed(); ++j)
            if ((sel.yMarks[static_cast<std::size_t>(j)] & MarkSelected) != 0)
                return true;
        return false;
    }
    for (int j = 0; j < ny; ++j) {
        if (ay.collapsed() && j != ay.collapsedIndex)
            continue;
        for (int i = 0; i < nx; ++i)
            if ((!ax.collapsed() || i == ax.collapsedIndex) && (sel.CellMark(i, j) & MarkSelected) != 0)
                return true;
    }
    return false;
}

bool SomethingToPasteInto(const CSheet &sheet) {
    if (!SomethingToCopy(sheet))
        return false;
    const int kind = sheet.sel.kind;
    return (kind == SelXHeaders   ? sheet.axisX
            : kind == SelYHeaders ? sheet.axisY
                                  : sheet.axisData)
        .editable();
}

std::string CopySelectionText(const CSheet &sheet, int languageIndex) {
    const TSel &sel = sheet.sel;
    const CAxe &x = sheet.axisX;
    const CAxe &y = sheet.axisY;
    const NumberWriter number(languageIndex);

    // Headers of a collapsed axis are not in use and are not copied. Y headers stand one below the
    // other, so they go out as a column that pastes back onto the Y header column.
    if (sel.kind == SelXHeaders)
        return x.collapsed() ? std::string() : HeaderRun(sel.xMarks, x, number, '\t');
    if (sel.kind == SelYHeaders)
        return y.collapsed() ? std::string() : HeaderRun(sel.yMarks, y, number, '\n');
    if (sel.kind != SelCells)
        return {};

    int x0 = MaxX, x1 = -1, y0 = MaxY, y1 = -1;
    for (int row = 0; row < std::min(y.count, MaxY); ++row) {
        for (int column = 0; column < std::min(x.count, MaxX); ++column) {
            if (sel.CellMark(column, row) & MarkSelected) {
                x0 = std::min(x0, column);
                x1 = std::max(x1, column);
                y0 = std::min(y0, row);
                y1 = std::max(y1, row);
            }
        }
    }
    // With a collapsed axis only its used column or row counts.
    if (x.collapsed())
        x0 = x1 = (x.collapsedIndex >= x0 && x.collapsedIndex <= x1) ? x.collapsedIndex : -1;
    if (y.collapsed())
        y0 = y1 = (y.collapsedIndex >= y0 && y.collapsedIndex <= y1) ? y.collapsedIndex : -1;
    if (x1 < 0 || y1 < 0 || x0 < 0 || y0 < 0)
        return {};

    std::string text;
    for (int row = y0; row <= y1; ++row) {
        if (row > y0)
            text += '\n';
        for (int column = x0; column <= x1; ++column) {
            if (column > x0)
                text += '\t';
            if (sel.CellMark(column, row) & MarkSelected)
                text += number(sheet.Cell(column, row), sheet.axisData.scale);
        }
    }
    return text;
}

std::string CopyTableText(const CSheet &sheet, int languageIndex) {
    return Table(sheet, NumberWriter(languageIndex), true);
}

std::string SheetText(const CSheet &sheet, int languageIndex) {
    std::string text;
    text += "Label:\t" + sheet.title + "\n";
    text += "LabelX:\t" + sheet.axisX.key + "\n";
    text += "LabelY:\t" + sheet.axisY.key + "\n";
    text += "LabelData:\t" + sheet.axisData.key + "\n";
    text += "SizeX:\t" + std::to_string(sheet.axisX.count) + "\n";
    text += "SizeY:\t" + std::to_string(sheet.axisY.count) + "\n";
    text += "OnlyXY:\t";
    if (sheet.axisX.collapsed())
        text += "X";
    else if (sheet.axisY.collapsed())
        text += "Y";
    text += "\n";
    // Every point and cell in use is written, collapsed or not.
    return text + Table(sheet, NumberWriter(languageIndex), false);
}

} // namespace zarvex1
