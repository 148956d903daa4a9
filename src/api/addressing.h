// The five addressing forms. Only the Item form of a family does the work;
// the other four find the item (by project index, selected index, track and
// index in track, selected track and index in track) and hand it to the Item
// form, which checks it and reports its own failures. The track forms test
// their track first and report TRACK_NOT_FOUND themselves.
#pragma once

#include "api/discipline.h"

namespace ko_api::address {

template <auto ItemOp, class... A>
auto media(ReaProject* projID, int itemID, A... args) noexcept {
    using R = decltype(ItemOp(nullptr, args...));
    return ko_error::guarded(R{}, [&] { return ItemOp(GetMediaItem(projID, itemID), args...); });
}

template <auto ItemOp, class... A>
auto selected_media(ReaProject* projID, int selectItemID, A... args) noexcept {
    using R = decltype(ItemOp(nullptr, args...));
    return ko_error::guarded(R{}, [&] { return ItemOp(GetSelectedMediaItem(projID, selectItemID), args...); });
}

template <auto ItemOp, class... A>
auto track_media(ReaProject* projID, int trackID, int trackItemID, A... args) noexcept {
    using R = decltype(ItemOp(nullptr, args...));
    return ko_error::guarded(R{}, [&] {
        MediaTrack* track = valid_track(GetTrack(projID, trackID));
        return ItemOp(GetTrackMediaItem(track, trackItemID), args...);
    });
}

template <auto ItemOp, class... A>
auto selected_track_media(ReaProject* projID, int selectTrackID, int trackItemID, A... args) noexcept {
    using R = decltype(ItemOp(nullptr, args...));
    return ko_error::guarded(R{}, [&] {
        MediaTrack* track = valid_track(GetSelectedTrack(projID, selectTrackID));
        return ItemOp(GetTrackMediaItem(track, trackItemID), args...);
    });
}

}  // namespace ko_api::address

// Strips the parentheses around a parameter or argument list.
#define KO_LIST(...) __VA_ARGS__

// Declares the five forms of a family: VERB + {MediaItem, Media, SelectedMedia,
// TrackMedia, SelectedTrackMedia} + PROP. PARAMS is the parenthesised list of
// trailing parameters, each preceded by a comma.
#define KO_DECLARE_FORMS(R, VERB, PROP, PARAMS)                                                                   \
    KO_EXPORT R VERB##MediaItem##PROP(MediaItem* item KO_LIST PARAMS) noexcept;                                   \
    KO_EXPORT R VERB##Media##PROP(ReaProject* projID, int itemID KO_LIST PARAMS) noexcept;                        \
    KO_EXPORT R VERB##SelectedMedia##PROP(ReaProject* projID, int selectItemID KO_LIST PARAMS) noexcept;          \
    KO_EXPORT R VERB##TrackMedia##PROP(ReaProject* projID, int trackID, int trackItemID KO_LIST PARAMS) noexcept; \
    KO_EXPORT R VERB##SelectedTrackMedia##PROP(ReaProject* projID, int selectTrackID,                             \
                                               int trackItemID KO_LIST PARAMS) noexcept;

// Defines the four forms that find the item and delegate to the Item form.
// ARGS names the trailing parameters, each preceded by a comma.
#define KO_DEFINE_FORMS(R, VERB, PROP, PARAMS, ARGS)                                                                   \
    R VERB##Media##PROP(ReaProject* projID, int itemID KO_LIST PARAMS) noexcept {                                      \
        return address::media<&VERB##MediaItem##PROP>(projID, itemID KO_LIST ARGS);                                    \
    }                                                                                                                  \
    R VERB##SelectedMedia##PROP(ReaProject* projID, int selectItemID KO_LIST PARAMS) noexcept {                        \
        return address::selected_media<&VERB##MediaItem##PROP>(projID, selectItemID KO_LIST ARGS);                     \
    }                                                                                                                  \
    R VERB##TrackMedia##PROP(ReaProject* projID, int trackID, int trackItemID KO_LIST PARAMS) noexcept {               \
        return address::track_media<&VERB##MediaItem##PROP>(projID, trackID, trackItemID KO_LIST ARGS);                \
    }                                                                                                                  \
    R VERB##SelectedTrackMedia##PROP(ReaProject* projID, int selectTrackID, int trackItemID KO_LIST PARAMS) noexcept { \
        return address::selected_track_media<&VERB##MediaItem##PROP>(projID, selectTrackID, trackItemID KO_LIST ARGS); \
    }
