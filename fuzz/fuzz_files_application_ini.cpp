// Random bytes as application.ini: whatever settings they give must be written and read back unchanged,
// with the recent files within their limits, and the window placement must be fitted safely.
#include "core/files/ApplicationSettings.h"
#include "core/files/FitToMonitor.h"
#include "core/files/TextFiles.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace zarvex1;

namespace {

bool Same(const ApplicationSettings &a, const ApplicationSettings &b) {
    return a.left == b.left && a.top == b.top && a.height == b.height && a.width == b.width &&
           a.link.portIndex == b.link.portIndex && a.link.scanIndex == b.link.scanIndex &&
           a.link.languageIndex == b.link.languageIndex && a.file == b.file && a.iniDir == b.iniDir &&
           a.activePageIndex == b.activePageIndex && a.recentFiles == b.recentFiles;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    ApplicationSettings settings;
    ParseApplicationSettings(text, settings);

    const RecentFiles &recent = settings.recentFiles;
    if (recent.count() < 0 || recent.count() > RecentFiles::MaxEntries)
        std::abort();
    for (int i = 0; i < recent.count(); ++i)
        if (CutToCharacters(recent.entry(i), RecentFiles::MaxPathLength) != recent.entry(i) ||
            CutToCharacters(recent.caption(i), RecentFiles::MaxCaptionLength) != recent.caption(i))
            std::abort();

    ApplicationSettings again;
    ParseApplicationSettings(FormatApplicationSettings(settings), again);
    if (!Same(again, settings))
        std::abort();

    const ScreenRect monitors[] = {{0, 0, 1920, 1080}, {1920, -200, 3200, 824}};
    // The window goes where the program puts it at start: on one of the monitors, with a size.
    const ScreenRect fitted = RestoredWindowRect(
        {settings.left, settings.top, settings.width, settings.height}, {0, 0, 1000, 720}, monitors);
    const bool onFirst = fitted.left >= 0 && fitted.right <= 1920 && fitted.top >= 0 && fitted.bottom <= 1080;
    const bool onSecond =
        fitted.left >= 1920 && fitted.right <= 3200 && fitted.top >= -200 && fitted.bottom <= 824;
    if ((!onFirst && !onSecond) || fitted.width() <= 0 || fitted.height() <= 0)
        std::abort();
    return 0;
}
