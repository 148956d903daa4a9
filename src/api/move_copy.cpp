// Moving an item to another track, and copying an item's active take onto a
// new item.
#include "api/media_item.h"
#include "host/catalogue.h"

namespace ko_api::mediaItem {

namespace {
// A track of the item's own project, by index.
MediaTrack* destination(MediaItem* item, int trackID) {
    return valid_track(GetTrack(GetItemProjectContext(item), trackID));
}

void copy_item_value(MediaItem* from, MediaItem* to, const char* name) {
    SetMediaItemInfo_Value(to, name, GetMediaItemInfo_Value(from, name));
}

void copy_take_value(MediaItem_Take* from, MediaItem_Take* to, const char* name) {
    SetMediaItemTakeInfo_Value(to, name, GetMediaItemTakeInfo_Value(from, name));
}
}  // namespace

bool SetMediaItemMoveToTrack(MediaItem* item, int moveTrackID) noexcept {
    return ko_error::guarded(false, [&] {
        MediaTrack* track = destination(valid_item(item), moveTrackID);
        ko_error::require(MoveMediaItemToTrack(item, track), ko_error::MOVE_ITEM_FAILED);
        UpdateArrange();
        return true;
    });
}

// Every check comes before the new item exists, so a failure builds nothing.
bool SetMediaItemActiveTakeCopy(MediaItem* item, int setTrackID, double setPosition) noexcept {
    return ko_error::guarded(false, [&] {
        MediaTrack* track = destination(valid_item(item), setTrackID);
        const double length = GetMediaItemInfo_Value(item, "D_LENGTH");
        const double fade_in = GetMediaItemInfo_Value(item, "D_FADEINLEN");
        const double fade_out = GetMediaItemInfo_Value(item, "D_FADEOUTLEN");
        const double fade_in_shape = GetMediaItemInfo_Value(item, "C_FADEINSHAPE");
        const double fade_out_shape = GetMediaItemInfo_Value(item, "C_FADEOUTSHAPE");

        MediaItem* copy = AddMediaItemToTrack(track);
        if (copy == nullptr) ko_error::fail(ko_error::UNEXPECTED_ERROR);
        SetMediaItemInfo_Value(copy, "D_LENGTH", length);
        SetMediaItemInfo_Value(copy, "D_POSITION", setPosition);
        SetMediaItemInfo_Value(copy, "C_FADEINSHAPE", fade_in_shape);
        SetMediaItemInfo_Value(copy, "C_FADEOUTSHAPE", fade_out_shape);
        SetMediaItemInfo_Value(copy, "D_FADEINLEN", fade_in);
        SetMediaItemInfo_Value(copy, "D_FADEOUTLEN", fade_out);
        for (const char* name : {"B_MUTE", "B_MUTE_ACTUAL", "B_LOOPSRC", "C_LOCK", "D_VOL"}) {
            copy_item_value(item, copy, name);
        }

        MediaItem_Take* take = GetActiveTake(item);
        if (take != nullptr) {
            const double start_offset = GetMediaItemTakeInfo_Value(take, "D_STARTOFFS");
            MediaItem_Take* new_take = AddTakeToMediaItem(copy);
            if (new_take != nullptr) {
                SetMediaItemTakeInfo_Value(new_take, "D_STARTOFFS", start_offset);
                for (const char* name : {"D_PAN", "D_PLAYRATE", "D_PITCH", "B_PPITCH", "I_CHANMODE", "I_PITCHMODE"}) {
                    copy_take_value(take, new_take, name);
                }
                char name[4096] = {};
                GetSetMediaItemTakeInfo_String(take, "P_NAME", name, false);
                name[sizeof name - 1] = '\0';
                GetSetMediaItemTakeInfo_String(new_take, "P_NAME", name, true);

                PCM_source* source = GetMediaItemTake_Source(take);
                PCM_source* duplicate = source != nullptr ? source->Duplicate() : nullptr;
                if (duplicate != nullptr) {
                    auto* previous = static_cast<PCM_source*>(GetSetMediaItemTakeInfo(new_take, "P_SOURCE", nullptr));
                    GetSetMediaItemTakeInfo(new_take, "P_SOURCE", duplicate);
                    if (previous != nullptr && previous != duplicate) PCM_Source_Destroy(previous);
                }
            }
        }
        UpdateArrange();
        return true;
    });
}

KO_DEFINE_FORMS(bool, Set, MoveToTrack, (, int moveTrackID), (, moveTrackID))
KO_DEFINE_FORMS(bool, Set, ActiveTakeCopy, (, int setTrackID, double setPosition), (, setTrackID, setPosition))

}  // namespace ko_api::mediaItem

KO_VARARG_FORMS(Set, MoveToTrack)
KO_VARARG_FORMS(Set, ActiveTakeCopy)

std::vector<ko_host::catalogue_row> ko_host::rows::move_copy() {
    return {
        KO_ROW(mediaItem, SetMediaItemMoveToTrack, "void", "MediaItem*,int", "item,moveTrackID",
               "Set Media Move Track"),
        KO_ROW(mediaItem, SetMediaMoveToTrack, "void", "ReaProject*,int,int", "projID,itemID,moveTrackID",
               "Set Media Move Track"),
        KO_ROW(mediaItem, SetSelectedMediaMoveToTrack, "void", "ReaProject*,int,int", "projID,selectItemID,moveTrackID",
               "Set Select Media Move Track"),
        KO_ROW(mediaItem, SetTrackMediaMoveToTrack, "void", "ReaProject*,int,int,int",
               "projID,trackID,trackItemID,moveTrackID", "Set Track Media Move Track"),
        KO_ROW(mediaItem, SetSelectedTrackMediaMoveToTrack, "void", "ReaProject*,int,int,int",
               "projID,selectTrackID,trackItemID,moveTrackID", "Set Track Media Move Track"),
        KO_ROW(mediaItem, SetMediaItemActiveTakeCopy, "void", "MediaItem*,int,double", "item,setTrackID,setPosition",
               "Set Media Item ActiveTake copy"),
        KO_ROW(mediaItem, SetMediaActiveTakeCopy, "void", "ReaProject*,int,int,double",
               "projID,itemID,setTrackID,setPosition", "Set Media ActiveTake copy"),
        KO_ROW(mediaItem, SetSelectedMediaActiveTakeCopy, "void", "ReaProject*,int,int,double",
               "projID,selectItemID,setTrackID,setPosition", "Set Select Media ActiveTake copy"),
        KO_ROW(mediaItem, SetTrackMediaActiveTakeCopy, "void", "ReaProject*,int,int,int,double",
               "projID,trackID,trackItemID,setTrackID,setPosition", "Set Track Media ActiveTake copy"),
        KO_ROW(mediaItem, SetSelectedTrackMediaActiveTakeCopy, "void", "ReaProject*,int,int,int,double",
               "projID,selectTrackID,trackItemID,setTrackID,setPosition", "Set Select Track Media ActiveTake copy"),
    };
}
