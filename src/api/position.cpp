// Start, length and end of items, in seconds and in video frames, and moving
// an item by its start.
#include <cmath>

#include "api/media_item.h"
#include "host/catalogue.h"

namespace ko_api {

// Scaled through 10000 and back, in this order, so that frame numbers match
// what scripts have always read, one frame off r x t now and then.
int seconds_to_frame(double seconds, double rate) noexcept {
    const double a = seconds * 10000.0;
    const double b = rate * a;
    const double c = b * 0.0001;
    return to_int(c);
}

double frame_rate(ReaProject* project) noexcept {
    bool drop_frame = false;  // frames are counted without drop-frame adjustment
    return TimeMap_curFrameRate(project, &drop_frame);
}

namespace {
// Not-a-number passes a plain "below zero" test, so both are refused here.
void require_start(double start) {
    ko_error::require(start >= 0.0, ko_error::NEGATIVE_POSITION);
}
}  // namespace

}  // namespace ko_api

namespace ko_api::mediaItem {

bool GetMediaItemStartTimeSeconds(MediaItem* item, double* out) noexcept {
    return ko_error::guarded(false, [&] {
        put(out, GetMediaItemInfo_Value(valid_item(item), "D_POSITION"));
        return true;
    });
}

bool GetMediaItemStartTimeFrame(MediaItem* item, int* out) noexcept {
    return ko_error::guarded(false, [&] {
        valid_item(item);
        const double rate = frame_rate(GetItemProjectContext(item));
        put(out, seconds_to_frame(GetMediaItemInfo_Value(item, "D_POSITION"), rate));
        return true;
    });
}

bool SetMediaItemStartTimeSeconds(MediaItem* item, double setSeconds) noexcept {
    return ko_error::guarded(false, [&] {
        valid_item(item);
        require_start(setSeconds);
        ko_error::require(SetMediaItemInfo_Value(item, "D_POSITION", setSeconds), ko_error::SET_VALUE_FAILED);
        return true;
    });
}

bool SetMediaItemStartTimeFrame(MediaItem* item, double setFrame) noexcept {
    return ko_error::guarded(false, [&] {
        valid_item(item);
        require_start(setFrame);
        const double rate = frame_rate(nullptr);  // the active project's rate
        const double seconds = setFrame / rate;
        // a project without a frame rate gives no position to move to
        ko_error::require(std::isfinite(seconds), ko_error::SET_VALUE_FAILED);
        ko_error::require(SetMediaItemInfo_Value(item, "D_POSITION", seconds), ko_error::SET_VALUE_FAILED);
        return true;
    });
}

bool GetMediaItemLength(MediaItem* item, double* out) noexcept {
    return ko_error::guarded(false, [&] {
        put(out, GetMediaItemInfo_Value(valid_item(item), "D_LENGTH"));
        return true;
    });
}

bool GetMediaItemEndTime(MediaItem* item, double* out) noexcept {
    return ko_error::guarded(false, [&] {
        valid_item(item);
        const double start = GetMediaItemInfo_Value(item, "D_POSITION");
        const double length = GetMediaItemInfo_Value(item, "D_LENGTH");
        put(out, start + length);
        return true;
    });
}

int GetMediaItemEndTimeFrame(MediaItem* item) noexcept {
    return ko_error::handled(0, [&] {
        valid_item(item);
        const double rate = frame_rate(GetItemProjectContext(item));
        double end = 0.0;
        GetMediaItemEndTime(item, &end);
        Bridge_IF::reset_errorCode();
        return seconds_to_frame(end, rate);
    });
}

KO_DEFINE_FORMS(bool, Get, StartTimeSeconds, (, double* out), (, out))
KO_DEFINE_FORMS(bool, Get, StartTimeFrame, (, int* out), (, out))
KO_DEFINE_FORMS(bool, Set, StartTimeSeconds, (, double setSeconds), (, setSeconds))
KO_DEFINE_FORMS(bool, Set, StartTimeFrame, (, double setFrame), (, setFrame))
KO_DEFINE_FORMS(bool, Get, Length, (, double* out), (, out))
KO_DEFINE_FORMS(bool, Get, EndTime, (, double* out), (, out))
KO_DEFINE_FORMS(int, Get, EndTimeFrame, (), ())

}  // namespace ko_api::mediaItem

KO_VARARG_FORMS(Get, StartTimeSeconds)
KO_VARARG_VALUE_FORMS(Get, StartTimeFrame)
KO_VARARG_FORMS(Set, StartTimeSeconds)
KO_VARARG_FORMS(Set, StartTimeFrame)
KO_VARARG_FORMS(Get, Length)
KO_VARARG_FORMS(Get, EndTime)
KO_VARARG_FORMS(Get, EndTimeFrame)

std::vector<ko_host::catalogue_row> ko_host::rows::position() {
    return {
        KO_ROW(mediaItem, GetMediaItemStartTimeSeconds, "void", "MediaItem*,double*", "item,secondOut",
               "Get Media Item StartTime"),
        KO_ROW(mediaItem, GetMediaStartTimeSeconds, "void", "ReaProject*,int,double*", "projID,itemID,secondOut",
               "Get Media StartTime"),
        KO_ROW(mediaItem, GetSelectedMediaStartTimeSeconds, "void", "ReaProject*,int,double*",
               "projID,selectItemID,secondOut", "Get select Media StartTime"),
        KO_ROW(mediaItem, GetTrackMediaStartTimeSeconds, "void", "ReaProject*,int,int,double*",
               "projID,trackID,trackItemID,secondOut", "Get track Media StartTime"),
        KO_ROW(mediaItem, GetSelectedTrackMediaStartTimeSeconds, "void", "ReaProject*,int,int,double*",
               "projID,selectTrackID,trackItemID,secondOut", "Get select track Media StartTime"),
        KO_VALUE_ROW(mediaItem, GetMediaItemStartTimeFrame, "int", "MediaItem*", "item",
                     "Get Media Item StartTime Frame"),
        KO_VALUE_ROW(mediaItem, GetMediaStartTimeFrame, "int", "ReaProject*,int", "projID,itemID",
                     "Get Media StartTime Frame"),
        KO_VALUE_ROW(mediaItem, GetSelectedMediaStartTimeFrame, "int", "ReaProject*,int", "projID,selectItemID",
                     "Get Select Media StartTime Frame"),
        KO_VALUE_ROW(mediaItem, GetTrackMediaStartTimeFrame, "int", "ReaProject*,int,int", "projID,trackID,trackItemID",
                     "Get Track Media StartTime Frame"),
        KO_VALUE_ROW(mediaItem, GetSelectedTrackMediaStartTimeFrame, "int", "ReaProject*,int,int",
                     "projID,selectTrackID,trackItemID", "Get Select Track Media StartTime Frame"),
        KO_ROW(mediaItem, SetMediaItemStartTimeSeconds, "void", "MediaItem*,double", "item,setSeconds",
               "Set Media StartTime Seconds"),
        KO_ROW(mediaItem, SetMediaStartTimeSeconds, "void", "ReaProject*,int,double", "projID,itemID,setSeconds",
               "Set Media StartTime Seconds"),
        KO_ROW(mediaItem, SetSelectedMediaStartTimeSeconds, "void", "ReaProject*,int,double",
               "projID,selectItemID,setSeconds", "Set Select Media StartTime Seconds"),
        KO_ROW(mediaItem, SetTrackMediaStartTimeSeconds, "void", "ReaProject*,int,int,double",
               "projID,trackID,trackItemID,setSeconds", "Set Track Media StartTime Seconds"),
        KO_ROW(mediaItem, SetSelectedTrackMediaStartTimeSeconds, "void", "ReaProject*,int,int,double",
               "projID,selectTrackID,trackItemID,setSeconds", "Set Select Track Media StartTime Seconds"),
        KO_ROW(mediaItem, SetMediaItemStartTimeFrame, "void", "MediaItem*,double", "item,setFrame",
               "Set Media StartTime Frame"),
        KO_ROW(mediaItem, SetMediaStartTimeFrame, "void", "ReaProject*,int,double", "projID,itemID,setFrame",
               "Set Media StartTime Frame"),
        KO_ROW(mediaItem, SetSelectedMediaStartTimeFrame, "void", "ReaProject*,int,double",
               "projID,selectItemID,setFrame", "Set Select Media StartTime Frame"),
        KO_ROW(mediaItem, SetTrackMediaStartTimeFrame, "void", "ReaProject*,int,int,double",
               "projID,trackID,trackItemID,setFrame", "Set Track Media StartTime Frame"),
        KO_ROW(mediaItem, SetSelectedTrackMediaStartTimeFrame, "void", "ReaProject*,int,int,double",
               "projID,selectTrackID,trackItemID,setFrame", "Set Select Track Media StartTime Frame"),
        KO_ROW(mediaItem, GetMediaItemLength, "void", "MediaItem*,double*", "item,lengthOut", "Get Media item Length"),
        KO_ROW(mediaItem, GetMediaLength, "void", "ReaProject*,int,double*", "projID,itemID,lengthOut",
               "Get Media Length"),
        KO_ROW(mediaItem, GetSelectedMediaLength, "void", "ReaProject*,int,double*", "projID,selectItemID,lengthOut",
               "Get Select Media Length"),
        KO_ROW(mediaItem, GetTrackMediaLength, "void", "ReaProject*,int,int,double*",
               "projID,trackID,trackItemID,lengthOut", "Get Track Media Length"),
        KO_ROW(mediaItem, GetSelectedTrackMediaLength, "void", "ReaProject*,int,int,double*",
               "projID,selectTrackID,trackItemID,lengthOut", "Get Select Track Media Length"),
        KO_ROW(mediaItem, GetMediaItemEndTime, "void", "MediaItem*,double*", "item,endTimeOut",
               "Get Media Item EndTime"),
        KO_ROW(mediaItem, GetMediaEndTime, "void", "ReaProject*,int,double*", "projID,itemID,endTimeOut",
               "Get Media EndTime"),
        KO_ROW(mediaItem, GetSelectedMediaEndTime, "void", "ReaProject*,int,double*", "projID,selectItemID,endTimeOut",
               "Get Select Media EndTime"),
        KO_ROW(mediaItem, GetTrackMediaEndTime, "void", "ReaProject*,int,int,double*",
               "projID,trackID,trackItemID,endTimeOut", "Get Track Media EndTime"),
        KO_ROW(mediaItem, GetSelectedTrackMediaEndTime, "void", "ReaProject*,int,int,double*",
               "projID,selectTrackID,trackItemID,endTimeOut", "Get Select Track Media EndTime"),
        KO_ROW(mediaItem, GetMediaItemEndTimeFrame, "int", "MediaItem*", "item", "Get end frame of mediaItem"),
        KO_ROW(mediaItem, GetMediaEndTimeFrame, "int", "ReaProject*,int", "projID,itemID",
               "Get end frame of mediaItem specified by itemID"),
        KO_ROW(mediaItem, GetSelectedMediaEndTimeFrame, "int", "ReaProject*,int", "projID,selectItemID",
               "Get end frame of mediaItem specified by selectItemID"),
        KO_ROW(mediaItem, GetTrackMediaEndTimeFrame, "int", "ReaProject*,int,int", "projID,trackID,trackItemID",
               "Get end frame of mediaItem specified by trackID and trackItemID"),
        KO_ROW(mediaItem, GetSelectedTrackMediaEndTimeFrame, "int", "ReaProject*,int,int",
               "projID,selectTrackID,trackItemID",
               "Get end frame of mediaItem specified by selectTrackID and trackItemID"),
    };
}
