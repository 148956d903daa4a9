// The Lua table form of the path record. Lua may unwind these frames with a
// long jump, so nothing here owns anything while Lua runs: the keys come from
// a static table and values are copied only between Lua calls.
#include <lua.hpp>

#include <cstring>

#include "object/ko_Path.h"

namespace ko_object {

template <>
void ko_LitsItem_inner<std::string>::push_luavalue(lua_State* L, const std::string& key) const {
    if (!is_set) return;
    lua_pushstring(L, key.c_str());
    lua_pushstring(L, value.c_str());
    lua_settable(L, -3);
}

void ko_Path::pushvalue(lua_State* L) const {
    lua_newtable(L);
    for (const key_member& k : keys()) (this->*k.member)->push_luavalue(L, k.key);
}

void ko_Path::set_value_from_luatable(lua_State* L, int index) {
    lua_pushnil(L);
    while (lua_next(L, index) != 0) {
        if (lua_type(L, -2) != LUA_TSTRING) {
            lua_pop(L, 2);  // the walk ends at the first key that is not text
            return;
        }
        const char* key = lua_tostring(L, -2);
        for (const key_member& k : keys()) {
            if (std::strcmp(k.key.c_str(), key) != 0) continue;
            field& holder = this->*k.member;
            holder->value = lua_type(L, -1) == LUA_TSTRING ? lua_tostring(L, -1) : "";
            holder->is_set = true;
        }
        lua_pop(L, 1);
    }
}

}  // namespace ko_object
