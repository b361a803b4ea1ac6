#include "core/mapeditor/model/ValueEdit.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace zarvex1 {

void TValueEdit::Start(int column, int row, std::string text) {
    editCol = column;
    editRow = row;
    editText = std::move(text);
    if (static_cast<int>(editText.size()) > MaxLength)
        editText.resize(MaxLength);
    caretPos = static_cast<int>(editText.size());
    selStart = selEnd = -1;
    active = 1;
    blink = 0;
}

void TValueEdit::DeleteSelection() {
    if (!HasSelection()) {
        selStart = selEnd = -1;
        return;
    }
    const int lo = std::clamp(SelLow(), 0, static_cast<int>(editText.size()));
    const int hi = std::clamp(SelHigh(), lo, static_cast<int>(editText.size()));
    editText.erase(static_cast<std::size_t>(lo), static_cast<std::size_t>(hi - lo));
    caretPos = lo;
    selStart = selEnd = -1;
}

void TValueEdit::InsertAtCaret(std::string_view text) {
    caretPos = std::clamp(caretPos, 0, static_cast<int>(editText.size()));
    editText.insert(static_cast<std::size_t>(caretPos), text);
    caretPos += static_cast<int>(text.size());
}

bool TValueEdit::InsertChar(char c) {
    const bool allowed = (c >= '0' && c <= '9') || c == ' ' || c == ',' || c == '-' || c == '.';
    if (!allowed || static_cast<int>(editText.size()) >= MaxLength)
        return false;
    DeleteSelection();
    InsertAtCaret(std::string_view(&c, 1));
    return true;
}

void TValueEdit::InsertFiltered(std::string_view text) {
    std::string kept;
    for (char c : text) {
        if (c == '\t' || c == '\n')
            break;
        if (c == ',')
            c = '.';
        if ((c >= '0' && c <= '9') || c == '-' || c == '.' || c == ' ')
            kept += c;
    }
    DeleteSelection();
    const int room = MaxLength - static_cast<int>(editText.size());
    if (room > 0)
        InsertAtCaret(std::string_view(kept).substr(0, static_cast<std::size_t>(room)));
}

void TValueEdit::Backspace() {
    if (HasSelection()) {
        DeleteSelection();
    } else if (caretPos > 0 && caretPos <= static_cast<int>(editText.size())) {
        editText.erase(static_cast<std::size_t>(caretPos - 1), 1);
        --caretPos;
    }
    selStart = selEnd = -1;
}

void TValueEdit::Delete() {
    if (HasSelection()) {
        DeleteSelection();
    } else if (caretPos >= 0 && caretPos < static_cast<int>(editText.size())) {
        editText.erase(static_cast<std::size_t>(caretPos), 1);
    }
    selStart = selEnd = -1;
}

void TValueEdit::MoveCaret(CaretMove move, bool shift) {
    const int length = static_cast<int>(editText.size());
    const int from = caretPos;
    switch (move) {
    case CaretHome:
        caretPos = 0;
        break;
    case CaretEnd:
        caretPos = length;
        break;
    case CaretLeft:
        caretPos = std::max(0, caretPos - 1);
        break;
    case CaretRight:
        caretPos = std::min(length, caretPos + 1);
        break;
    }
    if (shift) {
        if (selStart < 0)
            selStart = from;
        selEnd = caretPos;
    } else {
        selStart = selEnd = -1;
    }
}

void TValueEdit::SelectAll() {
    selStart = 0;
    selEnd = static_cast<int>(editText.size());
    caretPos = selEnd;
}

std::string TValueEdit::SelectedText() const {
    if (!HasSelection())
        return {};
    const int lo = std::clamp(SelLow(), 0, static_cast<int>(editText.size()));
    const int hi = std::clamp(SelHigh(), lo, static_cast<int>(editText.size()));
    return editText.substr(static_cast<std::size_t>(lo), static_cast<std::size_t>(hi - lo));
}

void TValueEdit::PlaceCaretAt(int x) {
    selStart = selEnd = -1;
    if (boundaries.empty() || x <= boundaries.front()) {
        caretPos = 0;
        return;
    }
    int best = 0;
    for (int i = 1; i < static_cast<int>(boundaries.size()); ++i)
        if (std::abs(boundaries[static_cast<std::size_t>(i)] - x) <
            std::abs(boundaries[static_cast<std::size_t>(best)] - x))
            best = i;
    caretPos = best;
}

void TValueEdit::DragCaretTo(int x) {
    const int length = static_cast<int>(editText.size());
    int position = length;
    if (boundaries.size() != editText.size() + 1 || x < boundaries.front()) {
        position = 0;
    } else {
        for (int i = 0; i < length; ++i) {
            const int middle =
                (boundaries[static_cast<std::size_t>(i)] + boundaries[static_cast<std::size_t>(i + 1)]) / 2;
            if (middle > x) {
                position = i;
                break;
            }
        }
    }
    if (selStart < 0)
        selStart = caretPos;
    caretPos = position;
    selEnd = position;
}

void TValueEdit::Layout(const Rect &item, const std::function<int(std::string_view)> &width, int xHeight) {
    const Rect inner{item.left, item.top, item.right - 1, item.bottom - 1};
    const int textWidth = width ? width(editText) : 0;
    const int left = inner.left + (inner.right - inner.left - textWidth) / 2;
    const int top = inner.top + (inner.bottom - inner.top - xHeight) / 2;
    textRect = Rect{left, top, left + textWidth, top + xHeight};
    boundaries.assign(editText.size() + 1, left);
    for (std::size_t i = 1; i <= editText.size(); ++i)
        boundaries[i] = left + (width ? width(std::string_view(editText).substr(0, i)) : 0);
    const int caretX =
        boundaries[static_cast<std::size_t>(std::clamp(caretPos, 0, static_cast<int>(editText.size())))];
    caretRect = Rect{caretX, top, caretX + 2, top + xHeight};
    blink = 0;
}

std::optional<double> ParseEntryValue(std::string_view text) {
    std::string cleaned(text);
    if (const auto comma = cleaned.find(','); comma != std::string::npos)
        cleaned[comma] = '.';
    std::erase_if(cleaned, [](char c) { return c == ' ' || c == '\t'; });
    double value = 0.0;
    const char *begin = cleaned.data();
    const char *end = begin + cleaned.size();
    if (begin != end && *begin == '+')
        ++begin; // scanf takes a leading plus, from_chars does not
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr == begin)
        return std::nullopt;
    return value;
}

} // namespace zarvex1
