#include "core/session/DefaultIniKeeper.h"

#include "core/files/DefaultIni.h"

namespace zarvex1 {

void DefaultIniKeeper::Tick() {
    if (pendingTicks_ < 0) {
        // 900 bytes compared: far cheaper than a tick, and no edit path can be missed.
        if (image_ == written_)
            return;
        pendingTicks_ = 0;
    }
    if (++pendingTicks_ < WriteDelay)
        return;
    pendingTicks_ = -1;
    if (image_ == written_)
        return; // changed and changed back
    if (WriteDefaultIni(file_, image_)) {
        written_ = image_;
        ++writes_;
    }
}

} // namespace zarvex1
