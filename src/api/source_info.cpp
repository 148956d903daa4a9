// What lies behind an item: source types counted over a set of items, and
// for one item its source's bits per sample, sample rate, channel count and
// the take's channel mode.
#include <cstring>

#include "api/media_item.h"
#include "host/catalogue.h"
#include "support/utility.h"

namespace ko_api::mediaItem {

namespace {

// Counts a set of items and, among them, those whose active take plays a
// source of mediaType ("WAV" also counts "WAVE"; "" counts every item).
template <class Count, class At>
bool count_types(const char* mediaType, int* allCountOut, int* typeCountOut, Count count, At at) {
    const char* wanted = text(mediaType);
    const int all = count();
    int matching = 0;
    if (ko_utility::Stricmp(wanted, "")) {
        matching = count();
    } else {
        const bool wav_alias = ko_utility::Stricmp(wanted, "WAV");
        char type[1024];
        const int n = count();
        for (int i = 0; i < n; ++i) {
            type[0] = '\0';  // an item without a take or source counts as no type
            PCM_source* source = GetMediaItemTake_Source(GetActiveTake(at(i)));
            if (source != nullptr) GetMediaSourceType(source, type, sizeof type);
            type[sizeof type - 1] = '\0';
            if (ko_utility::Stricmp(wanted, type) || (wav_alias && ko_utility::Stricmp(type, "WAVE"))) ++matching;
        }
    }
    put(allCountOut, all);
    put(typeCountOut, matching);
    return true;
}

bool count_track_types(MediaTrack* track, const char* mediaType, int* allCountOut, int* typeCountOut) {
    valid_track(track);
    return count_types(
        mediaType, allCountOut, typeCountOut, [&] { return CountTrackMediaItems(track); },
        [&](int i) { return GetTrackMediaItem(track, i); });
}

PCM_source* source_of(MediaItem_Take* take) {
    PCM_source* source = GetMediaItemTake_Source(take);
    ko_error::require(source != nullptr, ko_error::SOURCE_NOT_FOUND);
    return source;
}

}  // namespace

bool GetMediaTypeCount(ReaProject* projID, const char* mediaType, int* allCountOut, int* typeCountOut) noexcept {
    return ko_error::guarded(false, [&] {
        return count_types(
            mediaType, allCountOut, typeCountOut, [&] { return CountMediaItems(projID); },
            [&](int i) { return GetMediaItem(projID, i); });
    });
}

bool GetSelectedMediaTypeCount(ReaProject* projID, const char* mediaType, int* allCountOut,
                               int* typeCountOut) noexcept {
    return ko_error::guarded(false, [&] {
        return count_types(
            mediaType, allCountOut, typeCountOut, [&] { return CountSelectedMediaItems(projID); },
            [&](int i) { return GetSelectedMediaItem(projID, i); });
    });
}

bool GetTrackItemMediaTypeCount(MediaTrack* track, const char* mediaType, int* allCountOut,
                                int* typeCountOut) noexcept {
    return ko_error::guarded(false, [&] { return count_track_types(track, mediaType, allCountOut, typeCountOut); });
}

bool GetTrackMediaTypeCount(ReaProject* projID, int trackID, const char* mediaType, int* allCountOut,
                            int* typeCountOut) noexcept {
    return ko_error::guarded(
        false, [&] { return count_track_types(GetTrack(projID, trackID), mediaType, allCountOut, typeCountOut); });
}

bool GetSelectedTrackMediaTypeCount(ReaProject* projID, int selectTrackID, const char* mediaType, int* allCountOut,
                                    int* typeCountOut) noexcept {
    return ko_error::guarded(false, [&] {
        return count_track_types(GetSelectedTrack(projID, selectTrackID), mediaType, allCountOut, typeCountOut);
    });
}

bool GetMediaItemBitRate(MediaItem* item, int* out) noexcept {
    return ko_error::guarded(false, [&] {
        PCM_source* source = source_of(active_take(valid_item(item)));
        put(out, source->GetBitsPerSample());
        return true;
    });
}

bool GetMediaItemSampleRate(MediaItem* item, int* out) noexcept {
    return ko_error::guarded(false, [&] {
        PCM_source* source = source_of(active_take(valid_item(item)));
        put(out, GetMediaSourceSampleRate(source));
        return true;
    });
}

bool GetMediaItemNumChannels(MediaItem* item, int* out) noexcept {
    return ko_error::guarded(false, [&] {
        MediaItem_Take* take = active_take(valid_item(item));
        PCM_source* source = source_of(take);
        const double mode = GetMediaItemTakeInfo_Value(take, "I_CHANMODE");
        const int channels = GetMediaSourceNumChannels(source);
        if (channels == 1) {
            put(out, 1);
        } else if (mode <= 1.0) {
            put(out, channels);
        } else if (mode >= 2.0 && mode < 67.0) {
            put(out, 1);
        } else {
            put(out, 2);
        }
        return true;
    });
}

bool GetMediaItemChannelMode(MediaItem* item, int* out) noexcept {
    return ko_error::guarded(false, [&] {
        MediaItem_Take* take = active_take(valid_item(item));
        put(out, to_int(GetMediaItemTakeInfo_Value(take, "I_CHANMODE")));
        return true;
    });
}

bool SetMediaItemChannelMode(MediaItem* item, int mode) noexcept {
    return ko_error::guarded(false, [&] {
        MediaItem_Take* take = active_take(valid_item(item));
        ko_error::require(SetMediaItemTakeInfo_Value(take, "I_CHANMODE", static_cast<double>(mode)),
                          ko_error::SET_VALUE_FAILED);
        UpdateArrange();
        return true;
    });
}

KO_DEFINE_FORMS(bool, Get, BitRate, (, int* out), (, out))
KO_DEFINE_FORMS(bool, Get, SampleRate, (, int* out), (, out))
KO_DEFINE_FORMS(bool, Get, NumChannels, (, int* out), (, out))
KO_DEFINE_FORMS(bool, Get, ChannelMode, (, int* out), (, out))
KO_DEFINE_FORMS(bool, Set, ChannelMode, (, int mode), (, mode))

}  // namespace ko_api::mediaItem

KO_VARARG(mediaItem, GetMediaTypeCount)
KO_VARARG(mediaItem, GetSelectedMediaTypeCount)
KO_VARARG(mediaItem, GetTrackItemMediaTypeCount)
KO_VARARG(mediaItem, GetTrackMediaTypeCount)
KO_VARARG(mediaItem, GetSelectedTrackMediaTypeCount)
KO_VARARG_VALUE_FORMS(Get, BitRate)
KO_VARARG_VALUE_FORMS(Get, SampleRate)
KO_VARARG_VALUE_FORMS(Get, NumChannels)
KO_VARARG_VALUE_FORMS(Get, ChannelMode)
KO_VARARG_FORMS(Set, ChannelMode)

std::vector<ko_host::catalogue_row> ko_host::rows::source_info() {
    return {
        KO_ROW(mediaItem, GetMediaTypeCount, "void", "ReaProject*,const char*,int*,int*",
               "projID,mediaType,allCountOut,typeCountOut", "Get type count of media"),
        KO_ROW(mediaItem, GetSelectedMediaTypeCount, "void", "ReaProject*,const char*,int*,int*",
               "projID,mediaType,allCountOut,typeCountOut", "Get type count of select media"),
        KO_ROW(mediaItem, GetTrackItemMediaTypeCount, "void", "MediaTrack*,const char*,int*,int*",
               "track,mediaType,allCountOut,typeCountOut", "Get type count of track item media"),
        KO_ROW(mediaItem, GetTrackMediaTypeCount, "void", "ReaProject*,int,const char*,int*,int*",
               "projID,trackID,mediaType,allCountOut,typeCountOut", "Get type count of track media"),
        KO_ROW(mediaItem, GetSelectedTrackMediaTypeCount, "void", "ReaProject*,int,const char*,int*,int*",
               "projID,selectTrackID,mediaType,allCountOut,typeCountOut", "Get type count of select track media"),
        KO_VALUE_ROW(mediaItem, GetMediaItemBitRate, "int", "MediaItem*", "item", "Get Bit rate of media Item"),
        KO_VALUE_ROW(mediaItem, GetMediaBitRate, "int", "ReaProject*,int", "projID,itemID", "Get Bit rate of media"),
        KO_VALUE_ROW(mediaItem, GetSelectedMediaBitRate, "int", "ReaProject*,int", "projID,selectItemID",
                     "Get Bit rate of select media"),
        KO_VALUE_ROW(mediaItem, GetTrackMediaBitRate, "int", "ReaProject*,int,int", "projID,trackID,trackItemID",
                     "Get Bit rate of track media"),
        KO_VALUE_ROW(mediaItem, GetSelectedTrackMediaBitRate, "int", "ReaProject*,int,int",
                     "projID,selectTrackID,trackItemID", "Get Bit rate of select track media"),
        KO_VALUE_ROW(mediaItem, GetMediaItemSampleRate, "int", "MediaItem*", "item", "Get sample rate of media item"),
        KO_VALUE_ROW(mediaItem, GetMediaSampleRate, "int", "ReaProject*,int", "projID,itemID",
                     "Get sample rate of media"),
        KO_VALUE_ROW(mediaItem, GetSelectedMediaSampleRate, "int", "ReaProject*,int", "projID,selectItemID",
                     "Get sample rate of selectMedia"),
        KO_VALUE_ROW(mediaItem, GetTrackMediaSampleRate, "int", "ReaProject*,int,int", "projID,trackID,trackItemID",
                     "Get sample rate of trackMedia"),
        KO_VALUE_ROW(mediaItem, GetSelectedTrackMediaSampleRate, "int", "ReaProject*,int,int",
                     "projID,selectTrackID,trackItemID", "Get sample rate of selectTrackMedia"),
        KO_VALUE_ROW(mediaItem, GetMediaItemNumChannels, "int", "MediaItem*", "item",
                     "Get the number of media item channels"),
        KO_VALUE_ROW(mediaItem, GetMediaNumChannels, "int", "ReaProject*,int", "projID,itemID",
                     "Get the number of media channels"),
        KO_VALUE_ROW(mediaItem, GetSelectedMediaNumChannels, "int", "ReaProject*,int", "projID,selectItemID",
                     "Get the number of selectMedia channels"),
        KO_VALUE_ROW(mediaItem, GetTrackMediaNumChannels, "int", "ReaProject*,int,int", "projID,trackID,trackItemID",
                     "Get the number of trackMedia channels"),
        KO_VALUE_ROW(mediaItem, GetSelectedTrackMediaNumChannels, "int", "ReaProject*,int,int",
                     "projID,selectTrackID,trackItemID", "Get the number of selectTrackMedia channels"),
        KO_VALUE_ROW(mediaItem, GetMediaItemChannelMode, "int", "MediaItem*", "item", "Get media item channel mode"),
        KO_VALUE_ROW(mediaItem, GetMediaChannelMode, "int", "ReaProject*,int", "projID,itemID",
                     "Get media channel mode"),
        KO_VALUE_ROW(mediaItem, GetSelectedMediaChannelMode, "int", "ReaProject*,int", "projID,selectItemID",
                     "Get select media channel mode"),
        KO_VALUE_ROW(mediaItem, GetTrackMediaChannelMode, "int", "ReaProject*,int,int", "projID,trackID,trackItemID",
                     "Get track media channel mode"),
        KO_VALUE_ROW(mediaItem, GetSelectedTrackMediaChannelMode, "int", "ReaProject*,int,int",
                     "projID,sselectTrackID,trackItemID", "Get select track media channel mode"),
        KO_ROW(mediaItem, SetMediaItemChannelMode, "void", "MediaItem*,int", "item,setChannelMode",
               "Set media item channel mode"),
        KO_ROW(mediaItem, SetMediaChannelMode, "void", "ReaProject*,int,int", "projID,itemID,setChannelMode",
               "Set media channel mode"),
        KO_ROW(mediaItem, SetSelectedMediaChannelMode, "void", "ReaProject*,int,int",
               "projID,selectItemID,setChannelMode", "Set select media channel mode"),
        KO_ROW(mediaItem, SetTrackMediaChannelMode, "void", "ReaProject*,int,int,int",
               "projID,trackID,trackItemID,setChannelMode", "Set track media channel mode"),
        KO_ROW(mediaItem, SetSelectedTrackMediaChannelMode, "void", "ReaProject*,int,int,int",
               "projID,selectTrackID,trackItemID,setChannelMode", "Set select track media channel mode"),
    };
}
