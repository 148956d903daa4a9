// The selectors: hand a script an item found by index among all or among the
// selected items of a project or of a track.
#include "api/media_item.h"
#include "host/catalogue.h"

namespace ko_api::mediaItem {

namespace {
// mediaTypeID 0 looks among all, 1 among the selected; anything else is
// INVALID_SELECTOR before any lookup.
template <class Handle>
Handle select_by(int mediaTypeID, Handle (*all)(ReaProject*, int), Handle (*selected)(ReaProject*, int),
                 ReaProject* projID, int index) {
    if (mediaTypeID == 0) return all(projID, index);
    if (mediaTypeID == 1) return selected(projID, index);
    ko_error::fail(ko_error::INVALID_SELECTOR);
}
}  // namespace

MediaItem* GetMediaItemSelect(ReaProject* projID, int itemID, int mediaTypeID) noexcept {
    return ko_error::guarded<MediaItem*>(nullptr, [&] {
        MediaItem* item = select_by(mediaTypeID, GetMediaItem, GetSelectedMediaItem, projID, itemID);
        ko_error::require(item != nullptr, ko_error::ITEM_NOT_FOUND);
        return item;
    });
}

MediaItem* GetMediaTrackItemSelect(ReaProject* projID, int trackID, int itemID, int mediaTypeID) noexcept {
    return ko_error::guarded<MediaItem*>(nullptr, [&] {
        MediaTrack* track = select_by(mediaTypeID, GetTrack, GetSelectedTrack, projID, trackID);
        // a missing track is reported as a missing item
        MediaItem* item = track != nullptr ? GetTrackMediaItem(track, itemID) : nullptr;
        ko_error::require(item != nullptr, ko_error::ITEM_NOT_FOUND);
        return item;
    });
}

}  // namespace ko_api::mediaItem

KO_VARARG(mediaItem, GetMediaItemSelect)
KO_VARARG(mediaItem, GetMediaTrackItemSelect)

std::vector<ko_host::catalogue_row> ko_host::rows::selectors() {
    return {
        KO_ROW(mediaItem, GetMediaItemSelect, "MediaItem*", "ReaProject*,int,int", "projID,itemID,mediaTypeID",
               "Get Media Item"),
        KO_ROW(mediaItem, GetMediaTrackItemSelect, "MediaItem*", "ReaProject*,int,int,int",
               "projID,trackID,itemID,mediaTypeID", "Get Media Item"),
    };
}
