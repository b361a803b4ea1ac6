// Random window places, sizes and monitor layouts: the arithmetic that puts the window back at start
// must stay free of overflow (the sanitizers watch it) and always land the window on a monitor.
#include "core/files/FitToMonitor.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace zarvex1;

namespace {

// Hands out the input's bytes as ints; zeros once they are used up.
class Ints {
public:
    Ints(const std::uint8_t *data, std::size_t size) : data_(data), size_(size) {}
    int Next() {
        std::uint32_t value = 0;
        const std::size_t n = std::min<std::size_t>(sizeof value, size_);
        std::memcpy(&value, data_, n);
        data_ += n;
        size_ -= n;
        return static_cast<int>(value);
    }
    bool Empty() const { return size_ == 0; }

private:
    const std::uint8_t *data_;
    std::size_t size_;
};

bool Inside(const ScreenRect &r, const ScreenRect &m) {
    return r.left >= m.left && r.right <= m.right && r.top >= m.top && r.bottom <= m.bottom;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    Ints in(data, size);
    const WindowPlacement stored{in.Next(), in.Next(), in.Next(), in.Next()};
    const WindowPlacement current{in.Next(), in.Next(), in.Next(), in.Next()};
    std::vector<ScreenRect> monitors;
    bool realMonitors = true; // each of positive size, as the screens report them
    while (!in.Empty() && monitors.size() < 8) {
        const ScreenRect m{in.Next(), in.Next(), in.Next(), in.Next()};
        realMonitors = realMonitors && m.right > m.left && m.bottom > m.top;
        monitors.push_back(m);
    }

    const ScreenRect placed = RestoredWindowRect(stored, current, monitors);
    (void)placed.width();
    (void)placed.height();
    (void)FitToMonitor(WindowRect(stored.left, stored.top, stored.width, stored.height), monitors);

    const bool hasSize = (stored.width > 0 || current.width > 0) && (stored.height > 0 || current.height > 0);
    if (realMonitors && !monitors.empty() && hasSize) {
        bool onAMonitor = false;
        for (const ScreenRect &m : monitors)
            onAMonitor = onAMonitor || Inside(placed, m);
        if (!onAMonitor || placed.width() <= 0 || placed.height() <= 0)
            std::abort();
    }
    return 0;
}
