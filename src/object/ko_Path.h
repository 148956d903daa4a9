// The path record: one file-system entry split into its parent, names,
// extension and type.
#pragma once

#include "object/ko_List.h"

namespace ko_object {

class KO_EXPORT ko_Path : public ko_List {
public:
    using field = std::shared_ptr<ko_LitsItem_inner<std::string>>;

    ko_Path();
    // Reads the path; a path that does not exist leaves every field absent.
    // Other file-system failures are thrown as std::filesystem::filesystem_error.
    explicit ko_Path(std::string path);
    explicit ko_Path(const char* path) : ko_Path(std::string(path != nullptr ? path : "")) {}
    explicit ko_Path(const nlohmann::json& json);
    ko_Path(const ko_Path&) = default;
    ko_Path& operator=(const ko_Path&) = default;
    ~ko_Path() = default;

    // 0 when the fields were filled, 30 when the path does not exist.
    int read_path(std::string path);

    void pushvalue(lua_State* L) const override;
    void set_value_from_luatable(lua_State* L, int index) override;
    nlohmann::json to_json() override;

    field ParentPath;
    field ParentName;
    field FilePath;
    field FileName;
    field FileNameWithoutExtension;
    field Extension;
    field Type;

    // The fields with their keys, in order.
    std::vector<std::pair<const char*, field>> fields() const;

    struct key_member {
        std::string key;
        field ko_Path::*member;
    };
    // The same, as a static table: walking it allocates nothing.
    static const key_member (&keys())[7];
};

}  // namespace ko_object
