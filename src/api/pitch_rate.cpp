// Pitch and playback rate of an item's active take.
#include <cmath>

#include "api/media_item.h"
#include "host/catalogue.h"

namespace ko_api::mediaItem {

namespace {
void store_pitch(MediaItem_Take* take, double pitch) {
    ko_error::require(SetMediaItemTakeInfo_Value(take, "D_PITCH", pitch), ko_error::SET_VALUE_FAILED);
    UpdateArrange();
}
}  // namespace

bool GetMediaItemPitch(MediaItem* item, double* pitchOut) noexcept {
    return ko_error::guarded(false, [&] {
        put(pitchOut, GetMediaItemTakeInfo_Value(active_take(valid_item(item)), "D_PITCH"));
        return true;
    });
}

bool SetMediaItemPitch(MediaItem* item, double setPitch) noexcept {
    return ko_error::guarded(false, [&] {
        store_pitch(active_take(valid_item(item)), setPitch);
        return true;
    });
}

bool SetMediaItemAddPitch(MediaItem* item, double addPitch) noexcept {
    return ko_error::guarded(false, [&] {
        MediaItem_Take* take = active_take(valid_item(item));
        store_pitch(take, GetMediaItemTakeInfo_Value(take, "D_PITCH") + addPitch);
        return true;
    });
}

bool GetMediaItemRate(MediaItem* item, double* rateOut) noexcept {
    return ko_error::guarded(false, [&] {
        put(rateOut, GetMediaItemTakeInfo_Value(active_take(valid_item(item)), "D_PLAYRATE"));
        return true;
    });
}

// Keeps the item covering the same stretch of its source: the length and
// both fades scale by old rate / new rate.
bool SetMediaItemRate(MediaItem* item, double setRate) noexcept {
    return ko_error::guarded(false, [&] {
        MediaItem_Take* take = active_take(valid_item(item));
        const double old_rate = GetMediaItemTakeInfo_Value(take, "D_PLAYRATE");
        // a rate that is not a positive number would leave the item without a
        // length; nothing is written then
        ko_error::require(setRate > 0.0 && std::isfinite(setRate), ko_error::SET_VALUE_FAILED);
        ko_error::require(old_rate > 0.0 && std::isfinite(old_rate), ko_error::SET_VALUE_FAILED);
        const double length = GetMediaItemInfo_Value(item, "D_LENGTH");
        const double ratio = setRate / old_rate;
        SetMediaItemInfo_Value(item, "D_LENGTH", length / ratio);
        SetMediaItemTakeInfo_Value(take, "D_PLAYRATE", setRate);
        const double fade_in = GetMediaItemInfo_Value(item, "D_FADEINLEN");
        const double fade_out = GetMediaItemInfo_Value(item, "D_FADEOUTLEN");
        SetMediaItemInfo_Value(item, "D_FADEINLEN", fade_in / ratio);
        SetMediaItemInfo_Value(item, "D_FADEOUTLEN", fade_out / ratio);
        UpdateArrange();
        return true;
    });
}

KO_DEFINE_FORMS(bool, Get, Pitch, (, double* pitchOut), (, pitchOut))
KO_DEFINE_FORMS(bool, Set, Pitch, (, double setPitch), (, setPitch))
KO_DEFINE_FORMS(bool, Set, AddPitch, (, double addPitch), (, addPitch))
KO_DEFINE_FORMS(bool, Get, Rate, (, double* rateOut), (, rateOut))
KO_DEFINE_FORMS(bool, Set, Rate, (, double setRate), (, setRate))

}  // namespace ko_api::mediaItem

KO_VARARG_FORMS(Get, Pitch)
KO_VARARG_FORMS(Set, Pitch)
KO_VARARG_FORMS(Set, AddPitch)
KO_VARARG_FORMS(Get, Rate)
KO_VARARG_FORMS(Set, Rate)

std::vector<ko_host::catalogue_row> ko_host::rows::pitch_rate() {
    return {
        KO_ROW(mediaItem, GetMediaItemPitch, "void", "MediaItem*,double*", "item,pitchOut", "Get Media Item Pitch"),
        KO_ROW(mediaItem, GetMediaPitch, "void", "ReaProject*,int,double*", "projID,itemID,pitchOut",
               "Get Media Pitch"),
        KO_ROW(mediaItem, GetSelectedMediaPitch, "void", "ReaProject*,int,double*", "projID,selectItemID,pitchOut",
               "Get Select Media Pitch"),
        KO_ROW(mediaItem, GetTrackMediaPitch, "void", "ReaProject*,int,int,double*",
               "projID,trackID,trackItemID,pitchOut", "Get Track Media Pitch"),
        KO_ROW(mediaItem, GetSelectedTrackMediaPitch, "void", "ReaProject*,int,int,double*",
               "projID,selectTrackID,trackItemID,pitchOut", "Get Track Media Pitch"),
        KO_ROW(mediaItem, SetMediaItemPitch, "void", "MediaItem*,double", "item,setPitch", "Set Media Item Pitch"),
        KO_ROW(mediaItem, SetMediaPitch, "void", "ReaProject*,int,double", "projID,itemID,setPitch", "Set Media Pitch"),
        KO_ROW(mediaItem, SetSelectedMediaPitch, "void", "ReaProject*,int,double", "projID,selectItemID,setPitch",
               "Set Select Media Pitch"),
        KO_ROW(mediaItem, SetTrackMediaPitch, "void", "ReaProject*,int,int,double",
               "projID,trackID,trackItemID,setPitch", "Set Track Media Pitch"),
        KO_ROW(mediaItem, SetSelectedTrackMediaPitch, "void", "ReaProject*,int,int,double",
               "projID,selectTrackID,trackItemID,setPitch", "Set Select Track Media Pitch"),
        KO_ROW(mediaItem, SetMediaItemAddPitch, "void", "MediaItem*,double", "item,addPitch",
               "Set Media Item Add Pitch"),
        KO_ROW(mediaItem, SetMediaAddPitch, "void", "ReaProject*,int,double", "projID,itemID,addPitch",
               "Set Media Add Pitch"),
        KO_ROW(mediaItem, SetSelectedMediaAddPitch, "void", "ReaProject*,int,double", "projID,selectItemID,addPitch",
               "Set Select Media Add Pitch"),
        KO_ROW(mediaItem, SetTrackMediaAddPitch, "void", "ReaProject*,int,int,double",
               "projID,trackID,trackItemID,addPitch", "Set Track Media Add Pitch"),
        KO_ROW(mediaItem, SetSelectedTrackMediaAddPitch, "void", "ReaProject*,int,int,double",
               "projID,selectTrackID,trackItemID,addPitch", "Set Select Track Media Add Pitch"),
        KO_ROW(mediaItem, GetMediaItemRate, "void", "MediaItem*,double*", "item,rateOut", "Get Media Item Rate"),
        KO_ROW(mediaItem, GetMediaRate, "void", "ReaProject*,int,double*", "projID,itemID,rateOut", "Get Media Rate"),
        KO_ROW(mediaItem, GetSelectedMediaRate, "void", "ReaProject*,int,double*", "projID,itemID,rateOut",
               "Get Select Media Rate"),
        KO_ROW(mediaItem, GetTrackMediaRate, "void", "ReaProject*,int,int,double*",
               "projID,trackID,trackItemID,rateOut", "Get Track Media Rate"),
        KO_ROW(mediaItem, GetSelectedTrackMediaRate, "void", "ReaProject*,int,int,double*",
               "projID,selectTrackID,trackItemID,rateOut", "Get Select Track Media Rate"),
        KO_ROW(mediaItem, SetMediaItemRate, "void", "MediaItem*,double", "item,setRate", "Set Media Item Rate"),
        KO_ROW(mediaItem, SetMediaRate, "void", "ReaProject*,int,double", "projID,itemID,setRate", "Set Media Rate"),
        KO_ROW(mediaItem, SetSelectedMediaRate, "void", "ReaProject*,int,double", "projID,selectItemID,setRate",
               "Set Select Media Rate"),
        KO_ROW(mediaItem, SetTrackMediaRate, "void", "ReaProject*,int,int,double", "projID,trackID,trackItemID,setRate",
               "Set Track Media Rate"),
        KO_ROW(mediaItem, SetSelectedTrackMediaRate, "void", "ReaProject*,int,int,double",
               "projID,trackID,trackItemID,setRate", "Set Select Track Media Rate"),
    };
}
