#pragma once

#include "core/logs/LogFormat.h"
#include "core/params/ParameterImage.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace zarvex1 {

// A parameter set a log may have been recorded under, read only when the search comes to it; nothing
// when it cannot be read.
using SetCandidate = std::function<std::optional<ParameterImage>()>;

// The restore points of a folder as candidates, newest first: after every verified Read and finished
// Program a point holds the set then in the unit.
std::vector<SetCandidate> RestorePointCandidates(const std::filesystem::path &folder);

// The sets a log was recorded under. Each row names the set the unit was known to hold by the hash of
// its image (ImageHash); a log recorded while "Programming after change" programmed names several.
// Rows whose set is not found, or that name none (a log of the command-line tool), stand under the set
// on the screen.
class RecordedSets {
public:
    // Looks for the sets the rows name in the set on the screen, then in the candidates in their order;
    // a candidate is read only while a set is still missing.
    RecordedSets(const MonitorLog &log, const ParameterImage &screen,
                 std::span<const SetCandidate> candidates);

    // The sets the rows stand under; the first is the screen's.
    int count() const { return static_cast<int>(images_.size()); }
    const ParameterImage &image(int index) const { return images_[index]; }
    // The set a row stands under: an index into image(), -1 for a gap row.
    int of(int row) const { return rowSet_[row]; }
    // Rows that are no gap and whose set was not found or not named.
    int fallbackRows() const { return fallbackRows_; }
    int rows() const { return static_cast<int>(rowSet_.size()); }
    int candidatesRead() const { return candidatesRead_; }

private:
    std::vector<ParameterImage> images_;
    std::vector<int> rowSet_;
    int fallbackRows_ = 0;
    int candidatesRead_ = 0;
};

} // namespace zarvex1
