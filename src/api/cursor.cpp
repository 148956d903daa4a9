// The play cursor: read where a project plays (or where its edit cursor
// stands) and place the edit cursor from the project start or end.
#include "api/media_item.h"
#include "host/catalogue.h"

namespace ko_api::cursol {

namespace {
// The position now in effect after moving to the project end.
double project_end_position(ReaProject* projID) {
    CSurf_GoEnd();
    double base = 0.0;
    GetPlayCursorPosition(projID, &base);
    return base;
}
}  // namespace

bool GetPlayCursorPosition(ReaProject* projID, double* posOut) noexcept {
    return ko_error::guarded(false, [&] {
        const double position = GetPlayState() != 0 ? GetPlayPositionEx(projID) : GetCursorPositionEx(projID);
        put(posOut, position);
        return true;
    });
}

bool SetPlayCursorPosition(ReaProject* projID, int startEndType, double setPos, double* posOut) noexcept {
    Bridge_IF::reset_errorCode();
    if (startEndType == 0) {
        SetEditCurPos2(projID, setPos, true, true);
    } else {
        const double base = project_end_position(projID);
        SetEditCurPos2(projID, base + setPos, true, true);
    }
    return GetPlayCursorPosition(projID, posOut);
}

bool SetPlayCursorPositionFrame(ReaProject* projID, int startEndType, int setFrame, int* posFrameOut) noexcept {
    return ko_error::guarded(false, [&] {
        const double rate = frame_rate(projID);
        const double seconds = setFrame / rate;
        if (startEndType == 0) {
            SetEditCurPos2(projID, seconds, true, true);
            put(posFrameOut, setFrame);
        } else {
            const double time = seconds + project_end_position(projID);
            SetEditCurPos2(projID, time, true, true);
            put(posFrameOut, seconds_to_frame(time, rate));
        }
        return true;
    });
}

}  // namespace ko_api::cursol

KO_VARARG(cursol, GetPlayCursorPosition)
KO_VARARG(cursol, SetPlayCursorPosition)
KO_VARARG(cursol, SetPlayCursorPositionFrame)

std::vector<ko_host::catalogue_row> ko_host::rows::cursor() {
    return {
        KO_ROW(cursol, GetPlayCursorPosition, "void", "ReaProject*,double*", "projID,posOut",
               "Get playcursol position"),
        KO_ROW(cursol, SetPlayCursorPosition, "void", "ReaProject*,int,double,double*",
               "projID,startEndType,setPos,posOut", "Set playcursol position 0:start 1:end"),
        KO_ROW(cursol, SetPlayCursorPositionFrame, "void", "ReaProject*,int,int,int*",
               "projID,startEndType,setFrame,posFrameOut", "Set playcursol position Frame 0:start 1:end"),
    };
}
