/* The test host: an in-memory REAPER that serves every host function the
 * extension binds, plus this plain C interface through which tests build
 * projects, inject faults and look at what happened. Usable from C++, from the
 * ReaScript runner and from Python through ctypes.
 *
 * Functions that take a project accept null for the active project. Functions
 * answering int return 1 for success and 0 for a refused request (unknown
 * handle, bad argument, unreadable file), never crash on bad input. */
#ifndef KO_REAPER_SIM_H
#define KO_REAPER_SIM_H

#include "host/reaper_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define KO_SIM_API __attribute__((visibility("default")))

/* The record to hand to ReaperPluginEntry, and its GetFunc. */
KO_SIM_API reaper_plugin_info_t* sim_plugin_info(void);
KO_SIM_API void* sim_get_func(const char* name);

/* Back to one empty project tab (30 fps), transport stopped, no faults. The
 * registration log and registry are kept unless clear_registry is non-zero. */
KO_SIM_API void sim_reset(int clear_registry);

/* Project tabs. */
KO_SIM_API ReaProject* sim_project_add(void);
KO_SIM_API int sim_project_close(ReaProject* proj);
KO_SIM_API int sim_project_activate(ReaProject* proj);
KO_SIM_API ReaProject* sim_project_active(void);
KO_SIM_API int sim_project_count(void);
KO_SIM_API int sim_set_frame_rate(ReaProject* proj, double fps);
KO_SIM_API double sim_project_end(ReaProject* proj);

/* Transport: state bits as GetPlayState answers them (1 playing, 2 paused,
 * 4 recording) and the play position. */
KO_SIM_API int sim_set_transport(int state, double play_position);
/* Whether InsertMedia moves the edit cursor to the new item's end. */
KO_SIM_API void sim_set_insert_moves_cursor(int on);

/* Faults. */
KO_SIM_API int sim_refuse_param(const char* parmname, int on);
KO_SIM_API void sim_refuse_delete(int on);
KO_SIM_API void sim_refuse_move(int on);
KO_SIM_API void sim_refuse_peaks(int on);
KO_SIM_API void sim_null_take_names(int on);
KO_SIM_API int sim_hide_function(const char* name, int hide);

/* Observations. */
KO_SIM_API int sim_update_arrange_count(void);
KO_SIM_API void sim_set_message_box_answer(int answer);
KO_SIM_API int sim_message_box_count(void);
KO_SIM_API int sim_live_sources(void);
KO_SIM_API int sim_item_count_all(void);
/* Deletions in the order they happened: the item's index in its project
 * when it was deleted. */
KO_SIM_API int sim_delete_log_count(void);
KO_SIM_API int sim_delete_log_index(int i);

/* plugin_register: every call in order, and what is registered now. */
KO_SIM_API int sim_register_log_count(void);
KO_SIM_API const char* sim_register_log_key(int i);
KO_SIM_API void* sim_register_log_ptr(int i);
KO_SIM_API void sim_register_log_clear(void);
KO_SIM_API void* sim_registered(const char* key);
KO_SIM_API int sim_registered_count(void);
KO_SIM_API const char* sim_registered_key(int i);

/* Writes a sine tone file. format: "wav", "wav24", "wavf", "flac", "ogg",
 * "mp3". */
KO_SIM_API int sim_write_tone(const char* path, const char* format, int rate, int channels, double seconds, double freq,
                              double amplitude);

/* The host functions with REAPER-style definitions, for script runners:
 * name, native pointer, vararg adapter, and the definition (return type,
 * parameter types, parameter names, each NUL-terminated). */
typedef struct {
    const char* name;
    void* func;
    void* vararg;
    const char* def;
} sim_api_entry;
KO_SIM_API const sim_api_entry* sim_api_table(int* count);

#ifdef __cplusplus
}
#endif

#endif
