// Item volume in decibels: read, set, and change by an amount.
#include "api/media_item.h"
#include "host/catalogue.h"
#include "support/utility.h"

namespace ko_api::mediaItem {

namespace {
void store_volume(MediaItem* item, double dB) {
    ko_error::require(SetMediaItemInfo_Value(item, "D_VOL", ko_utility::to_reaper_volume(dB)),
                      ko_error::SET_VALUE_FAILED);
    UpdateArrange();
}
}  // namespace

bool GetMediaItemVolume(MediaItem* item, double* volumeOut) noexcept {
    return ko_error::guarded(false, [&] {
        const double factor = GetMediaItemInfo_Value(valid_item(item), "D_VOL");
        put(volumeOut, ko_utility::round(ko_utility::to_dB(factor), 2));
        return true;
    });
}

bool SetMediaItemVolume(MediaItem* item, double volume) noexcept {
    return ko_error::guarded(false, [&] {
        store_volume(valid_item(item), volume);
        return true;
    });
}

bool SetMediaItemAddVolume(MediaItem* item, double addVolume) noexcept {
    return ko_error::guarded(false, [&] {
        const double factor = GetMediaItemInfo_Value(valid_item(item), "D_VOL");
        store_volume(item, ko_utility::to_dB(factor) + addVolume);
        return true;
    });
}

KO_DEFINE_FORMS(bool, Get, Volume, (, double* volumeOut), (, volumeOut))
KO_DEFINE_FORMS(bool, Set, Volume, (, double volume), (, volume))
KO_DEFINE_FORMS(bool, Set, AddVolume, (, double addVolume), (, addVolume))

}  // namespace ko_api::mediaItem

KO_VARARG_FORMS(Get, Volume)
KO_VARARG_FORMS(Set, Volume)
KO_VARARG_FORMS(Set, AddVolume)

std::vector<ko_host::catalogue_row> ko_host::rows::volume() {
    return {
        KO_ROW(mediaItem, GetMediaItemVolume, "void", "MediaItem*,double*", "item,volumeOut", "Get Media Item Volume"),
        KO_ROW(mediaItem, GetMediaVolume, "void", "ReaProject*,int,double*", "projID,itemID,volumeOut",
               "Get Media Volume"),
        KO_ROW(mediaItem, GetSelectedMediaVolume, "void", "ReaProject*,int,double*", "projID,selectItemID,volumeOut",
               "Get Select Media Volume"),
        KO_ROW(mediaItem, GetTrackMediaVolume, "void", "ReaProject*,int,int,double*",
               "projID,trackID,trackItemID,volumeOut", "Get Track Media Volume"),
        KO_ROW(mediaItem, GetSelectedTrackMediaVolume, "void", "ReaProject*,int,int,double*",
               "projID,selectTrackID,trackItemID,volumeOut", "Get Select Track Media Volume"),
        KO_ROW(mediaItem, SetMediaItemVolume, "void", "MediaItem*,double", "item,volume", "Set Media item Volume"),
        KO_ROW(mediaItem, SetMediaVolume, "void", "ReaProject*,int,double", "projID,itemID,volume", "Set Media Volume"),
        KO_ROW(mediaItem, SetSelectedMediaVolume, "void", "ReaProject*,int,double", "projID,selectItemID,volume",
               "Set Select Media Volume"),
        KO_ROW(mediaItem, SetTrackMediaVolume, "void", "ReaProject*,int,int,double",
               "projID,trackID,trackItemID,volume", "Set Track Media Volume"),
        KO_ROW(mediaItem, SetSelectedTrackMediaVolume, "void", "ReaProject*,int,int,double",
               "projID,selectTrackID,trackItemID,volume", "Set Select Track Media Volume"),
        KO_ROW(mediaItem, SetMediaItemAddVolume, "void", "MediaItem*,double", "item,addVolume",
               "Set Media item Add Volume"),
        KO_ROW(mediaItem, SetMediaAddVolume, "void", "ReaProject*,int,double", "projID,itemID,addVolume",
               "Set Media Add Volume"),
        KO_ROW(mediaItem, SetSelectedMediaAddVolume, "void", "ReaProject*,int,double", "projID,selectItemID,addVolume",
               "Set Select Media Add Volume"),
        KO_ROW(mediaItem, SetTrackMediaAddVolume, "void", "ReaProject*,int,int,double",
               "projID,trackID,trackItemID,addVolume", "Set Track Media Add Volume"),
        KO_ROW(mediaItem, SetSelectedTrackMediaAddVolume, "void", "ReaProject*,int,int,double",
               "projID,selectTrackID,trackItemID,addVolume", "Set Select Track Media Add Volume"),
    };
}
