// The selectors: hand a script an item found by index among all or among the
// selected items of a project or of a track.
#include "api/media_item.h"
#include "host/catalogue.h"

namespace ko_api::mediaItem {

MediaItem* GetMediaItemSelect(ReaProject* projID, int itemID, int mediaTypeID) noexcept {
    return ko_error::guarded<MediaItem*>(nullptr, [&] {
        MediaItem* item = nullptr;
        if (mediaTypeID == 1) {
            item = GetSelectedMediaItem(projID, itemID);
        } else if (mediaTypeID == 0) {
            item = GetMediaItem(projID, itemID);
        } else {
            ko_error::fail(ko_error::INVALID_SELECTOR);
        }
        ko_error::require(item != nullptr, ko_error::ITEM_NOT_FOUND);
        return item;
    });
}

MediaItem* GetMediaTrackItemSelect(ReaProject* projID, int trackID, int itemID, int mediaTypeID) noexcept {
    return ko_error::guarded<MediaItem*>(nullptr, [&] {
        MediaTrack* track = nullptr;
        if (mediaTypeID == 1) {
            track = GetSelectedTrack(projID, trackID);
        } else if (mediaTypeID == 0) {
            track = GetTrack(projID, trackID);
        } else {
            ko_error::fail(ko_error::INVALID_SELECTOR);
        }
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
