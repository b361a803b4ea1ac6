#include "core/logs/RecordedSets.h"

#include "core/safety/RestorePoints.h"

#include <algorithm>
#include <string>

namespace zarvex1 {

std::vector<SetCandidate> RestorePointCandidates(const std::filesystem::path &folder) {
    std::vector<SetCandidate> candidates;
    for (const RestorePoint &point : RestorePointStore(folder, false).List())
        candidates.push_back([path = point.path] { return RestorePointStore::ReadBack(path); });
    return candidates;
}

RecordedSets::RecordedSets(const MonitorLog &log, const ParameterImage &screen,
                           std::span<const SetCandidate> candidates)
    : images_{screen} {
    // Which set each of the log's set names stands for: the hashes still missing are looked for.
    const std::vector<LogSetName> &names = log.sets();
    std::vector<int> setOfName(names.size(), -1);
    auto missing = [&] {
        for (std::size_t i = 0; i < names.size(); ++i)
            if (setOfName[i] < 0 && !names[i].imageHash.empty())
                return true;
        return false;
    };
    // Only the names a row uses count: the reader's first name stands for "no set".
    std::vector<bool> used(names.size(), false);
    for (int row = 0; row < log.rowCount(); ++row)
        if (!log.isGap(row))
            used[log.setIndex(row)] = true;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (!used[i])
            setOfName[i] = 0;
    auto take = [&](const ParameterImage &image, int index) {
        const std::string hash = ImageHash(image);
        bool taken = false;
        for (std::size_t i = 0; i < names.size(); ++i)
            if (setOfName[i] < 0 && names[i].imageHash == hash) {
                if (!taken && index < 0) {
                    images_.push_back(image);
                    index = count() - 1;
                }
                setOfName[i] = index;
                taken = true;
            }
    };
    take(screen, 0);
    for (const SetCandidate &candidate : candidates) {
        if (!missing())
            break;
        ++candidatesRead_;
        if (const std::optional<ParameterImage> image = candidate())
            take(*image, -1);
    }

    rowSet_.resize(log.rowCount());
    for (int row = 0; row < log.rowCount(); ++row) {
        if (log.isGap(row)) {
            rowSet_[row] = -1;
            continue;
        }
        const int set = setOfName[log.setIndex(row)];
        rowSet_[row] = std::max(set, 0);
        if (set < 0 || names[log.setIndex(row)].imageHash.empty())
            ++fallbackRows_;
    }
}

} // namespace zarvex1
