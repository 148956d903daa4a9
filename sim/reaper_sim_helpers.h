// C++ conveniences over the test host for tests and benchmarks: REAPER's
// functions that the extension does not bind, fetched from the host by name,
// and small project builders.
#pragma once

#include <cstring>
#include <string>

#include "sim/reaper_sim.h"

namespace ko_sim_helpers {

// A host function by its REAPER name, typed by the caller.
template <class Fn>
Fn host(const char* name) {
    void* address = sim_get_func(name);
    Fn fn = nullptr;
    std::memcpy(&fn, &address, sizeof fn);
    return fn;
}

// Appends a track to the active project and returns it.
inline MediaTrack* add_track() {
    const int count = host<int (*)(ReaProject*)>("CountTracks")(nullptr);
    host<void (*)(int, bool)>("InsertTrackAtIndex")(count, true);
    return host<MediaTrack* (*)(ReaProject*, int)>("GetTrack")(nullptr, count);
}

// An item at pos seconds, len long, playing file (no take when null).
inline MediaItem* add_item(MediaTrack* track, double pos, double len, const char* file = nullptr) {
    auto set = host<bool (*)(MediaItem*, const char*, double)>("SetMediaItemInfo_Value");
    MediaItem* item = host<MediaItem* (*)(MediaTrack*)>("AddMediaItemToTrack")(track);
    set(item, "D_POSITION", pos);
    set(item, "D_LENGTH", len);
    if (file != nullptr) {
        MediaItem_Take* take = host<MediaItem_Take* (*)(MediaItem*)>("AddTakeToMediaItem")(item);
        PCM_source* source = host<PCM_source* (*)(const char*)>("PCM_Source_CreateFromFile")(file);
        host<bool (*)(MediaItem_Take*, PCM_source*)>("SetMediaItemTake_Source")(take, source);
    }
    return item;
}

}  // namespace ko_sim_helpers
