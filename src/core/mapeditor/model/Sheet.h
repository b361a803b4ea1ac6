#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/mapeditor/model/Selection.h"

namespace zarvex1 {

// Capacities of one editor and its sheets.
inline constexpr int MaxSheets = 8;
inline constexpr int MaxX = 50;
inline constexpr int MaxY = 30;
inline constexpr int MaxCells = MaxX * MaxY; // row stride is always MaxX
inline constexpr int TitleSize = 48;         // bytes including the terminator of the stored text
inline constexpr int LabelSize = 32;
inline constexpr int KeySize = 8; // key and unit
inline constexpr int MaxBands = 5;

// Axis bits of NormalizeSheet, DefineAxis and the change notes.
enum AxisBits : int {
    AxisX = 1,
    AxisY = 2,
    AxisData = 4,
    ResetLastEdited = 0x100, // NormalizeSheet: treat every point as changed
};

// SheetFlags of AddSheet.
enum SheetFlags : int {
    TrackLive = 0x01,
    SwapGraphAxes = 0x02,
    HasEnableBox = 0x08,
    NoFlatEnds = 0x20,
    BaseMarkerInRange = 0x100,
    LimiterMarkerInRange = 0x200,
    SecondMarkerInRange = 0x400,
};

// Special values of collapsePosition and lastEdited.
inline constexpr int CollapseFirst = -1;
inline constexpr int CollapseLast = -2;
inline constexpr int CollapseMiddle = -3;
inline constexpr int NoneEdited = -3;

// Options of DefineAxis.
inline constexpr int AxisHasValues = 1;
inline constexpr int AxisFixedRange = 2;

// Platform colour order 0x00BBGGRR.
inline constexpr std::uint32_t ColorWhite = 0x00FFFFFF;

// One band row in physical units. A table handed to SetBands ends with a row whose step2 is 0.
struct CBand {
    double upTo = 0.0;  // the row applies to values up to and including this bound
    double step1 = 1.0; // range computation of the graphs
    double step2 = 1.0; // graph grid step
    double step3 = 1.0; // carried, not read
    double step4 = 1.0; // graph label step
};

// Copies at most maxChars characters (code points of the UTF-8 text), never splitting one.
std::string LimitText(std::string_view text, std::size_t maxChars);

// Raw value of a typed physical value: v / scale rounded half away from zero.
int RawFromPhysical(double value, double scale);

// One axis: X (50 points), Y (30 points) or the data axis (the 1500 cells).
class CAxe {
public:
    CAxe() = default;
    // Allocates the arrays once; breakpoint axes also get previous, beforePush and pushed.
    CAxe(int capacity, bool breakpoints);

    std::uint32_t color = ColorWhite;
    std::string label; // at most 31 characters
    std::string key;   // "RPM", "TPS", "IAP" give a live source; at most 7 characters
    std::string unit;  // at most 7 characters
    int maxCount = 0;
    int minCount = 1;
    int count = 0;
    int collapsedIndex = 0;
    int collapsePosition = CollapseFirst;
    int collapseMode = 1; // 0 never collapsed, 1 by the user, 2 always
    int firstVisible = 0;
    std::vector<int> values;
    std::vector<int> previous;
    std::vector<int> beforePush;
    std::vector<int> pushed;
    double scale = 1.0;
    int min = 0;
    int max = 100;
    int step = 1;
    int lastEdited = NoneEdited;
    int bandCount = 0;
    std::array<CBand, MaxBands> bands{};
    CBand currentBand{};
    int displayMin = 0;
    int displayMax = 0;

    int Capacity() const { return static_cast<int>(values.size()); }

    // The axis's switches. Folding an axis moves the cell it stands on with it.
    bool showUnit() const { return showUnit_; }
    bool collapsed() const { return collapsed_; }
    bool editable() const { return editable_; }
    bool resizable() const { return resizable_; }
    bool hasValues() const { return hasValues_; }
    bool fixedRange() const { return fixedRange_; }
    void SetShowUnit(bool on) { showUnit_ = on; }
    void SetCollapsed(bool on) {
        collapsed_ = on;
        UpdateCollapsedIndex();
    }
    void SetEditable(bool on) { editable_ = on; }
    void SetResizable(bool on) { resizable_ = on; }
    void SetHasValues(bool on) { hasValues_ = on; }
    void SetFixedRange(bool on) { fixedRange_ = on; }

    // table: rows up to the end row (step2 == 0); null gives no bands.
    void SetBands(const CBand *table);
    // Picks the band row for a physical value (the width of the range a graph shows).
    void SelectBand(double value);
    // collapsedIndex from collapsePosition.
    int CollapsedIndexFor() const;
    void UpdateCollapsedIndex() { collapsedIndex = CollapsedIndexFor(); }
    // Keeps the breakpoints strictly increasing with elastic neighbours of the edited point.
    void Normalize();

private:
    bool showUnit_ = false;
    bool collapsed_ = false;
    bool editable_ = true;
    bool resizable_ = true;
    bool hasValues_ = true;
    bool fixedRange_ = false;
};

// One sheet: an X axis, a Y axis and the cells, with its selection.
class CSheet {
public:
    CSheet();

    int flags = 0;
    std::string title; // at most 47 characters
    int titleWidth = 0;
    int titleFontSize = 13;
    int labelFontSize = 12;
    CAxe axisX;
    CAxe axisY;
    CAxe axisData;
    int actualX = -2;
    int actualY = -2;
    int actualState = 0;
    TSel sel;

    int &Cell(int x, int y) { return axisData.values[static_cast<std::size_t>(y * MaxX + x)]; }
    int Cell(int x, int y) const { return axisData.values[static_cast<std::size_t>(y * MaxX + x)]; }
    CAxe &Axis(int which) { return which == AxisX ? axisX : which == AxisY ? axisY : axisData; }
    const CAxe &Axis(int which) const { return which == AxisX ? axisX : which == AxisY ? axisY : axisData; }
    bool enabled() const { return enabled_; }
    void SetEnabled(bool on) { enabled_ = on; }
    // Clamps the used block of count(X) x count(Y) cells into the data axis's min ... max.
    void ClampCells();

private:
    bool enabled_ = true;
};

} // namespace zarvex1
