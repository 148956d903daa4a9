// The error-code bridge: the code of the last failed operation is kept by the
// companion extension reaper_TIDEWELL, when it is installed. Without it every
// wrapper does nothing and get_errorCode answers 0.
#pragma once

#include <cstddef>
#include <string>

#include "api/error.h"
#include "support/export.h"

namespace Bridge_IF {

extern void (*_set_errorCode)(int);
extern void (*_reset_errorCode)();
extern int (*_get_errorCode)();

// Finds the companion under $HOME and binds its three functions.
KO_EXPORT void bridge_init();

// Where the companion is looked for: $HOME followed by the plug-in path, or
// the empty string when that would not fit the loader's 4096-byte path.
KO_EXPORT std::string companion_path();

KO_EXPORT void set_errorCode(int code);
KO_EXPORT void set_errorCode(ko_error::ko_errorCode code);
KO_EXPORT void reset_errorCode();
KO_EXPORT int get_errorCode();

}  // namespace Bridge_IF
