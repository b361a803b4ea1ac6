#include "gui/app/WindowStart.h"

#include "gui/app/InstanceServer.h"

#include <QDeadlineTimer>

#include <cstdio>

namespace zarvex1 {

WindowStart WindowStart::Decide(const StartOptions &options, const std::filesystem::path &settingsFolder,
                                int waitMs) {
    WindowStart start;
    const QDeadlineTimer deadline(waitMs);
    bool warned = false;
    for (;;) {
        start.lock = std::make_unique<SettingsLock>(settingsFolder);
        if (start.lock->owns()) {
            start.role = Role::Owner;
            return start;
        }
        start.lock.reset();
        if (options.newInstance) {
            start.role = Role::Guest;
            return start;
        }
        // What the running window cannot take over from a second start.
        if (options.portNamed && !warned)
            std::fprintf(stderr, "zarvex1: --port is ignored: the window that runs keeps its port "
                                 "(--new-instance opens a window of its own)\n");
        if (options.simulate && !warned)
            std::fprintf(stderr, "zarvex1: --simulate is ignored: the window that runs keeps its unit "
                                 "(--new-instance opens a window of its own)\n");
        warned = true;
        HandOver handOver{options.language, options.parameterFile};
        // A short try at a time: the window may have ended meanwhile, and its lock with it.
        if (HandOverToRunningWindow(InstanceServer::AddressFor(settingsFolder), handOver, 1000)) {
            start.role = Role::HandedOver;
            return start;
        }
        if (deadline.hasExpired())
            break;
    }
    std::fprintf(stderr, "zarvex1: the window that runs on these settings does not answer; this window keeps "
                         "no settings\n");
    start.role = Role::Guest;
    return start;
}

} // namespace zarvex1
