// Catalogue rows: what a family lists for each of its operations, turned into
// an API definition record. The adapter and the native function come from
// the operation itself; the texts are the catalogue's own. Each row also keeps
// the types its code really takes, so a check can hold the texts against them.
#pragma once

#include <string>
#include <vector>

#include "host/api_define.h"
#include "host/vararg.h"
#include "support/export.h"

namespace ko_host {

struct catalogue_row {
    api_define record;
    std::string name;              // API name without KO_
    std::string code_return_type;  // what the code returns, as a definition would say it
    std::string code_param_types;  // what the code takes, as a definition would say it
};

api_define make_record(void* func, void* vararg, const char* name, const char* return_type, const char* param_types,
                       const char* param_names, const char* help);

// A plain row: the operation's parameters are the definition's. An operation
// that answers a success flag is declared "void".
template <class Adapter>
catalogue_row plain_row(void* func, void* vararg, const char* name, const char* return_type, const char* param_types,
                        const char* param_names, const char* help) {
    const std::string code_return =
        std::is_same_v<typename Adapter::R, bool> ? std::string("void") : Adapter::return_type();
    return {make_record(func, vararg, name, return_type, param_types, param_names, help), name, code_return,
            Adapter::param_types()};
}

// A value-returning getter's row: the native function registered is the one
// in the definition's form, which returns the value itself.
template <class Adapter>
catalogue_row value_row(void* vararg, const char* name, const char* return_type, const char* param_types,
                        const char* param_names, const char* help) {
    return {make_record(untyped(&Adapter::native), vararg, name, return_type, param_types, param_names, help), name,
            Adapter::return_type(), Adapter::param_types()};
}

// A row whose arrays ReaScript cannot pass: listed with its help, working
// only through the Lua module and the Python functions.
catalogue_row array_row(const char* name, const char* return_type, const char* param_types, const char* param_names,
                        const char* help);

// Every row, in registration order.
std::vector<catalogue_row> catalogue();

// The rows of each family, in registration order.
namespace rows {
std::vector<catalogue_row> selectors();
std::vector<catalogue_row> source_info();
std::vector<catalogue_row> name_mute();
std::vector<catalogue_row> position();
std::vector<catalogue_row> fades();
std::vector<catalogue_row> volume();
std::vector<catalogue_row> pitch_rate();
std::vector<catalogue_row> deletion();
std::vector<catalogue_row> selection();
std::vector<catalogue_row> move_copy();
std::vector<catalogue_row> insertion();
std::vector<catalogue_row> cursor();
std::vector<catalogue_row> lists();
}  // namespace rows

}  // namespace ko_host

// The adapter REAPER calls for a row whose arrays it cannot pass: does
// nothing and answers null.
extern "C" KO_EXPORT void* __verarg_empty(void* arglist, int numparms) noexcept;

#define KO_ROW(NS, NAME, RET, TYPES, NAMES, HELP)                  \
    ko_host::plain_row<ko_host::plain_adapter<&ko_api::NS::NAME>>( \
        ko_host::untyped(&ko_api::NS::NAME), ko_host::untyped(&__vararg_##NAME), #NAME, RET, TYPES, NAMES, HELP)

#define KO_VALUE_ROW(NS, NAME, RET, TYPES, NAMES, HELP)                                                           \
    ko_host::value_row<ko_host::value_adapter<&ko_api::NS::NAME>>(ko_host::untyped(&__vararg_##NAME), #NAME, RET, \
                                                                  TYPES, NAMES, HELP)

#define KO_ARRAY_ROW(NS, NAME, RET, TYPES, NAMES, HELP) ko_host::array_row(#NAME, RET, TYPES, NAMES, HELP)

// The exported script adapter __vararg_NAME of an operation.
#define KO_VARARG(NS, NAME)                                                             \
    extern "C" KO_EXPORT void* __vararg_##NAME(void** arglist, int numparms) noexcept { \
        return ko_host::plain_adapter<&ko_api::NS::NAME>::call(arglist, numparms);      \
    }
#define KO_VARARG_VALUE(NS, NAME)                                                       \
    extern "C" KO_EXPORT void* __vararg_##NAME(void** arglist, int numparms) noexcept { \
        return ko_host::value_adapter<&ko_api::NS::NAME>::call(arglist, numparms);      \
    }

// The adapters of the five forms of a family.
#define KO_FIVE_FORMS(ADAPTER, VERB, PROP)        \
    ADAPTER(mediaItem, VERB##MediaItem##PROP)     \
    ADAPTER(mediaItem, VERB##Media##PROP)         \
    ADAPTER(mediaItem, VERB##SelectedMedia##PROP) \
    ADAPTER(mediaItem, VERB##TrackMedia##PROP)    \
    ADAPTER(mediaItem, VERB##SelectedTrackMedia##PROP)
#define KO_VARARG_FORMS(VERB, PROP) KO_FIVE_FORMS(KO_VARARG, VERB, PROP)
#define KO_VARARG_VALUE_FORMS(VERB, PROP) KO_FIVE_FORMS(KO_VARARG_VALUE, VERB, PROP)
