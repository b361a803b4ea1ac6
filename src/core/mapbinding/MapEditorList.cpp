#include "core/mapbinding/MapEditorList.h"

#include <algorithm>

#include "core/mapbinding/MapSheets.h"

namespace zarvex1 {

bool MapEditorList::Add(MapEditor &editor) {
    if (Count() >= MaxEditors)
        return false;
    editors_.push_back(&editor);
    editor.ShareAutoscroll(autoscroll_);
    refresh_ |= DirtyRedraw;
    return true;
}

void MapEditorList::Remove(const MapEditor *editor) {
    std::erase(editors_, editor);
}

LiveFeed LiveFeedOf(const LiveRecord &record) {
    LiveFeed feed;
    feed.rpm = record.raw(LiveField::Rpm);
    feed.throttleTenths = record.raw(LiveField::Throttle);
    feed.pressureKpa = record.raw(LiveField::Pressure);
    feed.map2Active = record.flag(LiveField::Map2);
    feed.noConnection = false;
    return feed;
}

void MapEditorList::RecordsArrived(std::span<const LiveRecord> records) {
    if (records.empty())
        return;
    const bool noConnection = live_.noConnection;
    live_ = LiveFeedOf(records.back());
    live_.noConnection = noConnection;
}

void MapEditorList::ConnectionChanged(bool connected, long long /*nowMs*/) {
    live_.noConnection = !connected;
}

void MapEditorList::Feed(const ParameterImage &image) {
    const LiveFeed &live = live_;
    if (refresh_ != 0) {
        const EditorMarkers markers = MarkersFromImage(image);
        for (MapEditor *editor : editors_) {
            editor->Sheets().Markers() = markers;
            editor->Request(refresh_);
        }
        refresh_ = 0;
    }
    for (MapEditor *editor : editors_) {
        editor->ApplyActiveMap(live.map2Active);
        editor->SetLiveValues(live.rpm, live.throttleTenths, live.pressureKpa, live.noConnection);
    }
}

void MapEditorList::TakeMarkers(const MapEditor &editor, ParameterImage &image) {
    if (WriteMarkers(image, editor.Sheets().Markers()))
        refresh_ |= DirtyRelayout;
}

} // namespace zarvex1
