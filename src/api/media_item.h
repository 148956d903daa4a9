// The media item operations. Each is a named function; scripts reach it as
// KO_ followed by its name. Every operation clears the error code first and,
// when it fails, stores a code and returns a neutral value (false, null, 0).
// Getters write their out-parameters only on success.
#pragma once

#include <string>

#include "api/addressing.h"
#include "host/reaper_types.h"
#include "support/export.h"

namespace ko_api::mediaItem {

// Selectors: mediaTypeID 0 counts all items (or tracks), 1 the selected ones.
KO_EXPORT MediaItem* GetMediaItemSelect(ReaProject* projID, int itemID, int mediaTypeID) noexcept;
KO_EXPORT MediaItem* GetMediaTrackItemSelect(ReaProject* projID, int trackID, int itemID, int mediaTypeID) noexcept;

// Source information.
KO_EXPORT bool GetMediaTypeCount(ReaProject* projID, const char* mediaType, int* allCountOut,
                                 int* typeCountOut) noexcept;
KO_EXPORT bool GetSelectedMediaTypeCount(ReaProject* projID, const char* mediaType, int* allCountOut,
                                         int* typeCountOut) noexcept;
KO_EXPORT bool GetTrackItemMediaTypeCount(MediaTrack* track, const char* mediaType, int* allCountOut,
                                          int* typeCountOut) noexcept;
KO_EXPORT bool GetTrackMediaTypeCount(ReaProject* projID, int trackID, const char* mediaType, int* allCountOut,
                                      int* typeCountOut) noexcept;
KO_EXPORT bool GetSelectedTrackMediaTypeCount(ReaProject* projID, int selectTrackID, const char* mediaType,
                                              int* allCountOut, int* typeCountOut) noexcept;
KO_DECLARE_FORMS(bool, Get, BitRate, (, int* out))
KO_DECLARE_FORMS(bool, Get, SampleRate, (, int* out))
KO_DECLARE_FORMS(bool, Get, NumChannels, (, int* out))
KO_DECLARE_FORMS(bool, Get, ChannelMode, (, int* out))
KO_DECLARE_FORMS(bool, Set, ChannelMode, (, int mode))

// Name and mute.
KO_DECLARE_FORMS(bool, Get, Name, (, char* nameOut, int nameOut_sz))
KO_DECLARE_FORMS(bool, Set, Name, (, const char* setName))
KO_DECLARE_FORMS(bool, Get, Mute, (, bool* out))
KO_DECLARE_FORMS(bool, Set, Mute, (, bool setType))

// Position and length.
KO_DECLARE_FORMS(bool, Get, StartTimeSeconds, (, double* out))
KO_DECLARE_FORMS(bool, Get, StartTimeFrame, (, int* out))
KO_DECLARE_FORMS(bool, Set, StartTimeSeconds, (, double setSeconds))
KO_DECLARE_FORMS(bool, Set, StartTimeFrame, (, double setFrame))
KO_DECLARE_FORMS(bool, Get, Length, (, double* out))
KO_DECLARE_FORMS(bool, Get, EndTime, (, double* out))
KO_DECLARE_FORMS(int, Get, EndTimeFrame, ())

// Fades, volume, pitch and rate.
KO_DECLARE_FORMS(bool, Get, Fade, (, int* inTypeOut, double* inLenOut, int* outTypeOut, double* outLenOut))
KO_DECLARE_FORMS(bool, Set, Fade, (, int inType, double inLen, int outType, double outLen))
KO_DECLARE_FORMS(bool, Get, Volume, (, double* volumeOut))
KO_DECLARE_FORMS(bool, Set, Volume, (, double volume))
KO_DECLARE_FORMS(bool, Set, AddVolume, (, double addVolume))
KO_DECLARE_FORMS(bool, Get, Pitch, (, double* pitchOut))
KO_DECLARE_FORMS(bool, Set, Pitch, (, double setPitch))
KO_DECLARE_FORMS(bool, Set, AddPitch, (, double addPitch))
KO_DECLARE_FORMS(bool, Get, Rate, (, double* rateOut))
KO_DECLARE_FORMS(bool, Set, Rate, (, double setRate))

// Delete, select, move and active-take copy.
KO_DECLARE_FORMS(bool, Delete, , ())
KO_EXPORT bool DeleteAllMedia(ReaProject* projID) noexcept;
KO_EXPORT bool DeleteAllSelectedMedia(ReaProject* projID) noexcept;
KO_EXPORT bool DeleteAllTrackMedia(ReaProject* projID, int trackID) noexcept;
KO_EXPORT bool DeleteAllSelectedTrackMedia(ReaProject* projID, int selectTrackID) noexcept;
KO_EXPORT bool SetMediaSelected(ReaProject* projID, int itemID, bool selectType) noexcept;
KO_EXPORT bool SetTrackMediaSelected(ReaProject* projID, int trackID, int trackItemID, bool selectType) noexcept;
KO_EXPORT bool SetAllMediaSelected(ReaProject* projID, bool selectType) noexcept;
KO_DECLARE_FORMS(bool, Set, MoveToTrack, (, int moveTrackID))
KO_DECLARE_FORMS(bool, Set, ActiveTakeCopy, (, int setTrackID, double setPosition))

// Media insertion. Each returns the new item, or null.
KO_EXPORT MediaItem* InsertMediaOutItem(ReaProject* projID, const char* filePath) noexcept;
KO_EXPORT MediaItem* InsertMediaTrackItemSecond(MediaTrack* track, const char* filePath, int startEndType,
                                                double setSecond) noexcept;
KO_EXPORT MediaItem* InsertMediaTrackIdSecond(ReaProject* projID, int trackID, const char* filePath, int startEndType,
                                              double setSecond) noexcept;
KO_EXPORT MediaItem* InsertMediaSelectedTrackIdSecond(ReaProject* projID, int selectTrackID, const char* filePath,
                                                      int startEndType, double setSecond) noexcept;
KO_EXPORT MediaItem* InsertMediaTrackItemFrame(MediaTrack* track, const char* filePath, int startEndType,
                                               int setFrame) noexcept;
KO_EXPORT MediaItem* InsertMediaTrackIdFrame(ReaProject* projID, int trackID, const char* filePath, int startEndType,
                                             int setFrame) noexcept;
KO_EXPORT MediaItem* InsertMediaSelectedTrackIdFrame(ReaProject* projID, int selectTrackID, const char* filePath,
                                                     int startEndType, int setFrame) noexcept;

// The file name of a take's source, with or without its extension; empty
// when the take or its file does not exist.
KO_EXPORT std::string GetSourceName(MediaItem* item, int takeIndex, bool withoutExtension);
KO_EXPORT bool GetSourceName(MediaItem* item, int takeIndex, bool withoutExtension, char* buf, int bufSize) noexcept;

}  // namespace ko_api::mediaItem

namespace ko_api::cursol {

// The play position while the transport runs, the edit cursor otherwise.
KO_EXPORT bool GetPlayCursorPosition(ReaProject* projID, double* posOut) noexcept;
// Places the edit cursor at setPos from the project start (startEndType 0) or
// from its end (any other value).
KO_EXPORT bool SetPlayCursorPosition(ReaProject* projID, int startEndType, double setPos, double* posOut) noexcept;
KO_EXPORT bool SetPlayCursorPositionFrame(ReaProject* projID, int startEndType, int setFrame,
                                          int* posFrameOut) noexcept;

}  // namespace ko_api::cursol

namespace ko_api {
// Frames from seconds at a frame rate.
int seconds_to_frame(double seconds, double rate) noexcept;
// A project's frames per second (null: the active project), without
// drop-frame adjustment.
double frame_rate(ReaProject* project) noexcept;
}  // namespace ko_api
