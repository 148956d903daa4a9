// Inserting media files as new items. The host's own insertion places a file
// on the selected track at the edit cursor and leaves the new item as the
// only selected item; these operations set the cursor and the track
// selection where the caller asked, pick the new item up, restore the
// selections as they were (the new item stays selected too) and name the
// item after its file.
#include <cstdint>
#include <vector>

#include "api/media_item.h"
#include "host/catalogue.h"
#include "object/ko_Path.h"
#include "support/utility.h"

namespace ko_api::mediaItem {

namespace {

// The project a track belongs to, as the host reports it.
ReaProject* project_of(MediaTrack* track) {
    const double address = GetMediaTrackInfo_Value(track, "P_PROJECT");
    if (!(address > 0.0 && address < 18446744073709551616.0)) return nullptr;
    return reinterpret_cast<ReaProject*>(static_cast<std::uintptr_t>(address));
}

MediaItem* insert_keeping_selection(ReaProject* project, const char* path) {
    int selected = 0;
    int typed = 0;
    GetSelectedMediaTypeCount(project, "", &selected, &typed);
    std::vector<MediaItem*> snapshot;
    snapshot.reserve(static_cast<size_t>(selected > 0 ? selected : 0));
    for (int i = 0; i < selected; ++i) snapshot.push_back(GetMediaItemSelect(project, i, 1));
    for (MediaItem* item : snapshot) SetMediaItemSelected(item, false);

    InsertMedia(path, 0);
    MediaItem* inserted = GetMediaItemSelect(project, 0, 1);

    for (MediaItem* item : snapshot) SetMediaItemSelected(item, true);
    return inserted;
}

// Names the new item after its file. The path has already been inserted, so
// a file-system failure here is reported but the item is still handed back.
MediaItem* named(MediaItem* item, const char* path) {
    try {
        const ko_object::ko_Path record{std::string(path)};
        SetMediaItemName(item, record.FileName->value.c_str());
    } catch (...) {
        Bridge_IF::set_errorCode(ko_error::UNEXPECTED_ERROR);
    }
    return item;
}

template <class PlaceCursor>
MediaItem* insert_on_track(MediaTrack* track, const char* filePath, PlaceCursor place_cursor) {
    return ko_error::guarded<MediaItem*>(nullptr, [&] {
        valid_track(track);
        const char* path = text(filePath);
        ReaProject* project = project_of(track);
        place_cursor(project);

        const int count = CountSelectedTracks(project);
        std::vector<MediaTrack*> selected_tracks;
        selected_tracks.reserve(static_cast<size_t>(count > 0 ? count : 0));
        for (int j = 0; j < count; ++j) selected_tracks.push_back(GetSelectedTrack(project, j));
        SetOnlyTrackSelected(track);

        MediaItem* item = insert_keeping_selection(project, path);

        SetTrackSelected(track, false);
        for (MediaTrack* t : selected_tracks) SetTrackSelected(t, true);
        return named(item, path);
    });
}

}  // namespace

MediaItem* InsertMediaOutItem(ReaProject* projID, const char* filePath) noexcept {
    return ko_error::guarded<MediaItem*>(nullptr, [&] {
        const char* path = text(filePath);
        return named(insert_keeping_selection(projID, path), path);
    });
}

MediaItem* InsertMediaTrackItemSecond(MediaTrack* track, const char* filePath, int startEndType,
                                      double setSecond) noexcept {
    return insert_on_track(track, filePath, [&](ReaProject* project) {
        double position = 0.0;
        cursol::SetPlayCursorPosition(project, startEndType, setSecond, &position);
    });
}

MediaItem* InsertMediaTrackItemFrame(MediaTrack* track, const char* filePath, int startEndType, int setFrame) noexcept {
    return insert_on_track(track, filePath, [&](ReaProject* project) {
        int frame = 0;
        cursol::SetPlayCursorPositionFrame(project, startEndType, setFrame, &frame);
    });
}

namespace {
// The forms that find their track by index (Lookup is the address of the
// bound GetTrack or GetSelectedTrack) and hand it to a track-handle form.
template <auto* Lookup, auto TrackForm, class Position>
MediaItem* on_track_at(ReaProject* projID, int index, const char* filePath, int startEndType,
                       Position position) noexcept {
    Bridge_IF::reset_errorCode();
    return TrackForm((*Lookup)(projID, index), filePath, startEndType, position);
}
}  // namespace

MediaItem* InsertMediaTrackIdSecond(ReaProject* projID, int trackID, const char* filePath, int startEndType,
                                    double setSecond) noexcept {
    return on_track_at<&GetTrack, &InsertMediaTrackItemSecond>(projID, trackID, filePath, startEndType, setSecond);
}

MediaItem* InsertMediaSelectedTrackIdSecond(ReaProject* projID, int selectTrackID, const char* filePath,
                                            int startEndType, double setSecond) noexcept {
    return on_track_at<&GetSelectedTrack, &InsertMediaTrackItemSecond>(projID, selectTrackID, filePath, startEndType,
                                                                       setSecond);
}

MediaItem* InsertMediaTrackIdFrame(ReaProject* projID, int trackID, const char* filePath, int startEndType,
                                   int setFrame) noexcept {
    return on_track_at<&GetTrack, &InsertMediaTrackItemFrame>(projID, trackID, filePath, startEndType, setFrame);
}

MediaItem* InsertMediaSelectedTrackIdFrame(ReaProject* projID, int selectTrackID, const char* filePath,
                                           int startEndType, int setFrame) noexcept {
    return on_track_at<&GetSelectedTrack, &InsertMediaTrackItemFrame>(projID, selectTrackID, filePath, startEndType,
                                                                      setFrame);
}

namespace {
std::string source_name(MediaItem* item, int takeIndex, bool withoutExtension) {
    MediaItem_Take* take = GetTake(item, takeIndex);
    PCM_source* source = take != nullptr ? GetMediaItemTake_Source(take) : nullptr;
    const char* file = source != nullptr ? source->GetFileName() : nullptr;
    if (file == nullptr) return {};
    const ko_object::ko_Path record{std::string(file)};
    return withoutExtension ? record.FileNameWithoutExtension->value : record.FileName->value;
}
}  // namespace

std::string GetSourceName(MediaItem* item, int takeIndex, bool withoutExtension) {
    try {
        if (!ValidatePtr(item, "MediaItem*")) return {};
        return source_name(item, takeIndex, withoutExtension);
    } catch (...) {
        return {};
    }
}

bool GetSourceName(MediaItem* item, int takeIndex, bool withoutExtension, char* buf, int bufSize) noexcept {
    return ko_error::guarded(false, [&] {
        const std::string name = source_name(valid_item(item), takeIndex, withoutExtension);
        ko_utility::strcpy(buf, bufSize, name);
        return true;
    });
}

}  // namespace ko_api::mediaItem

KO_VARARG(mediaItem, InsertMediaOutItem)
KO_VARARG(mediaItem, InsertMediaTrackItemSecond)
KO_VARARG(mediaItem, InsertMediaTrackIdSecond)
KO_VARARG(mediaItem, InsertMediaSelectedTrackIdSecond)
KO_VARARG(mediaItem, InsertMediaTrackItemFrame)
KO_VARARG(mediaItem, InsertMediaTrackIdFrame)
KO_VARARG(mediaItem, InsertMediaSelectedTrackIdFrame)

std::vector<ko_host::catalogue_row> ko_host::rows::insertion() {
    return {
        KO_ROW(mediaItem, InsertMediaOutItem, "MediaItem*", "ReaProject*,const char*", "projID,filePath",
               "Insert Media Out Item "),
        KO_ROW(mediaItem, InsertMediaTrackItemSecond, "MediaItem*", "MediaTrack*,const char*,int,double",
               "track,filePath,startEndType,setSecond", "Insert Media Second Track Item Out Item "),
        KO_ROW(mediaItem, InsertMediaTrackIdSecond, "MediaItem*", "ReaProject*,int,const char*,int,double",
               "projID,trackID,filePath,startEndType,setSecond", "Insert Media Second Track Id Out Item "),
        KO_ROW(mediaItem, InsertMediaSelectedTrackIdSecond, "MediaItem*", "ReaProject*,int,const char*,int,double",
               "projID,selectTrackID,filePath,startEndType,setSecond", "Insert Media Second Select Track Id Out Item "),
        KO_ROW(mediaItem, InsertMediaTrackItemFrame, "MediaItem*", "MediaTrack*,const char*,int,int",
               "track, filePath, startEndType, setFrame", "Insert Media Frame Track Item Out Item "),
        KO_ROW(mediaItem, InsertMediaTrackIdFrame, "MediaItem*", "ReaProject*,int,const char*,int,int",
               "projID,trackID, filePath, startEndType, setFrame", "Insert Media Frame Track Id Out Item "),
        KO_ROW(mediaItem, InsertMediaSelectedTrackIdFrame, "MediaItem*", "ReaProject*,int,const char*,int,int",
               "projID,selectTrackID, filePath, startEndType, setFrame",
               "Insert Media Frame Select Track Id Out Item "),
    };
}
