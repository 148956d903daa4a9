#include "support/bridge.h"

#include <dlfcn.h>

#include <cstring>

#include "support/utility.h"

namespace Bridge_IF {

void (*_set_errorCode)(int) = nullptr;
void (*_reset_errorCode)() = nullptr;
int (*_get_errorCode)() = nullptr;

namespace {
constexpr const char* k_suffix = "/Library/Application Support/REAPER/UserPlugins/reaper_TIDEWELL.dylib";
constexpr size_t k_path_room = 4096;

template <class Fn>
Fn symbol(void* library, const char* name) {
    Fn fn = nullptr;
    void* address = dlsym(library, name);
    std::memcpy(&fn, &address, sizeof fn);
    return fn;
}
}  // namespace

std::string companion_path() {
    const std::string home = ko_utility::get_env("HOME");
    char path[k_path_room] = {};
    // A home too long for the buffer names no companion: a cut path could name
    // some other file.
    if (home.size() + std::strlen(k_suffix) + 1 > sizeof path) return {};
    std::memcpy(path, home.data(), home.size());
    std::memcpy(path + home.size(), k_suffix, std::strlen(k_suffix) + 1);
    return path;
}

void bridge_init() {
    const std::string path = companion_path();
    if (path.empty()) return;
    void* library = dlopen(path.c_str(), RTLD_LAZY);
    if (library == nullptr) return;
    _set_errorCode = symbol<void (*)(int)>(library, "SetErrorCode");
    _reset_errorCode = symbol<void (*)()>(library, "ResetErrorCode");
    _get_errorCode = symbol<int (*)()>(library, "GetErrorCode");
}

void set_errorCode(int code) {
    if (_set_errorCode != nullptr) _set_errorCode(code);
}

void set_errorCode(ko_error::ko_errorCode code) {
    set_errorCode(static_cast<int>(code));
}

void reset_errorCode() {
    if (_reset_errorCode != nullptr) _reset_errorCode();
}

int get_errorCode() {
    return _get_errorCode != nullptr ? _get_errorCode() : 0;
}

}  // namespace Bridge_IF
