// The ReaScript runner: runs a Lua script against the test host the way REAPER
// runs a ReaScript. It starts the test host, loads an extension with the
// dynamic loader, calls its entry point with the host's record, and gives the
// script a `reaper` table holding
//   - every function the extension registered, called through its
//     "APIvararg_" adapter with arguments laid out from its "APIdef_"
//     definition (Out parameters come back as extra results, a char* buffer
//     followed by its _sz size comes back as a string), and
//   - the host's own functions under REAPER's names,
// and a `sim` table with what only the test host has (the companion's error
// code, fault injection, project tabs, frame rates, tone files).
//
//   ko_reascript [--extension LIB] [--no-companion] [--keep] script.lua [args...]
//
// A Lua error or a failed assertion ends the run with exit status 1.
#include <dlfcn.h>
#include <stdlib.h>
#include <unistd.h>
#include <lua.hpp>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "sim/reaper_sim.h"

namespace fs = std::filesystem;

namespace {

constexpr int k_max_params = 16;
constexpr int k_out_string_size = 4096;
constexpr int k_big_string_size = 65536;

enum class In { Int, Bool, Double, Text, Pointer, OutInt, OutDouble, OutBool, OutText, Size, BigText };
enum class Out { Void, Int, Bool, Double, Pointer, Text };

struct Binding {
    std::string name;
    void* (*vararg)(void**, int) = nullptr;
    int count = 0;
    In kinds[k_max_params] = {};
    bool optional[k_max_params] = {};
    Out result = Out::Void;
};

// Bindings live for the whole run; closures point at them.
std::deque<Binding> g_bindings;
std::string g_companion;  // where the extension looks for its companion
std::string g_tmpdir;
const char* g_generation = "7.x";

bool ends_with(const std::string& s, const char* tail) {
    const size_t n = std::strlen(tail);
    return s.size() >= n && s.compare(s.size() - n, n, tail) == 0;
}

std::vector<std::string> split(const std::string& s) {
    std::vector<std::string> out;
    if (s.empty()) return out;
    size_t start = 0;
    for (;;) {
        const size_t comma = s.find(',', start);
        std::string piece = s.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        while (!piece.empty() && piece.front() == ' ') piece.erase(piece.begin());
        while (!piece.empty() && piece.back() == ' ') piece.pop_back();
        out.push_back(piece);
        if (comma == std::string::npos) return out;
        start = comma + 1;
    }
}

// Reads a definition (return type, types, names, help; NUL-separated).
bool parse_definition(const char* def, Binding& b) {
    const std::string ret(def);
    const char* p = def + ret.size() + 1;
    const std::string types_text(p);
    p += types_text.size() + 1;
    const std::string names_text(p);
    const auto types = split(types_text);
    const auto names = split(names_text);
    if (types.size() > size_t(k_max_params)) return false;
    b.count = int(types.size());
    for (size_t i = 0; i < types.size(); ++i) {
        const std::string& t = types[i];
        const std::string n = i < names.size() ? names[i] : std::string();
        const bool out = ends_with(n, "Out") || ends_with(n, "OutOptional");
        b.optional[i] = ends_with(n, "Optional");
        In kind = In::Pointer;
        if (t == "int") {
            kind = In::Int;
        } else if (t == "bool") {
            kind = In::Bool;
        } else if (t == "double") {
            kind = In::Double;
        } else if (t == "const char*") {
            kind = In::Text;
        } else if (t == "int*" && out) {
            kind = In::OutInt;
        } else if (t == "double*" && out) {
            kind = In::OutDouble;
        } else if (t == "bool*" && out) {
            kind = In::OutBool;
        } else if (t == "char*" && out && i + 1 < names.size() && names[i + 1] == n + "_sz") {
            kind = In::OutText;
        } else if (t == "char*" && ends_with(n, "NeedBig")) {
            kind = In::BigText;
        } else if (t == "char*") {
            kind = In::Text;
        }
        if (i > 0 && b.kinds[i - 1] == In::OutText) kind = In::Size;
        b.kinds[i] = kind;
    }
    if (ret == "void") {
        b.result = Out::Void;
    } else if (ret == "int") {
        b.result = Out::Int;
    } else if (ret == "bool") {
        b.result = Out::Bool;
    } else if (ret == "double") {
        b.result = Out::Double;
    } else if (ret == "const char*") {
        b.result = Out::Text;
    } else {
        b.result = Out::Pointer;
    }
    return true;
}

// A handle argument: light userdata, or nil / 0 for none.
void* handle_arg(lua_State* L, int arg) {
    if (lua_isnoneornil(L, arg)) return nullptr;
    if (lua_type(L, arg) == LUA_TNUMBER && lua_tonumber(L, arg) == 0) return nullptr;
    luaL_checktype(L, arg, LUA_TLIGHTUSERDATA);
    return lua_touserdata(L, arg);
}

// Called from Lua: lays the arguments out in slots and calls the adapter.
// Only plain arrays live in this frame, so Lua may raise errors from it.
int call_binding(lua_State* L) {
    const Binding* b = static_cast<const Binding*>(lua_touserdata(L, lua_upvalueindex(1)));
    void* slots[k_max_params + 1] = {};
    double doubles[k_max_params + 1] = {};
    int ints[k_max_params] = {};
    bool bools[k_max_params] = {};
    static char texts[4][k_out_string_size];
    static char big[k_big_string_size];
    int text_used = 0;
    int arg = 1;
    for (int i = 0; i < b->count; ++i) {
        const bool absent = lua_isnoneornil(L, arg);
        switch (b->kinds[i]) {
            case In::Int:
                if (lua_isinteger(L, arg)) {
                    slots[i] = reinterpret_cast<void*>(static_cast<std::intptr_t>(lua_tointeger(L, arg)));
                } else {
                    const lua_Number n = luaL_checknumber(L, arg);
                    slots[i] = reinterpret_cast<void*>(static_cast<std::intptr_t>(n));
                }
                ++arg;
                break;
            case In::Bool:
                slots[i] = reinterpret_cast<void*>(static_cast<std::intptr_t>(lua_toboolean(L, arg) ? 1 : 0));
                ++arg;
                break;
            case In::Double:
                doubles[i] = luaL_checknumber(L, arg++);
                slots[i] = &doubles[i];
                break;
            case In::Text:
                slots[i] = (absent && b->optional[i]) ? nullptr : const_cast<char*>(luaL_checkstring(L, arg));
                ++arg;
                break;
            case In::Pointer:
                slots[i] = handle_arg(L, arg++);
                break;
            case In::OutInt:
                slots[i] = &ints[i];
                break;
            case In::OutDouble:
                slots[i] = &doubles[i];
                break;
            case In::OutBool:
                slots[i] = &bools[i];
                break;
            case In::OutText:
                if (text_used == 4) return luaL_error(L, "%s: too many string results", b->name.c_str());
                texts[text_used][0] = '\0';
                slots[i] = texts[text_used++];
                break;
            case In::Size:
                slots[i] = reinterpret_cast<void*>(static_cast<std::intptr_t>(k_out_string_size));
                break;
            case In::BigText: {
                size_t len = 0;
                const char* initial = lua_isstring(L, arg) ? lua_tolstring(L, arg, &len) : "";
                if (len >= sizeof big) len = sizeof big - 1;
                std::memcpy(big, initial, len);
                big[len] = '\0';
                slots[i] = big;
                ++arg;
                break;
            }
        }
    }
    double result_double = 0.0;
    if (b->result == Out::Double) slots[b->count] = &result_double;
    void* result = b->vararg(slots, b->count + (b->result == Out::Double ? 1 : 0));

    int pushed = 1;
    switch (b->result) {
        case Out::Void:
            pushed = 0;
            break;
        case Out::Int:
            lua_pushinteger(L, static_cast<int>(reinterpret_cast<std::intptr_t>(result)));
            break;
        case Out::Bool:
            lua_pushboolean(L, (reinterpret_cast<std::uintptr_t>(result) & 0xff) != 0);
            break;
        case Out::Double:
            lua_pushnumber(L, result_double);
            break;
        case Out::Text:
            if (result != nullptr) {
                lua_pushstring(L, static_cast<const char*>(result));
            } else {
                lua_pushnil(L);
            }
            break;
        case Out::Pointer:
            if (result != nullptr) {
                lua_pushlightuserdata(L, result);
            } else {
                lua_pushnil(L);
            }
            break;
    }
    for (int i = 0; i < b->count; ++i) {
        switch (b->kinds[i]) {
            case In::OutInt:
                lua_pushinteger(L, ints[i]);
                ++pushed;
                break;
            case In::OutDouble:
                lua_pushnumber(L, doubles[i]);
                ++pushed;
                break;
            case In::OutBool:
                lua_pushboolean(L, bools[i]);
                ++pushed;
                break;
            case In::OutText:
                lua_pushstring(L, static_cast<const char*>(slots[i]));
                ++pushed;
                break;
            case In::BigText:
                lua_pushstring(L, big);
                ++pushed;
                break;
            default:
                break;
        }
    }
    return pushed;
}

void bind(lua_State* L, const char* name, void* vararg, const char* def) {
    Binding b;
    b.name = name;
    std::memcpy(&b.vararg, &vararg, sizeof vararg);
    if (b.vararg == nullptr || def == nullptr || !parse_definition(def, b)) return;
    g_bindings.push_back(std::move(b));
    lua_pushlightuserdata(L, &g_bindings.back());
    lua_pushcclosure(L, call_binding, 1);
    lua_setfield(L, -2, name);
}

// reaper.*: the host's functions, then everything the extension registered.
void open_reaper(lua_State* L) {
    lua_newtable(L);
    int count = 0;
    const sim_api_entry* table = sim_api_table(&count);
    for (int i = 0; i < count; ++i) bind(L, table[i].name, table[i].vararg, table[i].def);
    const int registered = sim_registered_count();
    for (int i = 0; i < registered; ++i) {
        const std::string key = sim_registered_key(i);
        if (key.rfind("APIvararg_", 0) != 0) continue;
        const std::string name = key.substr(std::strlen("APIvararg_"));
        const char* def = static_cast<const char*>(sim_registered(("APIdef_" + name).c_str()));
        bind(L, name.c_str(), sim_registered(key.c_str()), def);
    }
    lua_setglobal(L, "reaper");
}

// ---------------------------------------------------------------- sim.*

int push_handle(lua_State* L, void* p) {
    if (p != nullptr) {
        lua_pushlightuserdata(L, p);
    } else {
        lua_pushnil(L);
    }
    return 1;
}

int sim_error_code(lua_State* L) {
    void* companion = g_companion.empty() ? nullptr : dlopen(g_companion.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    int code = 0;
    if (companion != nullptr) {
        void* getter = dlsym(companion, "GetErrorCode");
        int (*get)() = nullptr;
        std::memcpy(&get, &getter, sizeof get);
        if (get != nullptr) code = get();
        dlclose(companion);
    }
    lua_pushinteger(L, code);
    return 1;
}

int sim_update_count(lua_State* L) {
    lua_pushinteger(L, sim_update_arrange_count());
    return 1;
}
int sim_reset_l(lua_State*) {
    sim_reset(0);
    return 0;
}
int sim_refuse_param_l(lua_State* L) {
    sim_refuse_param(luaL_checkstring(L, 1), lua_toboolean(L, 2));
    return 0;
}
int sim_refuse_delete_l(lua_State* L) {
    sim_refuse_delete(lua_toboolean(L, 1));
    return 0;
}
int sim_refuse_move_l(lua_State* L) {
    sim_refuse_move(lua_toboolean(L, 1));
    return 0;
}
int sim_refuse_peaks_l(lua_State* L) {
    sim_refuse_peaks(lua_toboolean(L, 1));
    return 0;
}
int sim_null_take_names_l(lua_State* L) {
    sim_null_take_names(lua_toboolean(L, 1));
    return 0;
}
int sim_add_project_l(lua_State* L) {
    return push_handle(L, sim_project_add());
}
int sim_close_project_l(lua_State* L) {
    lua_pushboolean(L, sim_project_close(static_cast<ReaProject*>(handle_arg(L, 1))));
    return 1;
}
int sim_activate_project_l(lua_State* L) {
    lua_pushboolean(L, sim_project_activate(static_cast<ReaProject*>(handle_arg(L, 1))));
    return 1;
}
int sim_active_project_l(lua_State* L) {
    return push_handle(L, sim_project_active());
}
int sim_set_frame_rate_l(lua_State* L) {
    lua_pushboolean(L, sim_set_frame_rate(static_cast<ReaProject*>(handle_arg(L, 1)), luaL_checknumber(L, 2)));
    return 1;
}
int sim_set_transport_l(lua_State* L) {
    lua_pushboolean(L, sim_set_transport(int(luaL_checkinteger(L, 1)), luaL_optnumber(L, 2, 0.0)));
    return 1;
}
int sim_insert_moves_cursor_l(lua_State* L) {
    sim_set_insert_moves_cursor(lua_toboolean(L, 1));
    return 0;
}
int sim_write_tone_l(lua_State* L) {
    const int ok = sim_write_tone(luaL_checkstring(L, 1), luaL_optstring(L, 2, "wav"),
                                  int(luaL_optinteger(L, 3, 44100)), int(luaL_optinteger(L, 4, 2)),
                                  luaL_optnumber(L, 5, 1.0), luaL_optnumber(L, 6, 440.0), luaL_optnumber(L, 7, 0.5));
    lua_pushboolean(L, ok);
    return 1;
}
int sim_delete_log_l(lua_State* L) {
    lua_newtable(L);
    const int n = sim_delete_log_count();
    for (int i = 0; i < n; ++i) {
        lua_pushinteger(L, sim_delete_log_index(i));
        lua_rawseti(L, -2, i + 1);
    }
    return 1;
}
int sim_live_sources_l(lua_State* L) {
    lua_pushinteger(L, sim_live_sources());
    return 1;
}
int sim_register_count_l(lua_State* L) {
    lua_pushinteger(L, sim_register_log_count());
    return 1;
}

// sim.definition(name): return type, parameter types, parameter names and
// help of a registered function, or nothing.
int sim_definition_l(lua_State* L) {
    const std::string key = std::string("APIdef_") + luaL_checkstring(L, 1);
    const char* def = static_cast<const char*>(sim_registered(key.c_str()));
    if (def == nullptr) return 0;
    for (int field = 0; field < 4; ++field) {
        lua_pushstring(L, def);
        def += std::strlen(def) + 1;
    }
    return 4;
}

void open_sim(lua_State* L) {
    static const luaL_Reg functions[] = {
        {"error_code", sim_error_code},
        {"update_count", sim_update_count},
        {"reset", sim_reset_l},
        {"refuse_param", sim_refuse_param_l},
        {"refuse_delete", sim_refuse_delete_l},
        {"refuse_move", sim_refuse_move_l},
        {"refuse_peaks", sim_refuse_peaks_l},
        {"null_take_names", sim_null_take_names_l},
        {"add_project", sim_add_project_l},
        {"close_project", sim_close_project_l},
        {"activate_project", sim_activate_project_l},
        {"active_project", sim_active_project_l},
        {"set_frame_rate", sim_set_frame_rate_l},
        {"set_transport", sim_set_transport_l},
        {"insert_moves_cursor", sim_insert_moves_cursor_l},
        {"write_tone", sim_write_tone_l},
        {"delete_log", sim_delete_log_l},
        {"live_sources", sim_live_sources_l},
        {"register_count", sim_register_count_l},
        {"definition", sim_definition_l},
        {nullptr, nullptr},
    };
    luaL_newlib(L, functions);
    lua_pushstring(L, g_tmpdir.c_str());
    lua_setfield(L, -2, "tmpdir");
    lua_pushboolean(L, !g_companion.empty());
    lua_setfield(L, -2, "companion");
    lua_pushstring(L, g_generation);
    lua_setfield(L, -2, "generation");
    lua_setglobal(L, "sim");
}

int traceback(lua_State* L) {
    const char* message = lua_tostring(L, 1);
    luaL_traceback(L, L, message ? message : "(error object is not a string)", 1);
    return 1;
}

int usage() {
    std::fprintf(stderr, "usage: ko_reascript [--extension LIB] [--no-companion] [--keep] script.lua [args...]\n");
    return 2;
}

std::string lua_pattern_dir(const std::string& extension) {
    // libreaper_KORVANE_ORCHID_for_7.x.so -> <dir>/lib?_for_7.x.so
    const fs::path path(extension);
    std::string file = path.filename().string();
    const std::string module = "reaper_KORVANE_ORCHID";
    const size_t at = file.find(module);
    if (at != std::string::npos) file.replace(at, module.size(), "?");
    return (path.parent_path() / file).string();
}

int run(int argc, char** argv) {
    std::string extension = KO_EXTENSION;
    bool companion = true;
    bool keep = false;
    int i = 1;
    for (; i < argc && argv[i][0] == '-' && argv[i][1] == '-'; ++i) {
        const std::string opt = argv[i];
        if (opt == "--extension" && i + 1 < argc) {
            extension = argv[++i];
        } else if (opt == "--no-companion") {
            companion = false;
        } else if (opt == "--keep") {
            keep = true;
        } else {
            return usage();
        }
    }
    if (i >= argc) return usage();
    const std::string script = argv[i];
    if (extension.find("6.x") != std::string::npos) g_generation = "6.x";

    // A home of our own, with the companion installed where the extension looks.
    char tmpl[] = "/tmp/ko_reascript_XXXXXX";
    if (mkdtemp(tmpl) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path root(tmpl);
    const fs::path home = root / "home";
    g_tmpdir = (root / "media").string();
    std::error_code ec;
    fs::create_directories(root / "media", ec);
    const fs::path plugins = home / "Library/Application Support/REAPER/UserPlugins";
    fs::create_directories(plugins, ec);
    if (companion) {
        g_companion = (plugins / "reaper_TIDEWELL.dylib").string();
        fs::copy_file(KO_COMPANION, g_companion, fs::copy_options::overwrite_existing, ec);
        if (ec) {
            std::fprintf(stderr, "cannot install the companion: %s\n", ec.message().c_str());
            return 1;
        }
    }
    setenv("HOME", home.c_str(), 1);
    const char* path = getenv("PATH");
    setenv("PATH", (std::string(KO_FAKE_BIN) + ":" + (path ? path : "/usr/bin:/bin")).c_str(), 1);

    void* library = dlopen(extension.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        std::fprintf(stderr, "cannot load %s: %s\n", extension.c_str(), dlerror());
        return 1;
    }
    void* entry_address = dlsym(library, "ReaperPluginEntry");
    int (*entry)(void*, reaper_plugin_info_t*) = nullptr;
    std::memcpy(&entry, &entry_address, sizeof entry);
    if (entry == nullptr) {
        std::fprintf(stderr, "%s has no ReaperPluginEntry\n", extension.c_str());
        return 1;
    }
    sim_reset(1);
    entry(library, sim_plugin_info());

    lua_State* L = luaL_newstate();
    luaL_openlibs(L);
    open_reaper(L);
    open_sim(L);
    lua_getglobal(L, "package");
    const std::string dir = fs::absolute(fs::path(script)).parent_path().string();
    lua_getfield(L, -1, "path");
    const std::string lua_path = dir + "/?.lua;" + lua_tostring(L, -1);
    lua_pop(L, 1);
    lua_pushstring(L, lua_path.c_str());
    lua_setfield(L, -2, "path");
    lua_pushstring(L, lua_pattern_dir(extension).c_str());
    lua_setfield(L, -2, "cpath");
    lua_pop(L, 1);
    lua_newtable(L);
    for (int a = i; a < argc; ++a) {
        lua_pushstring(L, argv[a]);
        lua_rawseti(L, -2, a - i);
    }
    lua_setglobal(L, "arg");

    lua_pushcfunction(L, traceback);
    int status = luaL_loadfile(L, script.c_str());
    if (status == LUA_OK) status = lua_pcall(L, 0, 0, -2);
    if (status != LUA_OK) std::fprintf(stderr, "%s\n", lua_tostring(L, -1));
    lua_close(L);

    entry(library, nullptr);
    if (!keep) fs::remove_all(root, ec);
    return status == LUA_OK ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "ko_reascript: %s\n", e.what());
        return 1;
    }
}
