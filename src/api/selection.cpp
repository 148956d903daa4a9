// Selecting and unselecting items.
#include "api/media_item.h"
#include "host/catalogue.h"

namespace ko_api::mediaItem {

bool SetMediaSelected(ReaProject* projID, int itemID, bool selectType) noexcept {
    return ko_error::guarded(false, [&] {
        MediaItem* item = valid_item(GetMediaItem(projID, itemID));
        SetMediaItemSelected(item, selectType);
        UpdateArrange();
        return true;
    });
}

bool SetTrackMediaSelected(ReaProject* projID, int trackID, int trackItemID, bool selectType) noexcept {
    return ko_error::guarded(false, [&] {
        MediaTrack* track = valid_track(GetTrack(projID, trackID));
        MediaItem* item = valid_item(GetTrackMediaItem(track, trackItemID));
        SetMediaItemSelected(item, selectType);
        UpdateArrange();
        return true;
    });
}

// Item by item, each through SetMediaSelected; the code left is its last one's.
bool SetAllMediaSelected(ReaProject* projID, bool selectType) noexcept {
    return ko_error::guarded(false, [&] {
        int all = 0;
        int typed = 0;
        GetMediaTypeCount(projID, "", &all, &typed);
        for (int i = 0; i < all; ++i) SetMediaSelected(projID, i, selectType);
        return true;
    });
}

}  // namespace ko_api::mediaItem

KO_VARARG(mediaItem, SetMediaSelected)
KO_VARARG(mediaItem, SetTrackMediaSelected)
KO_VARARG(mediaItem, SetAllMediaSelected)

std::vector<ko_host::catalogue_row> ko_host::rows::selection() {
    return {
        KO_ROW(mediaItem, SetMediaSelected, "void", "ReaProject*,int,bool", "projID,itemID,selectType",
               "Set Media Selected"),
        KO_ROW(mediaItem, SetTrackMediaSelected, "void", "ReaProject*,int,int,bool",
               "projID,trackID,trackItemID,selectType", "Set Track Media Selected"),
        KO_ROW(mediaItem, SetAllMediaSelected, "void", "ReaProject*,bool", "projID,selectType",
               "Set All Media Selected"),
    };
}
