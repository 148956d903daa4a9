#include "object/ko_Path.h"

#include <filesystem>

#include "support/utility.h"

namespace fs = std::filesystem;

namespace ko_object {

namespace {
ko_Path::field empty_field() {
    return std::make_shared<ko_LitsItem_inner<std::string>>();
}
}  // namespace

ko_Path::ko_Path()
    : ParentPath(empty_field()),
      ParentName(empty_field()),
      FilePath(empty_field()),
      FileName(empty_field()),
      FileNameWithoutExtension(empty_field()),
      Extension(empty_field()),
      Type(empty_field()) {}

ko_Path::ko_Path(std::string path) : ko_Path() {
    read_path(std::move(path));
}

ko_Path::ko_Path(const nlohmann::json& json) : ko_Path() {
    for (auto& [key, holder] : fields()) holder->set_value_from_json(json, key);
}

const ko_Path::key_member (&ko_Path::keys())[7] {
    static const key_member table[7] = {
        {"ParentPath", &ko_Path::ParentPath},
        {"ParentName", &ko_Path::ParentName},
        {"FilePath", &ko_Path::FilePath},
        {"FileName", &ko_Path::FileName},
        {"FileNameWithoutExtension", &ko_Path::FileNameWithoutExtension},
        {"Extension", &ko_Path::Extension},
        {"Type", &ko_Path::Type},
    };
    return table;
}

std::vector<std::pair<const char*, ko_Path::field>> ko_Path::fields() const {
    std::vector<std::pair<const char*, field>> out;
    for (const key_member& k : keys()) out.emplace_back(k.key.c_str(), this->*k.member);
    return out;
}

int ko_Path::read_path(std::string path) {
    const std::string native = ko_utility::utf8_to_multi(path);
    if (native.empty()) return 30;
    const fs::path absolute = fs::absolute(fs::path(native));
    if (!fs::exists(fs::status(absolute))) return 30;

    const fs::path parent = absolute.parent_path();
    const std::string file_name = absolute.filename().string();
    const auto [stem, extension] = ko_utility::split_extension(file_name);
    const std::pair<field*, std::string> values[] = {
        {&ParentPath, parent.string()}, {&ParentName, parent.filename().string()}, {&FilePath, absolute.string()},
        {&FileName, file_name},         {&FileNameWithoutExtension, stem},         {&Extension, extension},
    };
    for (const auto& [holder, value] : values) {
        (*holder)->value = ko_utility::multi_to_utf8(value);
        (*holder)->is_set = true;
    }

    if (fs::is_directory(fs::status(absolute))) {
        Type->value = "Folder";
    } else if (fs::is_regular_file(fs::status(absolute))) {
        Type->value = "File";
    } else {
        Type->value = "";
    }
    Type->is_set = true;
    return 0;
}

nlohmann::json ko_Path::to_json() {
    nlohmann::json json;  // null until a present field makes it an object
    for (auto& [key, holder] : fields()) holder->set_json(json, key);
    return json;
}

template <>
void ko_LitsItem_inner<std::string>::set_json(nlohmann::json& json, const std::string& key) const {
    if (!is_set) return;
    json[key] = nlohmann::json{{"string", value}};
}

template <>
void ko_LitsItem_inner<std::string>::set_value_from_json(const nlohmann::json& json, const std::string& key) {
    if (!json.is_object()) return;
    const auto member = json.find(key);
    if (member == json.end() || !member->is_object() || member->empty()) return;
    const auto first = member->begin();  // members in sorted key order
    if (first.key() != "string" || !first.value().is_string()) return;
    value = first.value().get<std::string>();
    is_set = true;
}

}  // namespace ko_object
