#include "core/mapeditor/model/Sheet.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace zarvex1 {

namespace {

// Breakpoint arithmetic in 64 bits so that odd limits cannot overflow; results fit back into int.
int ToInt(std::int64_t v) {
    return static_cast<int>(
        std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

std::string LimitText(std::string_view text, std::size_t maxChars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80) { // a lead byte starts a new character
            if (chars == maxChars)
                return std::string(text.substr(0, i));
            ++chars;
        }
    }
    return std::string(text);
}

int RawFromPhysical(double value, double scale) {
    const double q = value / scale;
    const double r = value >= 0 ? std::trunc(q + 0.5) : std::trunc(q - 0.5);
    // A typed 1e30 or a zero scale must not turn into undefined behaviour.
    if (std::isnan(r))
        return 0;
    if (r >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (r <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

CAxe::CAxe(int capacity, bool breakpoints)
    : maxCount(capacity), values(static_cast<std::size_t>(capacity), 0) {
    if (breakpoints) {
        previous.assign(values.size(), 0);
        beforePush.assign(values.size(), 0);
        pushed.assign(values.size(), 0);
    }
}

void CAxe::SetBands(const CBand *table) {
    bandCount = 0;
    if (table == nullptr)
        return;
    for (const CBand *row = table; row->step2 != 0.0; ++row) {
        if (bandCount < MaxBands)
            bands[static_cast<std::size_t>(bandCount++)] = *row;
        else
            bands[MaxBands - 1] = *row;
    }
}

void CAxe::SelectBand(double value) {
    if (!hasValues_ || bandCount <= 0) {
        currentBand.step1 = currentBand.step2 = currentBand.step3 = currentBand.step4 = 1.0;
        return;
    }
    const int rows = std::min(bandCount, MaxBands);
    for (int i = 0; i < rows; ++i) {
        if (bands[static_cast<std::size_t>(i)].upTo >= value) {
            currentBand = bands[static_cast<std::size_t>(i)];
            return;
        }
    }
    currentBand = bands[static_cast<std::size_t>(rows - 1)];
}

int CAxe::CollapsedIndexFor() const {
    const int last = std::max(0, count - 1);
    switch (collapsePosition) {
    case CollapseFirst:
        return 0;
    case CollapseLast:
        return last;
    case CollapseMiddle:
        return std::max(0, count / 2);
    default:
        return std::clamp(collapsePosition, 0, last);
    }
}

void CAxe::Normalize() {
    const int n = std::clamp(count, 0, Capacity());
    if (previous.size() != values.size() || n == 0) {
        previous = values;
        return;
    }
    const std::int64_t s = step;
    auto at = [this](int i) -> int & { return values[static_cast<std::size_t>(i)]; };
    auto clearPushes = [this] {
        std::fill(pushed.begin(), pushed.end(), 0);
        std::fill(beforePush.begin(), beforePush.end(), 0);
    };
    auto lowest = [&](int j) { return ToInt(min + j * s); };
    auto highest = [&](int j) { return ToInt(max - (n - j - 1) * s); };

    // 1. Which points changed since the last normalization.
    int first = -1;
    int changed = 0;
    if (lastEdited == NoneEdited) {
        changed = n;
        first = 0;
        clearPushes();
    } else {
        for (int i = 0; i < n; ++i) {
            if (at(i) != previous[static_cast<std::size_t>(i)]) {
                if (first < 0)
                    first = i;
                ++changed;
            }
        }
        if (first != -1 && first != lastEdited)
            clearPushes(); // another point is edited now: displacements become permanent
    }

    if (changed == 1) {
        // 2. One edited point: its neighbours give way and remember where they were.
        const int b = first;
        at(b) = std::max(at(b), lowest(b));
        for (int d = b - 1; d >= 0 && at(d) > ToInt(at(d + 1) - s); --d) {
            if (pushed[static_cast<std::size_t>(d)] == 0)
                beforePush[static_cast<std::size_t>(d)] = at(d);
            pushed[static_cast<std::size_t>(d)] = 1;
            at(d) = ToInt(at(d + 1) - s);
        }
        at(b) = std::min(at(b), highest(b));
        for (int d = b + 1; d < n && at(d) < ToInt(at(d - 1) + s); ++d) {
            if (pushed[static_cast<std::size_t>(d)] == 0)
                beforePush[static_cast<std::size_t>(d)] = at(d);
            pushed[static_cast<std::size_t>(d)] = 1;
            at(d) = ToInt(at(d - 1) + s);
        }
        // Spring back: displaced points return towards their old values as far as room allows.
        for (int pass = 0; pass < n; ++pass) {
            for (int k = 0; k < n; ++k) {
                const auto uk = static_cast<std::size_t>(k);
                if (pushed[uk] == 0)
                    continue;
                if (at(k) < beforePush[uk]) {
                    at(k) = beforePush[uk];
                    if (k < n - 1)
                        at(k) = std::min(at(k), ToInt(at(k + 1) - s));
                }
                if (at(k) > beforePush[uk]) {
                    at(k) = beforePush[uk];
                    if (k > 0)
                        at(k) = std::max(at(k), ToInt(at(k - 1) + s));
                }
                if (at(k) == beforePush[uk])
                    pushed[uk] = 0;
            }
        }
    } else {
        // 3. No change, several changes or everything: plain ordering inside the limits.
        for (int j = 0; j < n; ++j)
            at(j) = std::max(at(j), lowest(j));
        for (int j = 0; j < n; ++j)
            at(j) = std::min(at(j), highest(j));
        for (int j = first; j >= 1; --j)
            at(j - 1) = std::min(at(j - 1), ToInt(at(j) - s));
        // Pulling the lower points under a lowered point must not take them below the minimum.
        for (int j = 0; j < n; ++j)
            at(j) = std::max(at(j), lowest(j));
        for (int j = 1; j < n; ++j)
            at(j) = std::max(at(j), ToInt(at(j - 1) + s));
    }

    // 4. Remember the state for the next edit.
    previous = values;
    if (first != -1)
        lastEdited = first;
}

CSheet::CSheet() : axisX(MaxX, true), axisY(MaxY, true), axisData(MaxCells, false) {}

void CSheet::ClampCells() {
    const int nx = std::clamp(axisX.count, 0, MaxX);
    const int ny = std::clamp(axisY.count, 0, MaxY);
    for (int y = 0; y < ny; ++y)
        for (int x = 0; x < nx; ++x)
            Cell(x, y) = std::clamp(Cell(x, y), axisData.min, std::max(axisData.min, axisData.max));
}

} // namespace zarvex1
