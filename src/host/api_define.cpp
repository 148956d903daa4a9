#include "host/api_define.h"

#include <algorithm>
#include <cstring>

api_define::api_define(void* func_, void* vararg_func_, std::function<std::string()> return_type_,
                       const char* param_types_, const char* param_names_, const char* help_, const char* api_key_,
                       const char* apidef_key_, const char* apivararg_key_, const char* unreg_api_key_,
                       const char* unreg_apidef_key_, const char* unreg_apivararg_key_)
    : func(func_),
      vararg_func(vararg_func_),
      return_type(std::move(return_type_)),
      param_types(param_types_),
      param_names(param_names_),
      help(help_),
      api_key(api_key_),
      apidef_key(apidef_key_),
      apivararg_key(apivararg_key_),
      unreg_api_key(unreg_api_key_),
      unreg_apidef_key(unreg_apidef_key_),
      unreg_apivararg_key(unreg_apivararg_key_),
      def_buffer(buffer_size, '\0') {}

void api_define::set_str() {
    std::fill(def_buffer.begin(), def_buffer.end(), '\0');
    const std::string ret = return_type();  // an empty producer throws std::bad_function_call
    size_t offset = 0;
    const std::string* pieces[] = {&ret, &param_types, &param_names, &help};
    for (const std::string* piece : pieces) {
        if (offset >= def_buffer.size() - 1) break;
        const size_t n = std::min(piece->size(), def_buffer.size() - 1 - offset);
        std::memcpy(def_buffer.data() + offset, piece->data(), n);
        offset += n + 1;
    }
}
