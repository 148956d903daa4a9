#include "host/catalogue.h"

namespace ko_host {

api_define make_record(void* func, void* vararg, const char* name, const char* return_type, const char* param_types,
                       const char* param_names, const char* help) {
    const std::string api(std::string("KO_") + name);
    const std::string keys[6] = {"API_" + api,  "APIdef_" + api,  "APIvararg_" + api,
                                 "-API_" + api, "-APIdef_" + api, "-APIvararg_" + api};
    std::string ret(return_type);
    return api_define(
        func, vararg, [ret] { return ret; }, param_types, param_names, help, keys[0].c_str(), keys[1].c_str(),
        keys[2].c_str(), keys[3].c_str(), keys[4].c_str(), keys[5].c_str());
}

catalogue_row array_row(const char* name, const char* return_type, const char* param_types, const char* param_names,
                        const char* help) {
    void* empty = untyped(&__verarg_empty);
    return {make_record(empty, empty, name, return_type, param_types, param_names, help), name, return_type,
            param_types};
}

std::vector<catalogue_row> catalogue() {
    std::vector<catalogue_row> all;
    for (auto family : {rows::selectors, rows::source_info, rows::name_mute, rows::position, rows::fades, rows::volume,
                        rows::pitch_rate, rows::deletion, rows::selection, rows::move_copy, rows::insertion,
                        rows::cursor, rows::lists}) {
        auto part = family();
        all.insert(all.end(), std::make_move_iterator(part.begin()), std::make_move_iterator(part.end()));
    }
    return all;
}

}  // namespace ko_host

void* __verarg_empty(void* arglist, int numparms) noexcept {
    (void)arglist;
    (void)numparms;
    return nullptr;
}
