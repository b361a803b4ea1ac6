#pragma once

#include "core/files/TextFiles.h"
#include "core/params/ParameterImage.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarvex1 {

// Why a restore point was written.
enum class RestoreEvent {
    Read,          // a read of the unit that verified
    Program,       // a program that finished: the set now in the unit
    BeforeReplace, // Open, New or Read replaced a set whose changes were neither saved nor programmed
};

// The event's name in the language ("Read", "Gelesen", "Načteno").
std::string_view RestoreEventText(RestoreEvent event, int language);

using RestoreClock = std::chrono::system_clock;

// What the list shows of a point besides its file.
struct RestorePointDetails {
    RestoreClock::time_point time;
    RestoreEvent event = RestoreEvent::Read;
    std::string unitName;                // the unit's program name; empty when none is known
    std::optional<int> programmingCount; // from the unit's live values; none when no frame came
};

struct RestorePoint {
    std::filesystem::path path;
    RestorePointDetails details;
    int changedValues = -1; // values and map cells changed against the point before; -1 for the first
};

// The restore points of the program: ordinary parameter files in the folder `history` beside the
// settings, written by the atomic writer, so that any version of the program and the command-line
// tool open them. A point's file name carries its time (UTC, to the millisecond), event, changed count,
// programming count and unit name, so that the list needs no file opened.
class RestorePointStore {
public:
    static constexpr int Kept = 1000;

    // `ownsSettings`: only the window that owns the settings removes old points; a second window
    // started with --new-instance writes points but leaves the pruning to the owner.
    RestorePointStore(std::filesystem::path folder, bool ownsSettings);
    static std::filesystem::path FolderBeside(const std::filesystem::path &settingsFolder);

    struct WriteResult {
        bool written = false; // a new file holds the set
        bool skipped = false; // the set equals the newest point: nothing written
        std::filesystem::path path;
        FileResult error; // why the point could not be written
    };
    // Writes the set as the newest point, unless it equals the newest one. `replaceOwnNewest` removes
    // the point this store wrote last once the new one is on the disk (programs started by "Programming
    // after change" share one point).
    WriteResult Write(const ParameterImage &image, const RestorePointDetails &details,
                      bool replaceOwnNewest = false);
    // Every point, newest first.
    std::vector<RestorePoint> List() const;
    // The set of a point as Open would take it, or nothing when the file cannot be read or is rejected.
    static std::optional<ParameterImage> ReadBack(const std::filesystem::path &path);
    // Removes the oldest points beyond Kept when this store owns the settings; the number removed.
    int Prune();

    const std::filesystem::path &folder() const { return folder_; }

private:
    std::filesystem::path folder_;
    bool ownsSettings_;
    std::filesystem::path ownNewest_; // the point this store wrote last
};

// A point's file name and back; nothing for a file that is no restore point.
std::string RestorePointFileName(const RestorePointDetails &details, int changedValues);
std::optional<RestorePoint> ParseRestorePointFileName(std::string_view name);

} // namespace zarvex1
