// Fade-in and fade-out of an item: shapes and lengths.
#include "api/media_item.h"
#include "host/catalogue.h"
#include "support/utility.h"

namespace ko_api::mediaItem {

bool GetMediaItemFade(MediaItem* item, int* inTypeOut, double* inLenOut, int* outTypeOut, double* outLenOut) noexcept {
    return ko_error::guarded(false, [&] {
        valid_item(item);
        const double in_length = ko_utility::round(GetMediaItemInfo_Value(item, "D_FADEINLEN"), 2);
        const double out_length = ko_utility::round(GetMediaItemInfo_Value(item, "D_FADEOUTLEN"), 2);
        const double in_shape = GetMediaItemInfo_Value(item, "C_FADEINSHAPE");
        const double out_shape = GetMediaItemInfo_Value(item, "C_FADEOUTSHAPE");
        put(inLenOut, in_length);
        put(outLenOut, out_length);
        put(inTypeOut, to_int(in_shape));
        put(outTypeOut, to_int(out_shape));
        return true;
    });
}

bool SetMediaItemFade(MediaItem* item, int inType, double inLen, int outType, double outLen) noexcept {
    return ko_error::guarded(false, [&] {
        valid_item(item);
        SetMediaItemInfo_Value(item, "C_FADEINSHAPE", inType);
        SetMediaItemInfo_Value(item, "C_FADEOUTSHAPE", outType);
        SetMediaItemInfo_Value(item, "D_FADEINLEN", inLen);
        SetMediaItemInfo_Value(item, "D_FADEOUTLEN", outLen);
        UpdateArrange();
        return true;
    });
}

KO_DEFINE_FORMS(bool, Get, Fade, (, int* inTypeOut, double* inLenOut, int* outTypeOut, double* outLenOut),
                (, inTypeOut, inLenOut, outTypeOut, outLenOut))
KO_DEFINE_FORMS(bool, Set, Fade, (, int inType, double inLen, int outType, double outLen),
                (, inType, inLen, outType, outLen))

}  // namespace ko_api::mediaItem

KO_VARARG_FORMS(Get, Fade)
KO_VARARG_FORMS(Set, Fade)

std::vector<ko_host::catalogue_row> ko_host::rows::fades() {
    return {
        KO_ROW(mediaItem, GetMediaItemFade, "void", "MediaItem*,int*,double*,int*,double*",
               "item,inTypeOut,inLenOut,outTypeOut,outLenOut", "Get Media Item Fade"),
        KO_ROW(mediaItem, GetMediaFade, "void", "ReaProject*,int,int*,double*,int*,double*",
               "projID,itemID,inTypeOut,inLenOut,outTypeOut,outLenOut", "Get Media Fade"),
        KO_ROW(mediaItem, GetSelectedMediaFade, "void", "ReaProject*,int,int*,double*,int*,double*",
               "projID,selectItemID,inTypeOut,inLenOut,outTypeOut,outLenOut", "Get Select Media Fade"),
        KO_ROW(mediaItem, GetTrackMediaFade, "void", "ReaProject*,int,int,int*,double*,int*,double*",
               "projID,trackID,trackItemID,inTypeOut,inLenOut,outTypeOut,outLenOut", "Get Track Media Fade"),
        KO_ROW(mediaItem, GetSelectedTrackMediaFade, "void", "ReaProject*,int,int,int*,double*,int*,double*",
               "projID,selectTrackID,trackItemID,inTypeOut,inLenOut,outTypeOut,outLenOut",
               "Get Select Track Media Fade"),
        KO_ROW(mediaItem, SetMediaItemFade, "void", "MediaItem*,int,double,int,double",
               "item,inType,inLen,outType,outLen", "Set Media Item Fade"),
        KO_ROW(mediaItem, SetMediaFade, "void", "ReaProject*,int,int,double,int,double",
               "projID,itemID,inType,inLen,outType,outLen", "Set Media Fade"),
        KO_ROW(mediaItem, SetSelectedMediaFade, "void", "ReaProject*,int,int,double,int,double",
               "projID,selectItemID,inType,inLen,outType,outLen", "Set Select Media Fade"),
        KO_ROW(mediaItem, SetTrackMediaFade, "void", "ReaProject*,int,int,int,double,int,double",
               "projID,trackID,trackItemID,inType,inLen,outType,outLen", "Set Track Media Fade"),
        KO_ROW(mediaItem, SetSelectedTrackMediaFade, "void", "ReaProject*,int,int,int,double,int,double",
               "projID,selectTrackID,trackItemID,inType,inLen,outType,outLen", "Set Select Track Media Fade"),
    };
}
