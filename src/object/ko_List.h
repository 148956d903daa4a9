// Keyed records: objects with a fixed set of named, typed fields, each
// present or absent, readable by key, pushed to Lua as a table and written as
// JSON. Records handed to scripts are named by 64-bit handles (their own
// addresses) and owned by pools.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "support/export.h"

struct lua_State;

namespace ko_object {

// A field value: int, double, bool, text or a nested handle, in this order.
using pyvar = std::variant<int, double, bool, std::string, void*>;

// One field of a record: its value and whether it has been given one.
template <class T>
struct ko_LitsItem_inner {
    T value{};
    bool is_set = false;

    // Text fields only: push key and value into the table on top of the Lua
    // stack; write the field as {"string": value} under key; take it back
    // from such a member.
    void push_luavalue(lua_State* L, const std::string& key) const;
    void set_json(nlohmann::json& json, const std::string& key) const;
    void set_value_from_json(const nlohmann::json& json, const std::string& key);
};

template <>
KO_EXPORT void ko_LitsItem_inner<std::string>::push_luavalue(lua_State* L, const std::string& key) const;
template <>
KO_EXPORT void ko_LitsItem_inner<std::string>::set_json(nlohmann::json& json, const std::string& key) const;
template <>
KO_EXPORT void ko_LitsItem_inner<std::string>::set_value_from_json(const nlohmann::json& json, const std::string& key);

class KO_EXPORT ko_List {
public:
    ko_List() noexcept;
    ko_List(const ko_List& other) noexcept;
    ko_List& operator=(const ko_List& other) noexcept;

    // Pushes one new table holding the present fields.
    virtual void pushvalue(lua_State* L) const = 0;
    // Reads the string-keyed entries of the table at absolute stack index.
    virtual void set_value_from_luatable(lua_State* L, int index) = 0;
    // Leaves the kind's pool (nothing for kinds without one).
    virtual void release_inpool();
    // Key and type name of the present field at position.
    virtual std::pair<std::string, std::string> get_key_info(int position);
    virtual int get_size();
    virtual pyvar get_value(std::string key);
    virtual void set_value(std::string key, pyvar value);
    virtual nlohmann::json to_json();

    // Arrays of records, by handle. The pool owns the arrays, not the records.
    static std::uint64_t create_kolist_array();
    static bool release_koList(std::uint64_t handle) noexcept;
    static inline std::map<std::uint64_t, std::shared_ptr<std::vector<ko_List*>>> koList_pool;

    std::uint64_t handle;

protected:
    // Records are destroyed through their own type, never through this base.
    ~ko_List() = default;
};

}  // namespace ko_object
