// The five addressing forms. Only the Item form of a family does the work;
// the other four find the item (by project index, selected index, track and
// index in track, selected track and index in track) and hand it to the Item
// form, which checks it and reports its own failures. The track forms test
// their track first and report TRACK_NOT_FOUND themselves.
#pragma once

#include "api/discipline.h"

namespace ko_api::address {

// Media and Selected Media: the item is the Lookup (the address of the bound
// GetMediaItem or GetSelectedMediaItem) of an index in the project.
template <auto* Lookup, auto ItemOp, class... A>
auto by_index(ReaProject* projID, int index, A... args) noexcept {
    using R = decltype(ItemOp(nullptr, args...));
    return ko_error::guarded(R{}, [&] { return ItemOp((*Lookup)(projID, index), args...); });
}

// Track Media and Selected Track Media: the track is the Lookup (GetTrack or
// GetSelectedTrack) of an index, checked, then the item is found in it.
template <auto* Lookup, auto ItemOp, class... A>
auto by_track(ReaProject* projID, int trackIndex, int trackItemID, A... args) noexcept {
    using R = decltype(ItemOp(nullptr, args...));
    return ko_error::guarded(R{}, [&] {
        MediaTrack* track = valid_track((*Lookup)(projID, trackIndex));
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
        return address::by_index<&GetMediaItem, &VERB##MediaItem##PROP>(projID, itemID KO_LIST ARGS);                  \
    }                                                                                                                  \
    R VERB##SelectedMedia##PROP(ReaProject* projID, int selectItemID KO_LIST PARAMS) noexcept {                        \
        return address::by_index<&GetSelectedMediaItem, &VERB##MediaItem##PROP>(projID, selectItemID KO_LIST ARGS);    \
    }                                                                                                                  \
    R VERB##TrackMedia##PROP(ReaProject* projID, int trackID, int trackItemID KO_LIST PARAMS) noexcept {               \
        return address::by_track<&GetTrack, &VERB##MediaItem##PROP>(projID, trackID, trackItemID KO_LIST ARGS);        \
    }                                                                                                                  \
    R VERB##SelectedTrackMedia##PROP(ReaProject* projID, int selectTrackID, int trackItemID KO_LIST PARAMS) noexcept { \
        return address::by_track<&GetSelectedTrack, &VERB##MediaItem##PROP>(projID, selectTrackID,                     \
                                                                            trackItemID KO_LIST ARGS);                 \
    }
