// An item's name (the name of its active take, read without its extension)
// and its mute state.
#include <regex>

#include "api/media_item.h"
#include "host/catalogue.h"
#include "support/utility.h"

namespace ko_api::mediaItem {

bool GetMediaItemName(MediaItem* item, char* nameOut, int nameOut_sz) noexcept {
    return ko_error::guarded(false, [&] {
        MediaItem_Take* take = active_take(valid_item(item));
        const std::string name(text(GetTakeName(take)));
        static const char* const extension = "\\..+";
        const std::string stem = std::regex_replace(name, std::regex(extension), "");
        ko_utility::strcpy(nameOut, nameOut_sz, stem);
        return true;
    });
}

bool SetMediaItemName(MediaItem* item, const char* setName) noexcept {
    return ko_error::guarded(false, [&] {
        MediaItem_Take* take = active_take(valid_item(item));
        char buffer[1024];
        ko_utility::strcpy(buffer, sizeof buffer, text(setName));
        ko_error::require(GetSetMediaItemTakeInfo_String(take, "P_NAME", buffer, true), ko_error::SET_VALUE_FAILED);
        return true;
    });
}

bool GetMediaItemMute(MediaItem* item, bool* out) noexcept {
    return ko_error::guarded(false, [&] {
        put(out, GetMediaItemInfo_Value(valid_item(item), "B_MUTE") != 0.0);
        return true;
    });
}

bool SetMediaItemMute(MediaItem* item, bool setType) noexcept {
    return ko_error::guarded(false, [&] {
        ko_error::require(SetMediaItemInfo_Value(valid_item(item), "B_MUTE", setType ? 1.0 : 0.0),
                          ko_error::SET_VALUE_FAILED);
        UpdateArrange();
        return true;
    });
}

KO_DEFINE_FORMS(bool, Get, Name, (, char* nameOut, int nameOut_sz), (, nameOut, nameOut_sz))
KO_DEFINE_FORMS(bool, Set, Name, (, const char* setName), (, setName))
KO_DEFINE_FORMS(bool, Get, Mute, (, bool* out), (, out))
KO_DEFINE_FORMS(bool, Set, Mute, (, bool setType), (, setType))

}  // namespace ko_api::mediaItem

KO_VARARG_FORMS(Get, Name)
KO_VARARG_FORMS(Set, Name)
KO_VARARG_VALUE_FORMS(Get, Mute)
KO_VARARG_FORMS(Set, Mute)

std::vector<ko_host::catalogue_row> ko_host::rows::name_mute() {
    return {
        KO_ROW(mediaItem, GetMediaItemName, "void", "MediaItem*,char*,int", "item,nameOut,nameOut_sz",
               "Get media item name"),
        KO_ROW(mediaItem, GetMediaName, "void", "ReaProject*,int,char*,int", "projID,itemID,nameOut,nameOut_sz",
               "Get media name"),
        KO_ROW(mediaItem, GetSelectedMediaName, "void", "ReaProject*,int,char*,int", "projID,itemID,nameOut,nameOut_sz",
               "Get select media name"),
        KO_ROW(mediaItem, GetTrackMediaName, "void", "ReaProject*,int,int,char*,int",
               "projID,trackID,trackItemID,nameOut,nameOut_sz", "Get track media name"),
        KO_ROW(mediaItem, GetSelectedTrackMediaName, "void", "ReaProject*,int,int,char*,int",
               "projID,selectTrackID,trackItemID,nameOut,nameOut_sz", "Get select track media name"),
        KO_ROW(mediaItem, SetMediaItemName, "void", "MediaItem*,const char*", "item,setName", "Set media item name"),
        KO_ROW(mediaItem, SetMediaName, "void", "ReaProject*,int,const char*", "projID,itemID,setName",
               "Set media name"),
        KO_ROW(mediaItem, SetSelectedMediaName, "void", "ReaProject*,int,const char*", "projID,itemID,setName",
               "Set select media name"),
        KO_ROW(mediaItem, SetTrackMediaName, "void", "ReaProject*,int,int,const char*",
               "projID,trackId,trackItemID,setName", "Set track media name"),
        KO_ROW(mediaItem, SetSelectedTrackMediaName, "void", "ReaProject*,int,int,const char*",
               "projID,selectTrackId,trackItemID,setName", "Set select track media name"),
        KO_VALUE_ROW(mediaItem, GetMediaItemMute, "bool", "MediaItem*", "item", "Get Media item Mute Type"),
        KO_VALUE_ROW(mediaItem, GetMediaMute, "bool", "ReaProject*,int", "projID,itemID", "Get Media Mute Type"),
        KO_VALUE_ROW(mediaItem, GetSelectedMediaMute, "bool", "ReaProject*,int", "projID,selectItemID",
                     "Get Select Media Mute Type"),
        KO_VALUE_ROW(mediaItem, GetTrackMediaMute, "bool", "ReaProject*,int,int", "projID,trackID,trackItemID",
                     "Get Track Media Mute Type"),
        KO_VALUE_ROW(mediaItem, GetSelectedTrackMediaMute, "bool", "ReaProject*,int,int",
                     "projID,selectTrackID,trackItemID", "Get Select Track Media Mute Type"),
        KO_ROW(mediaItem, SetMediaItemMute, "void", "MediaItem*,bool", "item,setType", "Get Media Item Mute Type"),
        KO_ROW(mediaItem, SetMediaMute, "void", "ReaProject*,int,bool", "projID,itemID,setType", "Get Media Mute Type"),
        KO_ROW(mediaItem, SetSelectedMediaMute, "void", "ReaProject*,int,bool", "projID,selectItemID,setType",
               "Get Select Media Mute Type"),
        KO_ROW(mediaItem, SetTrackMediaMute, "void", "ReaProject*,int,int,bool", "projID,trackID,trackItemID,setType",
               "Get Track Media Mute Type"),
        KO_ROW(mediaItem, SetSelectedTrackMediaMute, "void", "ReaProject*,int,int,bool",
               "projID,selectTrackID,trackItemID,setType", "Get Select Track Media Mute Type"),
    };
}
