// Shared set-up of the C++ tests: a temporary home with the companion
// extension installed where the extension looks for it, the extension's host
// functions bound to the test host, and a fresh copy of a deliverable for
// tests that need the library as REAPER loads it.
#pragma once

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "host/entry.h"
#include "host/reaper_api.h"
#include "sim/reaper_sim.h"
#include "sim/reaper_sim_helpers.h"
#include "support/bridge.h"

namespace ko_test {

namespace fs = std::filesystem;

// A directory removed with everything in it when the object goes.
class TempDir {
public:
    TempDir() {
        std::string tmpl = (fs::temp_directory_path() / "ko_test_XXXXXX").string();
        if (mkdtemp(tmpl.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = tmpl;
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const fs::path& path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

inline std::string companion_dir(const fs::path& home) {
    return (home / "Library/Application Support/REAPER/UserPlugins").string();
}

// Installs a companion (the full one unless told otherwise) under home and
// points HOME there.
inline void install_companion(const fs::path& home, const char* companion = KO_COMPANION) {
    fs::create_directories(companion_dir(home));
    fs::copy_file(companion, fs::path(companion_dir(home)) / "reaper_TIDEWELL.dylib",
                  fs::copy_options::overwrite_existing);
    setenv("HOME", home.c_str(), 1);
}

// The extension code linked into the test binary, bound to the test host and
// to a companion, on a fresh project.
class HostTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static TempDir* home = new TempDir;  // lives as long as the process: the companion stays loaded
        static bool ready = [] {
            install_companion(home->path());
            Bridge_IF::bridge_init();
            return REAPERAPI_LoadAPI(&sim_get_func) == 0;
        }();
        ASSERT_TRUE(ready);
    }
    void SetUp() override {
        sim_reset(1);
        Bridge_IF::reset_errorCode();
    }
    static int code() { return Bridge_IF::get_errorCode(); }
};

using ko_sim_helpers::add_item;
using ko_sim_helpers::add_track;
using ko_sim_helpers::host;

inline void set_take_name(MediaItem* item, const char* name) {
    std::string copy(name);
    GetSetMediaItemTakeInfo_String(GetActiveTake(item), "P_NAME", copy.data(), true);
}

// A private copy of a deliverable, loaded as REAPER loads it: its globals are
// as fresh as after a start of REAPER.
class LoadedCopy {
public:
    explicit LoadedCopy(const char* deliverable) {
        static int serial = 0;
        path_ = dir_ / ("libreaper_copy_" + std::to_string(++serial) + ".so");
        fs::copy_file(deliverable, path_);
        handle_ = dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle_ == nullptr) throw std::runtime_error(dlerror());
    }
    ~LoadedCopy() {
        if (handle_ != nullptr) dlclose(handle_);
    }
    LoadedCopy(const LoadedCopy&) = delete;
    LoadedCopy& operator=(const LoadedCopy&) = delete;

    template <class Fn>
    Fn get(const char* symbol) const {
        void* address = dlsym(handle_, symbol);
        Fn fn = nullptr;
        std::memcpy(&fn, &address, sizeof fn);
        return fn;
    }
    void* address(const char* symbol) const { return dlsym(handle_, symbol); }
    int entry(reaper_plugin_info_t* rec) const {
        return get<int (*)(void*, reaper_plugin_info_t*)>("ReaperPluginEntry")(handle_, rec);
    }

private:
    TempDir dir_;
    fs::path path_;
    void* handle_ = nullptr;
};

}  // namespace ko_test
