// The shape every operation shares: clear the error code, do the guarded
// work, and on failure store the code and hand back a neutral value. Nothing
// thrown inside ever leaves an operation.
#pragma once

#include <utility>

#include "api/error.h"
#include "host/reaper_api.h"
#include "support/bridge.h"

namespace ko_error {

// Throws the code to the operation's handler.
[[noreturn]] inline void fail(ko_errorCode code) {
    throw CommonExeption(code);
}

inline void require(bool ok, ko_errorCode code) {
    if (!ok) fail(code);
}

// The guarded block and its handlers, without clearing first.
template <class R, class Work>
R handled(R neutral, Work&& work) noexcept {
    try {
        return std::forward<Work>(work)();
    } catch (const CommonExeption& e) {
        Bridge_IF::set_errorCode(e.errorCode);
    } catch (...) {
        Bridge_IF::set_errorCode(UNEXPECTED_ERROR);
    }
    return neutral;
}

// The common shape: clear, then the guarded block.
template <class R, class Work>
R guarded(R neutral, Work&& work) noexcept {
    Bridge_IF::reset_errorCode();
    return handled(neutral, std::forward<Work>(work));
}

}  // namespace ko_error

namespace ko_api {

// Handle checks shared by every family.
inline MediaItem* valid_item(MediaItem* item) {
    ko_error::require(ValidatePtr(item, "MediaItem*"), ko_error::ITEM_NOT_FOUND);
    return item;
}

inline MediaTrack* valid_track(MediaTrack* track) {
    ko_error::require(ValidatePtr(track, "MediaTrack*"), ko_error::TRACK_NOT_FOUND);
    return track;
}

// Native callers may pass null where text or a place to write is expected:
// null text reads as the empty text, and a null out-pointer is not written.
inline const char* text(const char* s) {
    return s != nullptr ? s : "";
}

template <class T, class V>
void put(T* out, V value) {
    if (out != nullptr) *out = static_cast<T>(value);
}

// A double truncated toward zero to an int; not-a-number gives 0 and values
// beyond the int range stop at its ends.
inline int to_int(double value) {
    if (!(value == value)) return 0;
    if (value >= 2147483647.0) return 2147483647;
    if (value <= -2147483648.0) return -2147483647 - 1;
    return static_cast<int>(value);
}

inline MediaItem_Take* active_take(MediaItem* item) {
    MediaItem_Take* take = GetActiveTake(item);
    ko_error::require(take != nullptr, ko_error::TAKE_NOT_FOUND);
    return take;
}

}  // namespace ko_api
