// The REAPER API functions this extension calls, bound by name at load into
// global function-pointer variables that carry the functions' own names, so
// the rest of the code calls REAPER as if calling the functions directly.
#pragma once

#include "host/reaper_types.h"

// X(return type, name, parameter list), in binding order.
#define KO_HOST_API(X)                                                                                      \
    X(int, plugin_register, (const char* name, void* infostruct))                                           \
    X(bool, ValidatePtr, (void* pointer, const char* ctypename))                                            \
    X(MediaItem*, GetMediaItem, (ReaProject * proj, int itemidx))                                           \
    X(MediaItem*, GetSelectedMediaItem, (ReaProject * proj, int selitem))                                   \
    X(MediaTrack*, GetTrack, (ReaProject * proj, int trackidx))                                             \
    X(MediaTrack*, GetSelectedTrack, (ReaProject * proj, int seltrackidx))                                  \
    X(MediaItem*, GetTrackMediaItem, (MediaTrack * tr, int itemidx))                                        \
    X(MediaItem_Take*, GetTake, (MediaItem * item, int takeidx))                                            \
    X(int, CountMediaItems, (ReaProject * proj))                                                            \
    X(int, CountSelectedMediaItems, (ReaProject * proj))                                                    \
    X(int, CountTrackMediaItems, (MediaTrack * track))                                                      \
    X(int, CountSelectedTracks, (ReaProject * proj))                                                        \
    X(MediaItem_Take*, GetActiveTake, (MediaItem * item))                                                   \
    X(PCM_source*, GetMediaItemTake_Source, (MediaItem_Take * take))                                        \
    X(MediaTrack*, GetMediaItem_Track, (MediaItem * item))                                                  \
    X(ReaProject*, GetItemProjectContext, (MediaItem * item))                                               \
    X(double, GetMediaItemInfo_Value, (MediaItem * item, const char* parmname))                             \
    X(double, GetMediaItemTakeInfo_Value, (MediaItem_Take * take, const char* parmname))                    \
    X(double, GetMediaTrackInfo_Value, (MediaTrack * tr, const char* parmname))                             \
    X(bool, SetMediaItemInfo_Value, (MediaItem * item, const char* parmname, double newvalue))              \
    X(bool, SetMediaItemTakeInfo_Value, (MediaItem_Take * take, const char* parmname, double newvalue))     \
    X(bool, GetSetMediaItemTakeInfo_String,                                                                 \
      (MediaItem_Take * tk, const char* parmname, char* stringNeedBig, bool setNewValue))                   \
    X(void*, GetSetMediaItemTakeInfo, (MediaItem_Take * tk, const char* parmname, void* setNewValue))       \
    X(const char*, GetTakeName, (MediaItem_Take * take))                                                    \
    X(void, GetMediaSourceType, (PCM_source * source, char* typebuf, int typebuf_sz))                       \
    X(int, GetMediaSourceSampleRate, (PCM_source * source))                                                 \
    X(int, GetMediaSourceNumChannels, (PCM_source * source))                                                \
    X(void, PCM_Source_Destroy, (PCM_source * src))                                                         \
    X(MediaItem*, AddMediaItemToTrack, (MediaTrack * tr))                                                   \
    X(MediaItem_Take*, AddTakeToMediaItem, (MediaItem * item))                                              \
    X(bool, DeleteTrackMediaItem, (MediaTrack * tr, MediaItem * it))                                        \
    X(bool, MoveMediaItemToTrack, (MediaItem * item, MediaTrack * desttr))                                  \
    X(void, SetMediaItemSelected, (MediaItem * item, bool selected))                                        \
    X(void, SetTrackSelected, (MediaTrack * track, bool selected))                                          \
    X(void, SetOnlyTrackSelected, (MediaTrack * track))                                                     \
    X(int, InsertMedia, (const char* file, int mode))                                                       \
    X(int, GetMediaItemTake_Peaks,                                                                          \
      (MediaItem_Take * take, double peakrate, double starttime, int numchannels, int numsamplesperchannel, \
       int want_extra_type, double* buf))                                                                   \
    X(double, TimeMap_curFrameRate, (ReaProject * proj, bool* dropFrameOut))                                \
    X(int, GetPlayState, ())                                                                                \
    X(double, GetPlayPositionEx, (ReaProject * proj))                                                       \
    X(double, GetCursorPositionEx, (ReaProject * proj))                                                     \
    X(void, CSurf_GoEnd, ())                                                                                \
    X(void, SetEditCurPos2, (ReaProject * proj, double time, bool moveview, bool seekplay))                 \
    X(void, UpdateArrange, ())                                                                              \
    X(int, ShowMessageBox, (const char* msg, const char* title, int type))

#define KO_DECLARE_HOST_FUNCTION(ret, name, params) extern ret(*name) params;
KO_HOST_API(KO_DECLARE_HOST_FUNCTION)
#undef KO_DECLARE_HOST_FUNCTION
