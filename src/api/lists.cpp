// The array-valued functions. ReaScript cannot pass their arrays, so REAPER
// lists them with their help but their registered functions do nothing; they
// work through the Lua module and the Python functions.
#include "host/catalogue.h"

std::vector<ko_host::catalogue_row> ko_host::rows::lists() {
    return {
        KO_ARRAY_ROW(mediaItem, GetMediaItemList, "void", "ReaProject*,MediaItemArray*", "projID,itemListOut",
                     "Get list of mediaitems"),
        KO_ARRAY_ROW(mediaItem, GetSelectedMediaItemList, "void", "ReaProject*,MediaItemArray*", "projID,itemListOut",
                     "Get list of selected mediaitems"),
        KO_ARRAY_ROW(mediaItem, GetTrackMediaItemList, "void", "ReaProject*,int,MediaItemArray*",
                     "projID,trackID,itemListOut", "Get list of mediaitems in track specified by trackID"),
        KO_ARRAY_ROW(mediaItem, GetSelectedTrackMediaItemList, "void", "ReaProject*,int,MediaItemArray*",
                     "projID,selectedTrackID,itemListOut",
                     "Get list of mediaitems in selected track specified by selectedTrackID"),
        KO_ARRAY_ROW(mediaItem, SelectMediaItems, "void", "MediaItemArray*,bool", "itemList,isSelected",
                     "Switch mediaitem selected true: selected / false: unselected"),
        KO_ARRAY_ROW(mediaItem, InsertMediaItems, "void", "MediaTrack*,StringArray*,double,double,int,array*",
                     "track,sourcePathList,startPos,interval,timeUnitType,itemListOut",
                     "Insert audio files as mediaitem in bulk"),
    };
}
