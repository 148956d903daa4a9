// Deleting one item, or every item of a scope.
#include <vector>

#include "api/media_item.h"
#include "host/catalogue.h"

namespace ko_api::mediaItem {

namespace {
struct doomed {
    MediaTrack* track;
    MediaItem* item;
};

doomed on_its_track(MediaItem* item) {
    return {GetMediaItem_Track(item), item};
}

// Deletes a scope from its last entry to its first. The scope is taken whole
// before the first deletion, so deleting never shifts what is still to come.
template <class Count, class At>
bool delete_scope(Count count, At at) {
    const int n = count();
    if (n <= 0) return true;
    std::vector<doomed> scope;
    scope.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) scope.push_back(at(i));
    for (auto entry = scope.rbegin(); entry != scope.rend(); ++entry) DeleteTrackMediaItem(entry->track, entry->item);
    UpdateArrange();
    return true;
}

bool delete_track_scope(MediaTrack* track) {
    valid_track(track);
    return delete_scope([&] { return CountTrackMediaItems(track); },
                        [&](int i) {
                            return doomed{track, GetTrackMediaItem(track, i)};
                        });
}
}  // namespace

bool DeleteMediaItem(MediaItem* item) noexcept {
    return ko_error::guarded(false, [&] {
        valid_item(item);
        ko_error::require(DeleteTrackMediaItem(GetMediaItem_Track(item), item), ko_error::DELETE_ITEM_FAILED);
        UpdateArrange();
        return true;
    });
}

bool DeleteAllMedia(ReaProject* projID) noexcept {
    return ko_error::guarded(false, [&] {
        return delete_scope([&] { return CountMediaItems(projID); },
                            [&](int i) { return on_its_track(GetMediaItem(projID, i)); });
    });
}

bool DeleteAllSelectedMedia(ReaProject* projID) noexcept {
    return ko_error::guarded(false, [&] {
        return delete_scope([&] { return CountSelectedMediaItems(projID); },
                            [&](int i) { return on_its_track(GetSelectedMediaItem(projID, i)); });
    });
}

bool DeleteAllTrackMedia(ReaProject* projID, int trackID) noexcept {
    return ko_error::guarded(false, [&] { return delete_track_scope(GetTrack(projID, trackID)); });
}

bool DeleteAllSelectedTrackMedia(ReaProject* projID, int selectTrackID) noexcept {
    return ko_error::guarded(false, [&] { return delete_track_scope(GetSelectedTrack(projID, selectTrackID)); });
}

KO_DEFINE_FORMS(bool, Delete, , (), ())

}  // namespace ko_api::mediaItem

KO_VARARG_FORMS(Delete, )
KO_VARARG(mediaItem, DeleteAllMedia)
KO_VARARG(mediaItem, DeleteAllSelectedMedia)
KO_VARARG(mediaItem, DeleteAllTrackMedia)
KO_VARARG(mediaItem, DeleteAllSelectedTrackMedia)

std::vector<ko_host::catalogue_row> ko_host::rows::deletion() {
    return {
        KO_ROW(mediaItem, DeleteMediaItem, "void", "MediaItem*", "item", "Delete Media "),
        KO_ROW(mediaItem, DeleteMedia, "void", "ReaProject*,int", "projID,itemID", "Delete Media "),
        KO_ROW(mediaItem, DeleteSelectedMedia, "void", "ReaProject*,int", "projID,selectItemID",
               "Delete Select Media "),
        KO_ROW(mediaItem, DeleteTrackMedia, "void", "ReaProject*,int,int", "projID,trackID,trackItemID",
               "Delete Track Media "),
        KO_ROW(mediaItem, DeleteSelectedTrackMedia, "void", "ReaProject*,int,int", "projID,selectTrackID,trackItemID",
               "Delete Select Track Media "),
        KO_ROW(mediaItem, DeleteAllMedia, "void", "ReaProject*", "projID", "Delete All Media "),
        KO_ROW(mediaItem, DeleteAllSelectedMedia, "void", "ReaProject*", "projID", "Delete Select All Media "),
        KO_ROW(mediaItem, DeleteAllTrackMedia, "void", "ReaProject*,int", "projID,trackID", "Delete Track All Media "),
        KO_ROW(mediaItem, DeleteAllSelectedTrackMedia, "void", "ReaProject*,int", "projID,selectTrackID",
               "Delete Select Track All Media "),
    };
}
