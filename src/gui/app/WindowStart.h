#pragma once

#include "core/files/SettingsLock.h"
#include "gui/app/StartOptions.h"

#include <filesystem>
#include <memory>

namespace zarvex1 {

// One window per settings folder, as desktop programs do: the first start owns the folder; a later start
// hands its language word and file to that window and ends; --new-instance opens a window anyway, which
// owns the settings only when no other window does.
struct WindowStart {
    enum class Role {
        Owner,      // the window of the settings folder: it keeps application.ini and default.ini
        Guest,      // a window beside the owner: it writes neither settings file
        HandedOver, // the running window has the arguments: nothing more to do
    };
    Role role = Role::Owner;
    std::unique_ptr<SettingsLock> lock; // held for the window's life by the owner

    // waitMs: how long a second start tries to reach the running window.
    static WindowStart Decide(const StartOptions &options, const std::filesystem::path &settingsFolder,
                              int waitMs = 5000);
};

} // namespace zarvex1
