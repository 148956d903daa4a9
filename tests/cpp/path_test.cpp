// The path record in its three forms, the record pools, and the source name
// query built on the record.
#include <unistd.h>
#include <lua.hpp>

#include <fstream>

#include "api/media_item.h"
#include "host_fixture.h"
#include "object/ko_Path.h"

using namespace ko_test;
using ko_object::ko_Path;

namespace {

struct Expected {
    const char* parent_path;
    const char* parent_name;
    const char* file_path;
    const char* file_name;
    const char* stem;
    const char* extension;
    const char* type;
};

void expect_record(const ko_Path& record, const Expected& e, const std::string& label) {
    const char* values[] = {e.parent_path, e.parent_name, e.file_path, e.file_name, e.stem, e.extension, e.type};
    int i = 0;
    for (const auto& [key, holder] : record.fields()) {
        EXPECT_TRUE(holder->is_set) << label << " " << key;
        EXPECT_EQ(holder->value, values[i++]) << label << " " << key;
    }
}

class PathRecord : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = dir_.path().string();
        fs::create_directories(root_ + "/Music.d");
        std::ofstream(root_ + "/Music.d/take.01.wav") << "x";
        std::ofstream(root_ + "/Music.d/noext") << "x";
        fs::create_directory_symlink(root_ + "/Music.d", root_ + "/link");
    }
    TempDir dir_;
    std::string root_;
};

TEST_F(PathRecord, ReadsFilesAndFolders) {
    const std::string music = root_ + "/Music.d";
    expect_record(ko_Path(music + "/take.01.wav"),
                  {music.c_str(), "Music.d", (music + "/take.01.wav").c_str(), "take.01.wav", "take.01", "wav", "File"},
                  "file");
    expect_record(ko_Path(music + "/noext"),
                  {music.c_str(), "Music.d", (music + "/noext").c_str(), "noext", "noext", "", "File"}, "no dot");
    expect_record(ko_Path(music),
                  {root_.c_str(), dir_.path().filename().c_str(), music.c_str(), "Music.d", "Music", "d", "Folder"},
                  "folder");
    expect_record(ko_Path(music + "/"), {music.c_str(), "Music.d", (music + "/").c_str(), "", "", "", "Folder"},
                  "folder with slash");
    ko_Path link(root_ + "/link");
    EXPECT_EQ(link.Type->value, "Folder");
    EXPECT_EQ(link.FilePath->value, root_ + "/link");  // links are not resolved

    const std::string cwd = fs::current_path().string();
    ASSERT_EQ(chdir(root_.c_str()), 0);
    ko_Path relative("Music.d/../Music.d/noext");
    ASSERT_EQ(chdir(cwd.c_str()), 0);
    EXPECT_EQ(relative.FilePath->value, root_ + "/Music.d/../Music.d/noext");  // not normalised
    EXPECT_EQ(relative.ParentName->value, "Music.d");
}

TEST_F(PathRecord, MissingPathLeavesEverythingAbsent) {
    ko_Path record;
    EXPECT_EQ(record.read_path(root_ + "/none.wav"), 30);
    EXPECT_EQ(record.read_path(""), 30);
    for (const auto& [key, holder] : record.fields()) EXPECT_FALSE(holder->is_set) << key;
    EXPECT_TRUE(record.to_json().is_null());
    EXPECT_EQ(record.read_path(root_ + "/Music.d/noext"), 0);
}

TEST_F(PathRecord, FileSystemFailuresAreThrown) {
    const std::string too_long = root_ + "/" + std::string(300, 'n') + ".wav";
    EXPECT_THROW(ko_Path{too_long}, fs::filesystem_error);
}

TEST_F(PathRecord, KeyedInterfaceIsTheBases) {
    ko_Path record(root_ + "/Music.d/noext");
    EXPECT_EQ(record.get_size(), 0);
    EXPECT_EQ(record.get_value("FileName"), ko_object::pyvar(0));
    EXPECT_EQ(record.get_key_info(0), (std::pair<std::string, std::string>{}));
    record.set_value("FileName", std::string("changed"));
    EXPECT_EQ(record.FileName->value, "noext");
    ko_Path copy(record);
    EXPECT_EQ(copy.handle, reinterpret_cast<std::uint64_t>(&copy));
    EXPECT_NE(copy.handle, record.handle);
}

TEST_F(PathRecord, JsonBothWays) {
    ko_Path record(root_ + "/Music.d/take.01.wav");
    const nlohmann::json json = record.to_json();
    EXPECT_EQ(json.size(), 7u);
    EXPECT_EQ(json["FileName"], (nlohmann::json{{"string", "take.01.wav"}}));
    ko_Path back(json);
    EXPECT_EQ(back.to_json(), json);

    const nlohmann::json odd = {
        {"FileName", {{"string", "a.wav"}}},
        {"Extension", {{"a", "x"}, {"string", "wav"}}},  // "a" sorts first: ignored
        {"Type", {{"string", 5}}},
        {"ParentPath", "plain"},
    };
    ko_Path partial(odd);
    EXPECT_TRUE(partial.FileName->is_set);
    EXPECT_EQ(partial.FileName->value, "a.wav");
    EXPECT_FALSE(partial.Extension->is_set);
    EXPECT_FALSE(partial.Type->is_set);
    EXPECT_FALSE(partial.ParentPath->is_set);
    EXPECT_FALSE(ko_Path(nlohmann::json::array()).FileName->is_set);
}

TEST_F(PathRecord, LuaTableBothWays) {
    lua_State* L = luaL_newstate();
    ko_Path(root_ + "/Music.d/noext").pushvalue(L);
    ASSERT_EQ(lua_gettop(L), 1);
    lua_getfield(L, 1, "FileName");
    EXPECT_STREQ(lua_tostring(L, -1), "noext");
    lua_getfield(L, 1, "Extension");
    EXPECT_STREQ(lua_tostring(L, -1), "");
    lua_settop(L, 0);

    ko_Path(root_ + "/none").pushvalue(L);
    lua_pushnil(L);
    EXPECT_EQ(lua_next(L, 1), 0);  // nothing present, nothing in the table
    lua_settop(L, 0);

    ASSERT_EQ(luaL_dostring(L, "return { FileName = 42, Extension = 'wav', other = 'x' }"), LUA_OK);
    ko_Path from_lua;
    from_lua.set_value_from_luatable(L, 1);
    EXPECT_EQ(lua_gettop(L), 1);
    EXPECT_TRUE(from_lua.FileName->is_set);
    EXPECT_EQ(from_lua.FileName->value, "");  // a number is not text
    EXPECT_EQ(from_lua.Extension->value, "wav");
    EXPECT_FALSE(from_lua.Type->is_set);
    lua_settop(L, 0);

    // A key that is not text ends the walk; the stack is left as it was.
    ASSERT_EQ(luaL_dostring(L, "return { [1] = 'x' }"), LUA_OK);
    lua_pushstring(L, "above");
    ko_Path stopped;
    stopped.set_value_from_luatable(L, 1);
    EXPECT_EQ(lua_gettop(L), 2);
    for (const auto& [key, holder] : stopped.fields()) EXPECT_FALSE(holder->is_set) << key;
    lua_close(L);
}

TEST(RecordPool, ArraysByHandle) {
    const auto a = ko_object::ko_List::create_kolist_array();
    const auto b = ko_object::ko_List::create_kolist_array();
    EXPECT_NE(a, b);
    EXPECT_TRUE(ko_object::ko_List::release_koList(a));
    EXPECT_FALSE(ko_object::ko_List::release_koList(a));
    EXPECT_EQ(ko_object::ko_List::koList_pool.count(b), 1u);
    ko_Path record;  // a path record stays where it is when its array goes
    ko_object::ko_List::koList_pool.at(b)->push_back(&record);
    EXPECT_TRUE(ko_object::ko_List::release_koList(b));
    EXPECT_FALSE(ko_object::ko_List::release_koList(0));
    EXPECT_EQ(record.handle, reinterpret_cast<std::uint64_t>(&record));
}

class SourceName : public HostTest {};

// A path the file system cannot even look at fails the insertion with code 1;
// nothing escapes and nothing is inserted.
TEST_F(SourceName, InsertionSurvivesFileSystemFailures) {
    TempDir dir;
    MediaTrack* track = add_track();
    const std::string too_long = dir / (std::string(300, 'n') + ".wav");
    EXPECT_EQ(ko_api::mediaItem::InsertMediaTrackItemSecond(track, too_long.c_str(), 0, 1.0), nullptr);
    EXPECT_EQ(code(), 1);
    EXPECT_EQ(CountMediaItems(nullptr), 0);
    EXPECT_EQ(ko_api::mediaItem::InsertMediaOutItem(nullptr, too_long.c_str()), nullptr);
    EXPECT_EQ(code(), 1);
}

TEST_F(SourceName, WithAndWithoutExtension) {
    TempDir dir;
    const std::string path = dir / "take.wav";
    ASSERT_TRUE(sim_write_tone(path.c_str(), "wav", 44100, 1, 0.5, 440, 0.5));
    MediaItem* item = add_item(add_track(), 0.0, 0.5, path.c_str());
    using ko_api::mediaItem::GetSourceName;
    EXPECT_EQ(GetSourceName(item, 0, true), "take");
    EXPECT_EQ(GetSourceName(item, 0, false), "take.wav");
    EXPECT_EQ(GetSourceName(item, 1, false), "");
    EXPECT_EQ(GetSourceName(nullptr, 0, false), "");

    char buf[8] = "#######";
    EXPECT_TRUE(GetSourceName(item, 0, false, buf, 3));
    EXPECT_STREQ(buf, "ta");
    EXPECT_EQ(code(), 0);
    std::strcpy(buf, "keep");
    EXPECT_FALSE(GetSourceName(reinterpret_cast<MediaItem*>(0x99), 0, false, buf, 8));
    EXPECT_EQ(code(), 11);
    EXPECT_STREQ(buf, "keep");
    EXPECT_TRUE(GetSourceName(item, 5, true, buf, 8));
    EXPECT_STREQ(buf, "");

    // an item without takes has no source name
    MediaItem* bare = add_item(GetTrack(nullptr, 0), 3.0, 1.0);
    EXPECT_EQ(GetSourceName(bare, 0, true), "");
}

}  // namespace
