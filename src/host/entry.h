// The entry point REAPER calls after loading the extension (with its record)
// and before unloading it (with null), and what it sets up.
#pragma once

#include "host/reaper_types.h"
#include "support/export.h"

extern "C" {
KO_EXPORT int ReaperPluginEntry(void* hInstance, reaper_plugin_info_t* rec) noexcept;
// Binds every host function by name; answers how many the look-up left null.
KO_EXPORT int REAPERAPI_LoadAPI(void* (*getAPI)(const char*)) noexcept;
// Composes and registers every definition record.
KO_EXPORT void roadApi() noexcept;
}

extern bool imported;
extern reaper_plugin_info_t* reaper_plugin;
