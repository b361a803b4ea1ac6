#include "core/mapeditor/ClipboardPaste.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>

#include "core/texts/TextTables.h"

namespace zarvex1 {
namespace {

constexpr std::size_t MaxField = 64; // characters kept of one field
constexpr std::size_t MaxHeaderLine = 64;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsNumberChar(char c) {
    return IsDigit(c) || c == '-' || c == '.';
}

// A field's number as "%lf" reads it: the longest leading number; nothing for "-" or ".".
std::optional<double> ReadNumber(const std::string &field) {
    double value = 0.0;
    const auto result = std::from_chars(field.data(), field.data() + field.size(), value);
    if (result.ec != std::errc{} || result.ptr == field.data())
        return std::nullopt;
    return value;
}

// A field of digits, "-" and "." collected from the text; "," counts as the decimal point.
class Field {
public:
    void Add(char c) {
        if (c == ',')
            c = '.';
        if (IsNumberChar(c) && text_.size() < MaxField)
            text_ += c;
    }
    std::optional<double> Take() {
        const auto value = ReadNumber(text_);
        text_.clear();
        return value;
    }

private:
    std::string text_;
};

// A blank followed by exactly three digits and then no digit separates thousands.
bool IsThousandsSeparator(std::string_view text, std::size_t i) {
    if (i + 3 >= text.size())
        return false;
    for (std::size_t k = 1; k <= 3; ++k)
        if (!IsDigit(text[i + k]))
            return false;
    return i + 4 >= text.size() || !IsDigit(text[i + 4]);
}

std::size_t CodePoints(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// "%i": decimal, 0x hexadecimal or 0 octal, with sign; clamped to the int range.
std::optional<int> ReadInteger(std::string_view value) {
    const std::string text(value);
    char *end = nullptr;
    errno = 0;
    const long parsed = std::strtol(text.c_str(), &end, 0);
    if (end == text.c_str())
        return std::nullopt;
    return static_cast<int>(std::clamp<long>(parsed, INT_MIN, INT_MAX));
}

int Raw(double value, double scale) {
    return RawFromPhysical(value, scale != 0.0 ? scale : 1.0);
}

std::size_t TableStartFrom(std::string_view text, std::size_t position) {
    while (position < text.size()) {
        if (text[position] == '\t')
            return position;
        const std::size_t lf = text.find('\n', position);
        if (lf == std::string_view::npos)
            break;
        position = lf + 1;
    }
    return std::string_view::npos;
}

} // namespace

std::optional<PasteTarget> FindPasteTarget(const CSheet &sheet) {
    const TSel &sel = sheet.sel;
    if (sel.Empty() || sel.boxX0 < -1 || sel.boxY0 < -1)
        return std::nullopt;
    const CAxe &x = sheet.axisX;
    const CAxe &y = sheet.axisY;
    const int column = sel.boxX0;
    const int row = sel.boxY0;

    if (row == -1) { // X header row
        if (!x.editable() || x.collapsed() || column < 0 || column >= x.count)
            return std::nullopt;
        return PasteTarget{column, x.count - 1, -1, -1};
    }
    if (column == -1) { // Y header column
        if (!y.editable() || y.collapsed() || row < 0 || row >= y.count)
            return std::nullopt;
        return PasteTarget{-1, -1, row, y.count - 1};
    }
    if (!sheet.axisData.editable() || column >= x.count || row >= y.count)
        return std::nullopt;
    PasteTarget target{column, x.count - 1, row, y.count - 1};
    // A collapsed axis takes part with its used line only, and only when that is selected.
    if (x.collapsed()) {
        if (x.collapsedIndex < sel.boxX0 || x.collapsedIndex > sel.boxX1 || x.collapsedIndex >= x.count)
            return std::nullopt;
        target.firstColumn = target.lastColumn = x.collapsedIndex;
    }
    if (y.collapsed()) {
        if (y.collapsedIndex < sel.boxY0 || y.collapsedIndex > sel.boxY1 || y.collapsedIndex >= y.count)
            return std::nullopt;
        target.firstRow = target.lastRow = y.collapsedIndex;
    }
    return target;
}

int PasteValues(CSheet &sheet, const PasteTarget &target, std::string_view text, const LayoutRecord &layout) {
    TSel &sel = sheet.sel;
    sel.ClearSelection();
    int written = 0;
    int column = target.firstColumn;
    int row = target.firstRow;
    bool numberOnLine = false;
    Field field;

    const auto endField = [&] {
        const auto value = field.Take();
        if (!value || column < target.firstColumn || column > target.lastColumn || row < target.firstRow ||
            row > target.lastRow)
            return;
        if (row == -1) {
            sheet.axisX.values[static_cast<std::size_t>(column)] = Raw(*value, sheet.axisX.scale);
            sel.xMarks[static_cast<std::size_t>(column)] |= MarkPending;
            written |= AxisX;
        } else if (column == -1) {
            sheet.axisY.values[static_cast<std::size_t>(row)] = Raw(*value, sheet.axisY.scale);
            sel.yMarks[static_cast<std::size_t>(row)] |= MarkPending;
            written |= AxisY;
        } else {
            const CAxe &data = sheet.axisData;
            double q = *value / (data.scale != 0.0 ? data.scale : 1.0);
            if (q > 5.0 * data.max) // a sensor value given in its thousandths (mV for V)
                q *= 0.001;
            sheet.Cell(column, row) = RawFromPhysical(q, 1.0);
            sel.CellMark(column, row) |= MarkPending;
            written |= AxisData;
        }
    };

    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ') {
            if (IsThousandsSeparator(text, i))
                continue;
            while (i + 1 < text.size() && text[i + 1] == ' ')
                ++i;
            if (numberOnLine) { // a run of blanks separates fields like a tab
                endField();
                ++column;
            }
        } else if (c == '\t') {
            endField();
            ++column;
        } else if (c == '\n') {
            endField();
            ++row;
            column = target.firstColumn;
            numberOnLine = false;
        } else {
            if (IsNumberChar(c) || c == ',')
                numberOnLine = true;
            field.Add(c);
        }
    }
    endField();

    sel.mode = target.firstRow == -1 ? SelXHeaders : target.firstColumn == -1 ? SelYHeaders : SelCells;
    sel.Recount();
    sel.CommitSelection(layout);
    return written;
}

PasteTablePlan PlanPasteTable(const CSheet &sheet, std::string_view text) {
    PasteTablePlan plan;
    std::optional<int> sizeX;
    std::optional<int> sizeY;
    char onlyXY = 0;

    std::size_t position = 0;
    while (position < text.size() && text[position] != '\t') {
        const std::size_t lf = text.find('\n', position);
        if (lf == std::string_view::npos)
            break; // a line without a line feed ends the header
        std::string_view line = text.substr(position, lf - position);
        if (CodePoints(line) > MaxHeaderLine)
            break; // so does an overlong line
        position = lf + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            continue;
        const std::string_view key = line.substr(0, tab);
        const std::string_view value = line.substr(tab + 1);
        if (key == "LabelX:")
            plan.keyXMatched = value == sheet.axisX.key;
        else if (key == "LabelY:")
            plan.keyYMatched = value == sheet.axisY.key;
        else if (key == "LabelData:")
            plan.keyDataMatched = value == sheet.axisData.key;
        else if (key == "SizeX:")
            sizeX = ReadInteger(value);
        else if (key == "SizeY:")
            sizeY = ReadInteger(value);
        else if (key == "OnlyXY:")
            onlyXY = value.empty() ? 0 : value.front();
    }
    plan.tableStart = TableStartFrom(text, position);

    if (!sizeX || !sizeY || *sizeX == 0 || *sizeY == 0)
        return plan;
    if (!plan.keyXMatched && !plan.keyYMatched && !plan.keyDataMatched)
        return plan;
    const CAxe &x = sheet.axisX;
    const CAxe &y = sheet.axisY;
    const bool xMayChange = x.editable() && x.resizable() && plan.keyXMatched && plan.keyDataMatched;
    const bool yMayChange = y.editable() && y.resizable() && plan.keyYMatched && plan.keyDataMatched;
    if ((*sizeX != x.count && !xMayChange) || (*sizeY != y.count && !yMayChange)) {
        plan.status = PasteTableStatus::DimensionMismatch;
        return plan;
    }

    plan.collapseX = (onlyXY == 'X' && x.collapseMode != 0) || x.collapseMode == 2;
    plan.collapseY = (onlyXY == 'Y' && y.collapseMode != 0) || y.collapseMode == 2;
    const auto fit = [](int size, const CAxe &axis) {
        const int lowest = std::max(1, axis.minCount);
        return std::clamp(size, lowest, std::max(lowest, std::min(axis.maxCount, axis.Capacity())));
    };
    plan.countX = fit(*sizeX, x);
    plan.countY = fit(*sizeY, y);
    plan.status = PasteTableStatus::Ready;
    return plan;
}

int ApplyPasteTable(CSheet &sheet, const PasteTablePlan &plan, std::string_view text) {
    if (plan.status != PasteTableStatus::Ready)
        return 0;
    CAxe &x = sheet.axisX;
    CAxe &y = sheet.axisY;
    int changed = 0;
    // A new count or collapse changes what the page stores even when no value of the axis arrives.
    if (x.count != plan.countX || (plan.collapseX && !x.collapsed()))
        changed |= AxisX | AxisData;
    if (y.count != plan.countY || (plan.collapseY && !y.collapsed()))
        changed |= AxisY | AxisData;
    x.count = plan.countX;
    y.count = plan.countY;
    if (plan.collapseX)
        x.SetCollapsed(true);
    if (plan.collapseY)
        y.SetCollapsed(true);
    x.UpdateCollapsedIndex();
    y.UpdateCollapsedIndex();

    int column = -1;
    int row = -1;
    Field field;
    const auto endField = [&] {
        const auto value = field.Take();
        if (!value || column < -1 || column >= x.count || row < -1 || row >= y.count ||
            (column == -1 && row == -1))
            return;
        if (row == -1) {
            if (x.editable() && plan.keyXMatched) {
                x.values[static_cast<std::size_t>(column)] = Raw(*value, x.scale);
                changed |= AxisX;
            }
        } else if (column == -1) {
            if (y.editable() && plan.keyYMatched) {
                y.values[static_cast<std::size_t>(row)] = Raw(*value, y.scale);
                changed |= AxisY;
            }
        } else if (sheet.axisData.editable() && plan.keyDataMatched) {
            sheet.Cell(column, row) = Raw(*value, sheet.axisData.scale);
            changed |= AxisData;
        }
    };
    for (std::size_t i = plan.tableStart; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\t') {
            endField();
            ++column;
        } else if (c == '\n') {
            endField();
            ++row;
            column = -1;
        } else {
            field.Add(c); // blanks and anything else but the number characters are ignored
        }
    }
    if (plan.tableStart < text.size())
        endField();

    sheet.sel.ClearSelection();
    return changed;
}

ClipboardMessage DimensionMismatchMessage(int languageIndex) {
    return {TranslateText(
                TextTableEditor,
                "Table dimensions are not eqal and there is unable to change it !\nInsertion canceled...",
                languageIndex),
            TranslateText(TextTableGeneral, "Error", languageIndex)};
}

} // namespace zarvex1
