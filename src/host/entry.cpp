#include "host/entry.h"

#include <cstring>
#include <type_traits>

#include "host/api_define.h"
#include "host/messages.h"
#include "host/reaper_api.h"
#include "support/bridge.h"
#include "support/utility.h"

namespace {

// What stands in for a host function the host did not provide, or before
// REAPER has called the entry point at all (a script loading the library on
// its own): it answers the neutral value of its result, so no operation ever
// jumps through a null pointer.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"
template <class T>
T neutral() {
    if constexpr (!std::is_void_v<T>) return T{};
}
#define KO_DEFINE_STAND_IN(ret, name, params) \
    ret stand_in_##name params {              \
        return neutral<ret>();                \
    }
KO_HOST_API(KO_DEFINE_STAND_IN)
#undef KO_DEFINE_STAND_IN
#pragma GCC diagnostic pop

}  // namespace

#define KO_DEFINE_HOST_FUNCTION(ret, name, params) ret(*name) params = &stand_in_##name;
KO_HOST_API(KO_DEFINE_HOST_FUNCTION)
#undef KO_DEFINE_HOST_FUNCTION

bool imported = false;
reaper_plugin_info_t* reaper_plugin = nullptr;

namespace {

void fill_missing_functions() {
#define KO_FILL(ret, name, params) \
    if (name == nullptr) name = &stand_in_##name;
    KO_HOST_API(KO_FILL)
#undef KO_FILL
}

}  // namespace

int REAPERAPI_LoadAPI(void* (*getAPI)(const char*)) noexcept {
    struct binding {
        void** variable;
        const char* name;
    };
#define KO_BINDING(ret, name, params) {reinterpret_cast<void**>(&name), #name},
    static const binding table[] = {KO_HOST_API(KO_BINDING)};
#undef KO_BINDING
    int missing = 0;
    for (const binding& b : table) {
        *b.variable = getAPI != nullptr ? getAPI(b.name) : nullptr;
        if (*b.variable == nullptr) ++missing;
    }
    return missing;
}

void roadApi() noexcept {
    for (api_define& record : api_define_list) {
        try {
            record.set_str();
        } catch (...) {
            continue;  // a record without a definition is not offered at all
        }
        plugin_register(record.api_key.c_str(), record.func);
        plugin_register(record.apidef_key.c_str(), record.def_buffer.data());
        plugin_register(record.apivararg_key.c_str(), record.vararg_func);
    }
}

int ReaperPluginEntry(void* hInstance, reaper_plugin_info_t* rec) noexcept {
    (void)hInstance;
    if (rec != nullptr) {
        try {
            if (ko_utility::get_lang() == 0) {
                ko_app::message_list.reset(new ko_app::message_jp);
            } else {
                ko_app::message_list.reset(new ko_app::message_en);
            }
        } catch (...) {
            // without a catalogue only the dependency prompt goes quiet
        }
        imported = true;
        Bridge_IF::bridge_init();
        REAPERAPI_LoadAPI(rec->GetFunc);
        fill_missing_functions();
        reaper_plugin = rec;
        roadApi();
        return 1;
    }
    if (!imported) return 0;
    for (const api_define& record : api_define_list) {
        plugin_register(record.unreg_api_key.c_str(), record.func);
        plugin_register(record.unreg_apidef_key.c_str(), nullptr);
        plugin_register(record.unreg_apivararg_key.c_str(), record.vararg_func);
    }
    reaper_plugin = nullptr;
    return 0;
}
