#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "core/mapeditor/model/Sheet.h"

namespace zarvex1 {

// The editor's three markers: a base value in data raw units and two engine speeds in X raw units.
// The page sets them from the parameter image and receives them back with each change.
struct EditorMarkers {
    int baseMarker = 0;
    int limiterMarker = 0;
    int secondMarker = 0;
    bool operator==(const EditorMarkers &) const = default;
};

// The sheets of one editor (at most eight), which of them is current, and the markers that the
// normalization holds inside a sheet's ranges.
class TabSheets {
public:
    using TextWidth = std::function<int(std::string_view)>;

    TabSheets() { sheets_.reserve(MaxSheets); }

    // Width of a text in the 9-point font of the control; the sheet tabs are sized with it.
    void SetTitleMeasure(TextWidth measure) { measureTitle_ = std::move(measure); }

    int AddSheet(std::string_view title, std::string_view labelX, std::string_view labelY,
                 std::string_view labelData, int sizeX, int sizeY, int flags);
    void SetSheetTitle(int index, std::string_view title);
    void DefineAxis(int index, int which, const char *key, const char *unit, int min, int max, double scale,
                    int step, const CBand *bands, bool editable, int options, int minCount, int count,
                    int collapseMode, bool collapsed, bool resizable, int collapsePosition,
                    std::uint32_t color);
    void NormalizeSheet(int index, int what);
    // The marker limits of a sheet whose X label is "RPM".
    void ApplyMarkerLimits(const CSheet &sheet);

    int Count() const { return static_cast<int>(sheets_.size()); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    bool HasCurrent() const { return Valid(current_); }
    int CurrentIndex() const { return current_; }
    int PreviousIndex() const { return previous_; }
    // Makes index current and remembers the one before; false for an index outside the sheets.
    bool MakeCurrent(int index);

    CSheet &Sheet(int index) { return sheets_[static_cast<std::size_t>(index)]; }
    const CSheet &Sheet(int index) const { return sheets_[static_cast<std::size_t>(index)]; }
    CSheet &Current() { return Sheet(current_); }
    const CSheet &Current() const { return Sheet(current_); }
    const std::vector<CSheet> &All() const { return sheets_; }

    EditorMarkers &Markers() { return markers_; }
    const EditorMarkers &Markers() const { return markers_; }

private:
    std::vector<CSheet> sheets_;
    int current_ = -1;
    int previous_ = 0;
    EditorMarkers markers_;
    TextWidth measureTitle_;
};

} // namespace zarvex1
