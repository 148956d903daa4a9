// One API definition record per function the extension offers through
// REAPER: the native function, its script adapter, the texts of its
// definition and the six keys it is registered and unregistered under.
#pragma once

#include <functional>
#include <string>
#include <vector>

class api_define {
public:
    static constexpr size_t buffer_size = 1024;

    api_define(void* func, void* vararg_func, std::function<std::string()> return_type, const char* param_types,
               const char* param_names, const char* help, const char* api_key, const char* apidef_key,
               const char* apivararg_key, const char* unreg_api_key, const char* unreg_apidef_key,
               const char* unreg_apivararg_key);
    api_define(const api_define&) = default;
    api_define& operator=(const api_define&) = default;
    ~api_define() = default;

    // Composes REAPER's definition format into def_buffer: return type,
    // parameter types, parameter names and help, each followed by a zero byte,
    // zero bytes up to the end. A definition too long for the buffer is cut so
    // that its last byte stays zero.
    void set_str();

    void* func;
    void* vararg_func;
    std::function<std::string()> return_type;
    std::string param_types;
    std::string param_names;
    std::string help;
    std::string api_key;
    std::string apidef_key;
    std::string apivararg_key;
    std::string unreg_api_key;
    std::string unreg_apidef_key;
    std::string unreg_apivararg_key;
    std::vector<char> def_buffer;
};

// Every record, in registration order; built once when the library loads and
// never resized, so REAPER may keep pointers into the definition buffers.
extern std::vector<api_define> api_define_list;
