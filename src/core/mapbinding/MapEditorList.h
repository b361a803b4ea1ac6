#pragma once

#include <memory>
#include <vector>

#include "core/link/LiveWatcher.h"
#include "core/mapeditor/MapEditor.h"
#include "core/params/ParameterImage.h"

namespace zarvex1 {

// What the map editors follow of the live monitor.
struct LiveFeed {
    int rpm = 0;
    int throttleTenths = 0; // 0.1 %
    int pressureKpa = 0;
    bool noConnection = true; // the no-connection banner shows: no live position
    bool map2Active = false;  // the unit runs on the second advance map
};

// The operating point of a live record as the editors follow it.
LiveFeed LiveFeedOf(const LiveRecord &record);

// The window's map editors (at most 20): one autoscroll choice for all, the markers refreshed from
// the image when asked, and the live position of the newest record on the tick it came.
class MapEditorList : public LiveWatcher {
public:
    static constexpr int MaxEditors = 20;

    // False when the window has its 20 editors already.
    bool Add(MapEditor &editor);
    void Remove(const MapEditor *editor);
    int Count() const { return static_cast<int>(editors_.size()); }

    // The editor refresh word: 1 copies the markers from the image and redraws at the next tick,
    // 2 also lays the editors out again.
    void RequestRefresh(int flags) { refresh_ |= flags; }
    int Refresh() const { return refresh_; }

    // The newest record of the tick, and the connection, are what the editors follow.
    void RecordsArrived(std::span<const LiveRecord> records) override;
    void ConnectionChanged(bool connected, long long nowMs) override;
    const LiveFeed &live() const { return live_; }

    // Before the editors' own ticks: the markers when the refresh word asks, which advance map follows
    // the live values, and the live values.
    void Feed(const ParameterImage &image);
    void Feed(const ParameterImage &image, const LiveFeed &live) {
        live_ = live;
        Feed(image);
    }
    // An editor changed its map: its markers go back into the image first; a marker that differed
    // from the image makes every editor lay itself out again at the next tick.
    void TakeMarkers(const MapEditor &editor, ParameterImage &image);

private:
    std::vector<MapEditor *> editors_;
    LiveFeed live_;
    std::shared_ptr<int> autoscroll_ = std::make_shared<int>(1);
    int refresh_ = 0;
};

} // namespace zarvex1
